// The page's side of the game: it gives the game its timers, labels, menus
// and board, and hands it the player's mouse, keys and menu choices. Every
// rule is the game's own, in zorbel.wasm.
import createZorbel from './zorbel.mjs';
import { Board } from './board.mjs';
import { MenuBar } from './menu.mjs';

const canvas = document.querySelector('.board');
const labels = [...document.querySelectorAll('.label')];
const board = new Board(canvas);
const menu = new MenuBar(document.querySelector('.menubar'), index => game._zorbel_menu(index), () => canvas.focus());
const timers = [null, null];  // tmrMain, tmrAuto
let texts = {};  // context -> source text -> translation
let game = null;
let ended = false;

// DOM buttons 0 left, 1 middle, 2 right, 3 back, 4 forward as the game counts them.
const BUTTONS = [0, 2, 1, 3, 4];
const CURSOR_KEYS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, ' ': 4, Enter: 4 };

const page = {
  translate: (context, source) => texts[context]?.[source] ?? source,
  setTitle: text => { document.title = text; },
  addMenuEntry: (...entry) => menu.add(...entry),
  setChecked: (index, on) => menu.setChecked(index, on),
  setEnabled: (index, on) => menu.setEnabled(index, on),
  // A new interval restarts a running timer, as Qt's does.
  setTimer(timer, on, ms) {
    clearInterval(timers[timer]);
    timers[timer] = on ? setInterval(() => game._zorbel_tick(timer), ms) : null;
  },
  setLabel: (label, text) => { labels[label].textContent = text; },
  drawCell: (cell, picture) => board.drawCell(cell, picture),
  setSymbols: on => board.setSymbols(on),
  showCursor: cell => board.showCursor(cell),
  ended(text) {
    ended = true;
    menu.disable();
    canvas.classList.add('over');
    const notice = document.querySelector('.ended');
    notice.textContent = text;
    notice.hidden = false;
  },
};

canvas.addEventListener('mousedown', e => {
  e.preventDefault();  // no text selection, no scrolling by the middle button
  canvas.focus();
  if (!menu.isOpen()) game?._zorbel_press(board.cellAt(e.clientX, e.clientY), BUTTONS[e.button] ?? e.button);
});
// The release counts for the cell under the pointer, wherever it ends.
addEventListener('mouseup', e => game?._zorbel_release(board.cellAt(e.clientX, e.clientY), BUTTONS[e.button] ?? e.button));
canvas.addEventListener('contextmenu', e => e.preventDefault());

let altAlone = false;
addEventListener('keyup', e => {
  if (e.key === 'Alt' && altAlone && !ended) {
    e.preventDefault();
    if (menu.active()) menu.close();
    else menu.focusBar();
  }
});
addEventListener('keydown', e => {
  altAlone = e.key === 'Alt';
  if (ended || !game) return;  // F5 now reloads, which starts a new game
  const plain = !e.ctrlKey && !e.altKey && !e.metaKey;
  const functionKey = /^F\d+$/.test(e.key) ? Number(e.key.slice(1)) : 0;
  const shortcut = plain && !e.shiftKey ? menu.shortcut(functionKey) : undefined;
  if (shortcut !== undefined) {
    menu.close();
    game._zorbel_menu(shortcut);
  } else if (e.key === 'F10' && plain) {
    if (menu.active()) menu.close();
    else menu.focusBar();
  } else if (menu.key(e)) {
    // walked the menus
  } else if (e.key === 'Escape') {
    game._zorbel_end();
  } else if (plain && e.key in CURSOR_KEYS && !menu.active()) {
    game._zorbel_key(CURSOR_KEYS[e.key]);
  } else {
    return;
  }
  e.preventDefault();
});

// For tests and the curious: the game record as it stands.
globalThis.zorbelState = () => JSON.parse(game.UTF8ToString(game._zorbel_state()));

game = await createZorbel({ page });
const language = game.ccall('zorbel_language', 'string', ['string'], [navigator.languages.join(',')]);
if (language) {
  texts = await (await fetch(`i18n/${language}.json`)).json();
  document.documentElement.lang = language.replace('_', '-');
}
game._zorbel_start(game._zorbel_time_of_day_seed());
await board.sheet.ready;
performance.mark('zorbel-board-drawn');
canvas.focus();
