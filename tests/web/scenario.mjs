// What a player sees and does in the browser edition, written once against
// the thin driver of tests/web/*-adapter.mjs so that every browser runs the
// same scenario. Run with a Russian locale at device pixel ratio 1. Throws
// at the first thing that is not as it should be. app-scenario.mjs goes on
// from here with the page as an app and in another language.
import { installStateReader } from './kept.mjs';

const CELL = 40;
const COLUMNS = 15;

export function expect(ok, what, detail = '') {
  if (!ok) throw new Error(`${what}${detail ? `: ${detail}` : ''}`);
  console.log(`ok - ${what}`);
}

export const state = d => d.evaluate(() => globalThis.zorbelState());
export const quiet = d => d.waitFor(() => { const s = globalThis.zorbelState(); return !s.main && !s.auto; });

export async function cellPoint(d, i) {
  const box = await d.evaluate(() => document.querySelector('.board').getBoundingClientRect().toJSON());
  return { x: box.left + CELL * ((i - 1) % COLUMNS) + CELL / 2, y: box.top + CELL * Math.floor((i - 1) / COLUMNS) + CELL / 2 };
}

// Cells whose canvas pixels are not exactly the picture the game record
// asks for, from the sheet of the canvas's whole pixel ratio. Runs in the page.
export async function wrongCells() {
  const s = globalThis.zorbelState();
  const board = document.querySelector('.board').getContext('2d');
  const side = board.canvas.width / 15;
  const sheet = new Image();
  sheet.src = `balls-${side / 40}x.png`;
  await sheet.decode();
  const pictures = new OffscreenCanvas(sheet.width, sheet.height).getContext('2d');
  pictures.drawImage(sheet, 0, 0);
  const wrong = [];
  for (let k = 0; k < 150; k++) {
    const n = s.Board[k] + (s.Marks[k] ? 8 : s.Active[k] ? 16 : 0);
    const shown = board.getImageData(side * (k % 15), side * Math.floor(k / 15), side, side).data;
    const meant = pictures.getImageData(side * (n - 1), 0, side, side).data;
    if (shown.some((v, j) => v !== meant[j])) wrong.push(k + 1);
  }
  return wrong;
}

// One pixel of the page as the screen shows it, decoded by the browser.
async function pixel(d, x, y) {
  return d.evaluate(async png => {
    const bytes = Uint8Array.from(atob(png), c => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const context = new OffscreenCanvas(1, 1).getContext('2d');
    context.drawImage(bitmap, 0, 0);
    return [...context.getImageData(0, 0, 1, 1).data.slice(0, 3)];
  }, await d.screenshot(x, y));
}

// The menu bar as shown: titles, and each item with its mark, key and state.
function menuTree() {
  const describe = popup => [...popup.children].map(e => {
    if (e.matches('.separator')) return '-';
    const b = e.matches('button') ? e : e.querySelector(':scope > button');
    const mark = b.getAttribute('aria-checked') === 'true' ? '*' : '';
    const key = b.querySelector('.key').textContent;
    const sub = e.matches('.sub') ? `[${describe(e.lastElementChild)}]` : '';
    const off = b.getAttribute('aria-disabled') === 'true' ? '(off)' : '';
    return `${mark}${b.querySelector('.caption').textContent}${key ? ` ${key}` : ''}${off}${sub}`;
  }).join('|');
  return [...document.querySelectorAll('.top')].map(t => `${t.firstChild.textContent}{${describe(t.lastChild)}}`).join(' ');
}

async function clickMenu(d, ...captions) {
  for (const caption of captions) {
    const at = await d.evaluate(text => {
      const b = [...document.querySelectorAll('.menubar button')].find(e => e.textContent.includes(text));
      const r = b.getBoundingClientRect();
      return { x: r.left + 10, y: r.top + r.height / 2 };
    }, caption);
    await d.click(at.x, at.y);
  }
}

export async function labels(d) {
  return [await d.text('.steps'), await d.text('.exp')];
}

// The page loaded from url, or reloaded without one.
export async function drawn(d, url) {
  await (url ? d.load(url) : d.reload());
  await d.waitFor(() => performance.getEntriesByName('zorbel-ready').length > 0);
  await d.evaluate(installStateReader);
}

export async function scenario(d, url) {
  await drawn(d, url);
  let s = await state(d);
  expect(await d.evaluate(() => document.title) === 'Зорбель', 'the title is the window caption');
  let wrong = await d.evaluate(wrongCells);
  expect(wrong.length === 0, 'all 150 cells show their pictures', wrong.join(' '));
  let [steps, exp] = await labels(d);
  expect(steps === `Ходов: ${s.MoveCount}` && exp === '', 'the labels at start', `${steps}|${exp}`);
  expect(await d.evaluate(menuTree) ===
    'Игра{Новая F2|-|Подсказка F1} Настройки{Количество цветов[8 цветов F8|7 цветов F7|*6 цветов F6|5 цветов F5]|' +
    'Скорость обновления[10 раз в сек|5 раз в сек|*4 раза в сек|2 раза в сек|1 раз в сек]|-|' +
    '*Задействовать активные шарики|Активные шарики каждый ход|-|Автоматическая игра|-|Значки на шариках}',
  'the menu tree with its marks and keys', await d.evaluate(menuTree));
  const client = await d.evaluate(() => document.querySelector('.client').getBoundingClientRect().toJSON());
  const ground = await pixel(d, client.left + 608, client.top + 200);
  const silver = await pixel(d, client.left + 300, client.top + 425);
  expect(`${ground}|${silver}` === '192,192,255|192,192,192', 'window and label grounds', `${ground}|${silver}`);

  // A legal move by two clicks, the second with the right button.
  const first = await cellPoint(d, s.HintFrom);
  const second = await cellPoint(d, s.HintTo);
  await d.click(first.x, first.y);
  expect((await state(d)).FirstCell === s.HintFrom, 'a click selects a ball');
  await d.click(second.x, second.y, 'right');
  expect((await state(d)).main, 'a second click on a neighbour swaps and the board settles on its timer');
  await quiet(d);
  s = await state(d);
  [steps, exp] = await labels(d);
  expect(s.Score > 0 && exp === `Счёт: ${s.Score}` && steps === (s.MoveCount ? `Ходов: ${s.MoveCount}` : 'Ходов нет!'),
    'the labels after the move', `${steps}|${exp}`);
  wrong = await d.evaluate(wrongCells);
  expect(wrong.length === 0, 'the settled board is drawn', wrong.join(' '));

  // A legal move by drag.
  const score = s.Score;
  await d.drag(await cellPoint(d, s.HintFrom), await cellPoint(d, s.HintTo));
  await quiet(d);
  s = await state(d);
  expect(s.Score > score, 'a drag makes a move', `${score} -> ${s.Score}`);

  // F2 and F8 deal anew; the score runs on.
  await d.key('F2');
  const dealt = await state(d);
  expect(dealt.Board.join() !== s.Board.join() && dealt.Score === s.Score && dealt.FirstCell === 0, 'F2 deals a new game');
  await d.key('F8');
  s = await state(d);
  expect(s.ColorCount === 8 && Math.max(...s.Board) === 8 && s.Board.join() !== dealt.Board.join(), 'F8 deals in 8 colours');
  expect((await d.evaluate(menuTree)).includes('*8 цветов F8|7 цветов F7|6 цветов'), 'the mark moves to 8 colours');
  await d.key('F1');
  s = await state(d);
  wrong = await d.evaluate(wrongCells);
  expect(s.FirstCell === s.HintFrom && s.HintFrom > 0 && wrong.length === 0, 'F1 selects the hinted ball, drawn marked');

  // Automatic play from the menu, on its own timer, and off again.
  const before = s.Board.join();
  await clickMenu(d, 'Настройки', 'Автоматическая игра');
  await d.waitFor(board => globalThis.zorbelState().Board.join() !== board, before);
  expect((await d.evaluate(menuTree)).includes('*Автоматическая игра'), 'automatic play moves by itself');
  await clickMenu(d, 'Настройки', 'Автоматическая игра');
  await quiet(d);
  s = await state(d);
  expect(s.AutoMode === 0 && !(await d.evaluate(menuTree)).includes('*Автоматическая'), 'automatic play stops');

  // The speed menu.
  await clickMenu(d, 'Настройки', 'Скорость обновления', '10 раз в сек');
  s = await state(d);
  expect(s.TickMs === 100 && (await d.evaluate(menuTree)).includes('[*10 раз в сек|5 раз в сек|4 раза'), 'the speed menu sets 10 ticks a second');
  expect(await d.evaluate(() => document.querySelectorAll('.popup:not([hidden])').length) === 0, 'a chosen item closes the menus');

  // The menus by keyboard: F10 to the bar, arrows, Enter; Escape closes one level.
  for (const key of ['F10', 'ArrowRight', 'Enter', 'ArrowDown', 'ArrowRight', 'ArrowDown', 'Enter']) await d.key(key);
  expect((await state(d)).TickMs === 200, 'F10, arrows and Enter choose 5 ticks a second');
  for (const key of ['F10', 'Enter', 'Escape']) await d.key(key);
  expect(!(await state(d)).ended && await d.evaluate(() => document.querySelectorAll('.popup:not([hidden])').length) === 0,
    'Escape closes an open menu and the game goes on');

  // The keyboard cursor on a new board: the first arrow shows it on cell 1,
  // the next moves it, Enter clicks there.
  await d.key('F2');
  await d.key('ArrowDown');
  await d.key('ArrowRight');
  await d.key('Enter');
  expect((await state(d)).FirstCell === 2, 'arrows and Enter select a ball', String((await state(d)).FirstCell));

  // Escape ends the game and forgets it: no input, and a word on how to go on.
  const names = () => d.evaluate(() => [...document.querySelectorAll('[role=gridcell]')].map(c => c.getAttribute('aria-label')).join('|'));
  s = await state(d);
  const shown = await names();
  await d.key('Escape');
  const cell = await cellPoint(d, s.HintTo === 1 ? 2 : 1);
  await d.click(cell.x, cell.y);
  await d.key('F2');
  const after = await state(d);
  expect(after.ended && after.kept === undefined && await names() === shown,
    'Escape ends the game, the tab keeps it no more, and the board takes no more input');
  expect((await d.text('.ended')).includes('обновите страницу'), 'the page says how to start anew', await d.text('.ended'));
  expect(d.errors().length === 0, 'no error in the console', d.errors().join('\n'));
}
