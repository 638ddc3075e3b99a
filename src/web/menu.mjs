// The menu bar, built entry by entry from the game's menu table and worked
// as a desktop menu bar is: a click, Alt or F10 reaches it, the arrows walk
// it, Enter or Space chooses, Escape closes one level, a click elsewhere
// closes it all. It runs nothing itself: a chosen item's table index goes
// to `run`.
const OPENS_MENU = 0;
const SEPARATOR = 1;

function element(tag, className, text = '') {
  const e = document.createElement(tag);
  e.className = className;
  e.textContent = text;
  return e;
}

const disabled = button => button.getAttribute('aria-disabled') === 'true';

export class MenuBar {
  constructor(bar, run, leave) {
    this.bar = bar;
    this.run = run;
    this.leave = leave;  // gives the keyboard back to the board
    this.items = new Map();  // table index -> its button
    this.keys = new Map();  // n of the shortcut key Fn -> table index
    this.parents = [bar];  // where the entries of each level go
    this.open = [];  // the buttons whose menus are open, outermost first
    document.addEventListener('mousedown', e => {
      if (!bar.contains(e.target)) this.close();
    });
  }

  add(index, level, kind, caption, functionKey, checkable, checked) {
    this.parents.length = level + 1;
    const parent = this.parents[level];
    if (kind === SEPARATOR) {
      const line = element('div', 'separator');
      line.setAttribute('role', 'separator');
      parent.append(line);
      return;
    }
    const button = element('button', level === 0 ? 'title' : 'item', level === 0 ? caption : '');
    Object.assign(button, { type: 'button', tabIndex: -1, level, index });
    button.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
    if (level > 0) {
      const check = element('span', 'check');
      const key = element('span', 'key', functionKey ? `F${functionKey}` : '');
      const arrow = element('span', 'arrow', kind === OPENS_MENU ? '\u25b8' : '');
      // A screen reader hears the caption alone, and the mark, the key and
      // the submenu from the roles and states.
      [check, key, arrow].forEach(e => e.setAttribute('aria-hidden', 'true'));
      if (functionKey) button.setAttribute('aria-keyshortcuts', `F${functionKey}`);
      button.append(check, element('span', 'caption', caption), key, arrow);
    }
    if (kind === OPENS_MENU) {
      button.popup = element('div', 'popup');
      button.popup.setAttribute('role', 'menu');
      button.popup.hidden = true;
      button.setAttribute('aria-haspopup', 'menu');
      button.setAttribute('aria-expanded', 'false');
      const holder = element('div', level === 0 ? 'top' : 'sub');
      holder.setAttribute('role', 'none');
      holder.append(button, button.popup);
      parent.append(holder);
      this.parents[level + 1] = button.popup;
    } else {
      parent.append(button);
      this.items.set(index, button);
      if (functionKey) this.keys.set(functionKey, index);
      if (checkable) this.setChecked(index, checked);
    }
    button.addEventListener('click', () => this.choose(button));
    // Only a moving mouse hovers: not a tap, whose made-up enter would open
    // a menu that its click then closes, nor a menu opened by keys under a
    // mouse at rest, which would take the keyboard's item away.
    button.addEventListener('pointermove', e => {
      if (e.pointerType === 'mouse' && (e.movementX || e.movementY)) this.hover(button);
    });
  }

  setChecked(index, on) { this.items.get(index).setAttribute('aria-checked', String(on)); }
  setEnabled(index, on) { this.items.get(index).setAttribute('aria-disabled', String(!on)); }
  // The table index of the item with shortcut key Fn, if any.
  shortcut(n) { return this.keys.get(n); }
  isOpen() { return this.open.length > 0; }
  active() { return this.bar.contains(document.activeElement); }
  titles() { return [...this.bar.querySelectorAll('.title')]; }
  focusBar() { this.titles()[0].focus(); }

  // Nothing can be chosen while this tab does not play: after the game has
  // ended, or while another tab holds it.
  disable(off) {
    this.close();
    this.bar.querySelectorAll('button').forEach(b => { b.disabled = off; });
  }

  choose(button) {
    if (button.popup) {
      if (button.level === 0 && this.open[0] === button) this.close();
      else this.openMenu(button);
    } else if (!disabled(button)) {
      this.close();
      this.run(button.index);
    }
  }

  // Titles follow the mouse only while a menu is open, as on the desktop.
  hover(button) {
    if (!this.isOpen()) return;
    if (button.level > 0) button.focus();
    if (button.popup) this.openMenu(button);
    else this.closeFrom(button.level);
  }

  openMenu(button) {
    if (this.open[button.level] === button) return;
    this.closeFrom(button.level);
    button.popup.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    this.open.push(button);
    button.focus();
  }

  closeFrom(depth) {
    while (this.open.length > depth) {
      const button = this.open.pop();
      button.popup.hidden = true;
      button.setAttribute('aria-expanded', 'false');
    }
  }

  close() {
    const hadKeyboard = this.active();
    this.closeFrom(0);
    if (hadKeyboard) this.leave();
  }

  // Moves to the next item of `popup` that can be chosen, after `from`
  // (or from the start) in direction `step`, round the end.
  walk(popup, from, step) {
    const buttons = [...popup.querySelectorAll(':scope > button, :scope > .sub > button')].filter(b => !disabled(b));
    const at = buttons.indexOf(from);
    const next = at < 0 ? (step > 0 ? 0 : buttons.length - 1) : (at + step + buttons.length) % buttons.length;
    buttons[next]?.focus();
  }

  // Into a button's menu, on its first item.
  enter(button) {
    this.openMenu(button);
    this.walk(button.popup, null, 1);
  }

  besideTitle(step) {
    const titles = this.titles();
    const from = this.open[0] ?? document.activeElement;
    const next = titles[(titles.indexOf(from) + step + titles.length) % titles.length];
    if (this.isOpen()) this.enter(next);
    else next.focus();
  }

  // A key while the bar has the keyboard; returns whether it was the menu's.
  key(e) {
    const focused = document.activeElement;
    if (!this.active()) return false;
    const inMenu = focused.level > 0;
    switch (e.key) {
      case 'Escape': {
        if (!this.isOpen()) return false;  // the bar alone: Escape is the page's
        const opener = this.open[this.open.length - 1];
        this.closeFrom(this.open.length - 1);
        opener.focus();
        return true;
      }
      case 'ArrowDown':
      case 'ArrowUp': {
        const step = e.key === 'ArrowDown' ? 1 : -1;
        if (inMenu) this.walk(focused.closest('.popup'), focused, step);
        else this.enter(focused);
        return true;
      }
      // Right goes on and Left back, the other way round in a language
      // written from right to left, whose bar and submenus run leftwards.
      case 'ArrowRight':
      case 'ArrowLeft':
        if ((e.key === 'ArrowRight') === (getComputedStyle(this.bar).direction !== 'rtl')) {
          if (inMenu && focused.popup) this.enter(focused);
          else this.besideTitle(1);
        } else if (focused.level > 1) {
          const opener = this.open[focused.level - 1];
          this.closeFrom(focused.level - 1);
          opener.focus();
        } else {
          this.besideTitle(-1);
        }
        return true;
      case 'Enter':
      case ' ':
        if (focused.popup) this.enter(focused);
        else this.choose(focused);
        return true;
      case 'Tab':
        this.close();
        return true;
      default:
        return false;
    }
  }
}
