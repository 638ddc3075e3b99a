// The page as an app, in any engine through its adapter, after scenario.mjs:
// the board as the engine's accessibility gives it, a second tab taking the
// game over, a reload with the server gone, and the texts and pictures under
// another language at device pixel ratio 2. Chromium's whole accessibility
// tree, install, phones and new builds are web.app's.
import { installStateReader } from './kept.mjs';
import { cellPoint, drawn, expect, labels, quiet, state, wrongCells } from './scenario.mjs';

const COLOURS = ['красный', 'жёлтый', 'зелёный', 'голубой', 'синий', 'пурпурный', 'слоновая кость', 'оранжевый'];
const ended = d => d.evaluate(() => globalThis.zorbelState().ended);

function nameOf(s, k) {
  return [COLOURS[s.Board[k] - 1], s.Marks[k] ? (s.FirstCell === k + 1 ? 'выбран' : 'отмечен') : null,
    s.Active[k] ? 'активный' : null].filter(Boolean).join(', ');
}

async function move(d, s) {
  for (const cell of [s.HintFrom, s.HintTo]) {
    const at = await cellPoint(d, cell);
    await d.click(at.x, at.y);
  }
  await quiet(d);
}

async function accessibleGrid(d) {
  const [grid] = await d.accessible('.cells');
  const rows = await d.accessible('.cells > *');
  const cells = await d.accessible('.cells > * > *');
  let s = await state(d);
  const names = cells.map(c => `${c.role}:${c.name}`).join('|');
  expect(`${grid.role}:${grid.name}` === 'grid:Игровое поле' && rows.length === 10 && rows.every(r => r.role === 'row') &&
    names === s.Board.map((_, k) => `gridcell:${nameOf(s, k)}`).join('|'),
  'the board is a grid of 10 rows of 150 cells, each named by its ball', `${JSON.stringify(grid)} ${names.slice(0, 80)}`);
  await d.key('ArrowDown');
  const active = await d.evaluate(() => document.activeElement.getAttribute('aria-activedescendant'));
  const at = await cellPoint(d, s.HintFrom);
  await d.click(at.x, at.y);
  s = await state(d);
  const [chosen] = await d.accessible(`#cell-${s.HintFrom}`);
  expect(chosen.name === nameOf(s, s.HintFrom - 1) && chosen.name.endsWith(', выбран') && active === 'cell-1',
    'the names change with the board, and the keyboard cursor is the focused grid\'s active cell', `${chosen.name} ${active}`);
}

async function secondTab(d, url) {
  const tab = await d.openTab(url);
  await tab.waitFor(() => !document.querySelector('.refused').hidden);
  await tab.evaluate(installStateReader);
  const says = await tab.evaluate(() => document.querySelector('.refused').textContent);
  expect(says === 'Зорбель уже открыт в другой вкладке.Перенести игру сюда' && !(await ended(d)),
    'a second tab does not play and offers to move the game', says);
  const shown = await tab.evaluate(() => globalThis.zorbelState().Board.join());
  await tab.evaluate(() => document.querySelector('.refused button').click());
  await tab.waitFor(() => document.querySelector('.refused').hidden);
  const s = await tab.evaluate(() => globalThis.zorbelState());
  expect(await ended(d) && !s.ended && s.Board.join() === shown,
    'the game moves to the second tab, on the board it showed, and ends in the first');
  await tab.close();
  // The browser lets the lock go once the tab is gone.
  await d.waitFor(async () => (await navigator.locks.query()).held.length === 0);
}

// `stop` stops the site's server: from then on only the service worker
// answers, as with no network at all. The game the tab had was moved to
// the second tab, so the first reload deals anew; the next one takes the
// game back where it was.
async function offline(d, url, stop) {
  await d.waitFor(async () => (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated');
  await stop();
  await drawn(d, url);
  await move(d, await state(d));
  const played = await state(d);
  expect(played.Score > 0 && !played.ended, 'with the server gone the page reloads and plays');
  await drawn(d);
  expect((await state(d)).kept === played.kept, 'a reload takes the game back where it was');
}

// A touch tap on a ball and one on its neighbour swap, where the driver can tap.
async function touch(d) {
  if (!d.tap) return console.log('# touch: the driver cannot tap');
  const s = await state(d);
  for (const cell of [s.HintFrom, s.HintTo]) {
    const at = await cellPoint(d, cell);
    await d.tap(at.x, at.y);
  }
  await quiet(d);
  expect((await state(d)).Score > s.Score, 'a tap and a tap on its neighbour swap');
}

export async function appScenario(d, url, stop) {
  await drawn(d, url);
  await accessibleGrid(d);
  await touch(d);
  await secondTab(d, url);
  await offline(d, url, stop);
  expect(d.errors().length === 0, 'no error in the console', d.errors().join('\n'));
}

// German at device pixel ratio 2: the title, a label and a menu title, the
// board from the 2x pictures, and a move by clicks.
export async function german(d, url) {
  await drawn(d, url);
  let s = await state(d);
  const seen = await d.evaluate(() => [document.title, devicePixelRatio, document.querySelector('.board').width,
    document.querySelectorAll('.top')[1].firstChild.textContent]);
  expect(seen.join('|') === 'Zorbel|2|1200|Einstellungen' && (await labels(d))[0] === `Züge: ${s.MoveCount}`,
    'German texts at pixel ratio 2', `${seen.join('|')} ${(await labels(d))[0]}`);
  const wrong = await d.evaluate(wrongCells);
  expect(wrong.length === 0, 'all 150 cells show their pictures from the 2x sheet', wrong.join(' '));
  await move(d, s);
  s = await state(d);
  expect(s.Score > 0 && (await d.evaluate(wrongCells)).length === 0, 'a move by clicks at pixel ratio 2, drawn');
  expect(d.errors().length === 0, 'no error in the console', d.errors().join('\n'));
}
