// The page's side of the game: it gives the game its timers, labels, menus
// and board, and hands it the player's mouse, fingers, keys and menu
// choices. Every rule is the game's own, in zorbel.wasm.
// The game's bytes, joined into this script at build time (bundle-web.py).
import gameBytes from './zorbel.wasm';
import { Board } from './board.mjs';
import { Cells } from './cells.mjs';
import { fitWindow } from './fit.mjs';
import { makeGame } from './game.mjs';
import { keep, keptGame } from './kept.mjs';
import { MenuBar } from './menu.mjs';
import { OneCopy } from './one-copy.mjs';
import { retried } from './retry.mjs';
import { Timers } from './timers.mjs';

const canvas = document.querySelector('.board');
// The first board is drawn on the canvas out of the page, which then takes
// it back: a canvas in the page has the page's style worked out at its first
// drawing, and the first board need not wait for that.
const canvasPlace = canvas.nextElementSibling;
canvas.remove();
const heading = document.querySelector('.heading');
const grid = document.querySelector('.cells');
const labels = [...document.querySelectorAll('.label')];
// The notice with a button: another tab plays, or a file did not come.
const refusal = document.querySelector('.refused');
let offer = null;  // what its button does
let tryAgain = null;  // the button's offer after a file did not come
const timers = new Timers(timer => game.zorbel_tick(timer));
let texts = {};  // context -> source text -> translation
let game = null;
let oneCopy = null;
let playing = false;  // this tab's game has started and not ended
let cells = null;
let menu = null;
// What the first board does not need waits until that board is on the
// screen: the title, the cells for screen readers, the menus, the names of
// both, which the game sends once asked (furnish), and the player's input.
// Calls that need them are kept in order meanwhile. All this is done in the
// task after the frame that shows the board (at once in a tab that is not
// shown, which paints no frames).
let later = [];
const soon = call => (later ? later.push(call) : call());
function catchUp() {
  cells = new Cells(grid);
  cells.setActive(board.cursor);
  menu = new MenuBar(document.querySelector('.menubar'), index => { if (playing) game.zorbel_menu(index); }, () => grid.focus());
  listen();
  game.zorbel_furnish();
  const calls = later ?? [];
  later = null;
  calls.forEach(call => call());
}

const page = {
  translate: (context, source) => texts[context]?.[source] ?? source,
  setTitle: text => soon(() => { document.title = heading.textContent = text; }),
  addMenuEntry: (...entry) => menu.add(...entry),
  setChecked: (index, on) => menu.setChecked(index, on),
  setEnabled: (index, on) => menu.setEnabled(index, on),
  setTimer: (timer, on, ms) => timers.set(timer, on, ms),
  setLabel: (label, text) => { labels[label].textContent = text; },
  drawBoard: pictures => board.draw(pictures),
  nameCell: (cell, name) => cells.name(cell, name),
  nameBoard: text => cells.nameBoard(text),
  setSymbols: on => board.setSymbols(on),
  showCursor(cell) {
    board.showCursor(cell);
    cells?.setActive(cell);
  },
  ended(text) {
    playing = false;
    keep('');
    soon(() => menu.disable(true));
    canvas.classList.add('over');
    const notice = document.querySelector('.ended');
    notice.textContent = text;
    notice.hidden = false;
    oneCopy.letGo();
  },
  refused: (text, button) => ask(text, button, takeOver),
  failed: (text, button) => ask(text, button, tryAgain),
  keep,
};

// Shows the notice with its text and its button, which then runs `then`.
function ask(text, button, then) {
  refusal.querySelector('p').textContent = text;
  const b = refusal.querySelector('button');
  b.textContent = button;
  b.disabled = false;
  offer = then;
  refusal.hidden = false;
}

const board = new Board(canvas, fitWindow(scale => board.setScale(scale)));

// DOM buttons 0 left, 1 middle, 2 right, 3 back, 4 forward as the game counts them.
const BUTTONS = [0, 2, 1, 3, 4];
const LEFT = 0;
const CURSOR_KEYS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, ' ': 4, Enter: 4 };

const press = (e, button) => game.zorbel_press(board.cellAt(e.clientX, e.clientY), button);
const release = (e, button) => game.zorbel_release(board.cellAt(e.clientX, e.clientY), button);

// The player's mouse, fingers and keys.
function listen() {
  canvas.addEventListener('mousedown', e => {
    e.preventDefault();  // no text selection, no scrolling by the middle button
    grid.focus();
    if (playing && !menu.isOpen()) press(e, BUTTONS[e.button] ?? e.button);
  });
  // The release counts for the cell under the pointer, wherever it ends.
  addEventListener('mouseup', e => { if (playing) release(e, BUTTONS[e.button] ?? e.button); });
  // Firefox sends the context menu's event on the press, Chromium and WebKit
  // after the release: refused whenever it comes, it never opens on the board.
  canvas.addEventListener('contextmenu', e => e.preventDefault());

  // A finger or a pen plays as the left button does: a tap is a press and a
  // release on one cell, a drag releases on the cell under the finger. The
  // board keeps the pointer, so the release comes here wherever it ends.
  // Touch is told by the pointer's type: Firefox has touch pointer events
  // with no `ontouchstart` in window.
  canvas.addEventListener('pointerdown', e => {
    if (e.pointerType === 'mouse' || !e.isPrimary) return;
    e.preventDefault();  // no mouse events made up from the touch
    if (menu.isOpen()) {
      menu.close();
      return;
    }
    canvas.setPointerCapture(e.pointerId);
    if (playing) press(e, LEFT);
  });
  canvas.addEventListener('pointerup', e => {
    if (e.pointerType !== 'mouse' && e.isPrimary && playing) release(e, LEFT);
  });
  // A touch the browser takes back ends off the board.
  canvas.addEventListener('pointercancel', e => {
    if (e.pointerType !== 'mouse' && e.isPrimary && playing) game.zorbel_release(0, LEFT);
  });

  let altAlone = false;
  addEventListener('keyup', e => {
    if (e.key === 'Alt' && altAlone && playing) {
      e.preventDefault();
      if (menu.active()) menu.close();
      else menu.focusBar();
    }
  });
  addEventListener('keydown', e => {
    altAlone = e.key === 'Alt';
    if (!playing) return;  // F5 now reloads
    const plain = !e.ctrlKey && !e.altKey && !e.metaKey;
    const functionKey = /^F\d+$/.test(e.key) ? Number(e.key.slice(1)) : 0;
    const shortcut = plain && !e.shiftKey ? menu.shortcut(functionKey) : undefined;
    if (shortcut !== undefined) {
      menu.close();
      game.zorbel_menu(shortcut);
    } else if (e.key === 'F10' && plain) {
      if (menu.active()) menu.close();
      else menu.focusBar();
    } else if (menu.key(e)) {
      // walked the menus
    } else if (e.key === 'Escape') {
      game.zorbel_end();
    } else if (plain && e.key in CURSOR_KEYS && !menu.active()) {
      game.zorbel_key(CURSOR_KEYS[e.key]);
    } else {
      return;
    }
    e.preventDefault();
  });
}

// The sheet the first board is drawn from. Once its request has failed a
// few times, the page says so, and its button asks again.
async function sheetHere() {
  for (;;) {
    try {
      return await board.ready();
    } catch {
      await new Promise(resolve => {
        tryAgain = resolve;
        game.zorbel_failed();
      });
      refusal.hidden = true;
      board.retry();
    }
  }
}

// The game the tab kept is taken back, or else a new one is dealt, and
// drawn at once; this tab plays it once it holds the lock, which is asked
// for only then: the board need not wait for the browser's answer.
// Resolves, once what waited for the board is in place too, whether the tab
// holds the lock. A tab refused the lock shows its board dimmed under the
// offer to move the game here, which then plays that board.
async function firstBoard() {
  const now = new Date();
  const seconds = now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds();
  const seed = game.zorbel_time_of_day_seed(seconds, now.getMilliseconds() * 1000);
  game.withText(keptGame(), kept => game.zorbel_start(seed, kept));
  await sheetHere();
  canvasPlace.before(canvas);
  performance.mark('zorbel-board-drawn');
  oneCopy = new OneCopy(() => { if (playing) game.zorbel_end(); });
  const claimed = oneCopy.claim();
  const caughtUp = new Promise(resolve => {
    const done = () => resolve(catchUp());
    if (document.hidden) done();
    else requestAnimationFrame(() => setTimeout(done));
  });
  // Kept for playing offline from the next visit on; asked for only now, so
  // that it never delays the first board. Every visit looks for a new build
  // at once, which then takes over at the next visit. A page opened without
  // a service worker (from a file, say) plays all the same.
  navigator.serviceWorker?.register('sw.js')
    .then(worker => worker.active && worker.update())
    .catch(() => {});
  return Promise.all([claimed, caughtUp]).then(([held]) => held);
}

function play() {
  playing = true;
  timers.run(true);
  refusal.hidden = true;
  canvas.classList.remove('over');
  grid.focus();
}

async function takeOver() {
  await oneCopy.takeOver();
  soon(() => menu.disable(false));
  play();
}

refusal.querySelector('button').addEventListener('click', e => {
  e.currentTarget.disabled = true;
  offer();
});

function lookForNewBuild() {
  navigator.serviceWorker?.getRegistration().then(worker => worker?.update()).catch(() => {});
}

// A tab the browser froze, hid or kept in its back/forward cache starts its
// timers afresh when it comes back, and looks for a new build, as an app
// installed on a phone otherwise would not.
function comeBack() {
  timers.run(playing);
  lookForNewBuild();
}
document.addEventListener('freeze', () => timers.run(false));
document.addEventListener('resume', comeBack);
document.addEventListener('visibilitychange', () => { if (!document.hidden) comeBack(); });
addEventListener('pagehide', () => timers.run(false));
addEventListener('pageshow', e => { if (e.persisted) comeBack(); });

// The game is compiled and made here and now, from the bytes in this
// script: for a module this small that costs less than a request, or a
// trip to another thread, would.
game = makeGame(gameBytes, page);
const language = game.text(game.withText(navigator.languages.join(','), game.zorbel_language));
// Without its translation the game plays in its own Russian, and says
// nothing of it.
const translation = language && await retried(async () => {
  const response = await fetch(`i18n/${language}.json`);
  if (!response.ok) throw new Error(`${response.status}`);
  return response.json();
}).catch(() => null);
if (translation) {
  texts = translation;
  document.documentElement.lang = language.replace('_', '-');
  if (game.withText(language, game.zorbel_right_to_left)) document.documentElement.dir = 'rtl';
}
if (await firstBoard()) {
  play();
} else {
  canvas.classList.add('over');
  menu.disable(true);
  game.zorbel_refuse();
}
// Everything is in place, and the tab plays or has said why not.
performance.mark('zorbel-ready');
