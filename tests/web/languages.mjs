// Every translation in the browser, in Debian's headless Chromium: for each
// language as navigator.languages, the title, the whole menu tree and both
// labels read as its i18n/*.ts file says (so a language that falls back to
// another fails), the tree keeps the Russian shape and keys, the widest
// label texts fit their labels at 100 % and at 200 %, no menu caption is
// cut, and every letter is a real glyph rather than the empty box of a
// missing one. A language written from right to left (told by the letters
// of its texts) mirrors the menu bar, the menus, their arrow keys and the
// labels, and not the board: a click and a drag land on the cells drawn
// under the pointer.
// Usage: node languages.mjs <site folder>
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { installStateReader } from './kept.mjs';
import { openChromium } from './playwright-adapter.mjs';
import { serve } from './serve.mjs';

const I18N = fileURLToPath(new URL('../../i18n/', import.meta.url));
const MOST_MOVES = 550;  // every cell-and-direction pair of the board
const SCORE_CAP = 32000;
const CELL = 40;
const COLUMNS = 15;
const CELLS = 150;
const LABEL_LEFT = [5, 165];  // from the client's leading edge
const MARGIN = 5;  // the board's, from the client's left edge in any language
const SLACK = 1;   // CSS pixels of rounding between two edges that meet
const INSET = 3;   // how far in from its label's leading edge a text may begin
const RIGHT_TO_LEFT = /^\P{L}*[\p{Script=Arabic}\p{Script=Hebrew}\p{Script=Syriac}\p{Script=Thaana}\p{Script=Nko}]/u;

// One .ts file as its translators wrote it: "context|source" -> text. The
// page's own JSON is made from the same file by other code, so a fault in
// either shows.
const ENTITIES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = s => s.replace(/&(#x[0-9a-f]+|#\d+|\w+);/gi, (_, e) =>
  e[0] === '#' ? String.fromCodePoint(Number(e[1] === 'x' ? `0${e.slice(1)}` : e.slice(1))) : ENTITIES[e]);
function catalogue(file) {
  const texts = new Map();
  for (const [, context] of readFileSync(file, 'utf8').matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescape(context.match(/<name>(.*?)<\/name>/)[1]);
    for (const [, source, attributes, text] of
      context.matchAll(/<source>([\s\S]*?)<\/source>\s*<translation([^>]*)>([\s\S]*?)<\/translation>/g)) {
      if (!/type="(unfinished|vanished|obsolete)"/.test(attributes)) texts.set(`${name}|${unescape(source)}`, unescape(text));
    }
  }
  return texts;
}

function check(ok, what, detail = '') {
  if (!ok) throw new Error(`${what}${detail ? `: ${detail}` : ''}`);
}

// The menu bar as shown, entry by entry in document order, after opening
// every menu and submenu the way a click does; each caption, title and
// key is measured while its menu is open, and each menu against the
// window of the browser. Runs in the page.
function readMenus() {
  const cut = [];
  const measure = e => { if (e.scrollWidth > e.clientWidth) cut.push(`${e.textContent} (${e.scrollWidth} > ${e.clientWidth})`); };
  const bar = document.querySelector('.menubar');
  const entries = [];
  const walk = (popup, level) => {
    for (const e of popup.children) {
      if (e.matches('.separator')) {
        entries.push({ level, kind: '-' });
        continue;
      }
      const b = e.matches('button') ? e : e.querySelector(':scope > button');
      if (b.popup) {
        b.click();  // opens it, and closes the one open beside it
        const right = b.popup.getBoundingClientRect().right;
        if (right > innerWidth) cut.push(`the menu of ${b.textContent} (${right} > ${innerWidth})`);
      }
      const caption = b.querySelector('.caption') ?? b;
      [caption, b.querySelector('.key')].forEach(x => x && measure(x));
      entries.push({ level, kind: b.popup ? 'menu' : 'item', caption: caption.textContent, key: b.querySelector('.key')?.textContent ?? '',
        checked: b.getAttribute('aria-checked'), disabled: b.getAttribute('aria-disabled') });
      if (b.popup) walk(b.popup, level + 1);
    }
  };
  walk(bar, 0);
  const titles = [...bar.querySelectorAll('.title')];
  titles.at(-1).click();  // closes the last one open
  const last = titles.at(-1).getBoundingClientRect().right;
  if (last > bar.getBoundingClientRect().right) cut.push(`menu bar (${last} > ${bar.getBoundingClientRect().right})`);
  return { entries, cut };
}

// Each text set into each label in turn: its width in the label's own font
// against the label's room, its ink from the top of its highest letter to
// the foot of its lowest (on the baseline, which a box of no size marks)
// within the label's height, and how far in from the label's leading edge
// it begins; the label is given back its text. Runs in the page.
function measureLabels(texts) {
  const context = new OffscreenCanvas(1, 1).getContext('2d');
  return [...document.querySelectorAll('.label')].flatMap(label => {
    const kept = label.textContent;
    const style = getComputedStyle(label);
    const box = label.getBoundingClientRect();
    const out = texts.map(text => {
      label.textContent = text;
      const range = document.createRange();
      range.selectNodeContents(label);
      const r = range.getBoundingClientRect();
      const baseline = document.createElement('span');
      baseline.style.cssText = 'display: inline-block; width: 0; height: 0';
      label.append(baseline);
      const y = baseline.getBoundingClientRect().top;
      Object.assign(context, { font: style.font, direction: style.direction });
      const ink = context.measureText(text);
      const top = y - ink.actualBoundingBoxAscent - box.top;
      const bottom = y + ink.actualBoundingBoxDescent - box.top;
      const inset = style.direction === 'rtl' ? box.right - r.right : r.left - box.left;
      return { text, width: r.width, top, bottom, inset, room: label.clientWidth, roomHeight: label.clientHeight,
        fits: label.scrollWidth <= label.clientWidth && r.width <= label.clientWidth && top >= 0 && bottom <= label.clientHeight };
    });
    label.textContent = kept;
    return out;
  });
}

// Where the window's parts lie, and where the first menu opens. Runs in the page.
function readLayout() {
  const box = e => (typeof e === 'string' ? document.querySelector(e) : e).getBoundingClientRect().toJSON();
  const first = document.querySelector('.title');
  first.click();
  const popup = box(first.popup);
  first.click();
  return { client: box('.client'), bar: box('.menubar'), board: box('.board'), labels: [box('.steps'), box('.exp')],
    titles: [...document.querySelectorAll('.title')].map(box), popup, cells: [box('#cell-1'), box(`#cell-${15}`)],
    dir: document.documentElement.dir };
}

const near = (a, b) => Math.abs(a - b) <= SLACK;
const centre = (board, i) => ({ x: board.left + CELL * ((i - 1) % COLUMNS) + CELL / 2,
  y: board.top + CELL * Math.floor((i - 1) / COLUMNS) + CELL / 2 });

// The window mirrored, or not, as the language is written; the board never.
async function checkDirection(d, code, rtl) {
  const l = await d.evaluate(readLayout);
  check(l.dir === (rtl ? 'rtl' : ''), `${code}: the page's dir is "${l.dir}"`);
  // Distances from the client's leading edge, the right one in right to left.
  const lead = r => (rtl ? l.client.right - r.right : r.left - l.client.left);
  const [first, second] = l.titles;
  check(near(rtl ? l.bar.right - first.right : first.left - l.bar.left, 0) && near(lead(second), lead(first) + first.width),
    `${code}: the menu bar does not start at its ${rtl ? 'right' : 'left'}`, JSON.stringify(l.titles));
  check(near(l.popup.top, first.bottom) && near(rtl ? l.popup.right : l.popup.left, rtl ? first.right : first.left),
    `${code}: the first menu does not open under its title`, `${JSON.stringify(l.popup)} under ${JSON.stringify(first)}`);
  l.labels.forEach((label, k) => check(near(lead(label), LABEL_LEFT[k]), `${code}: label ${k} at ${lead(label)} from the leading edge`));
  check(near(l.board.left - l.client.left, MARGIN) && near(l.cells[0].left, l.board.left) && near(l.cells[1].right, l.board.right),
    `${code}: the board or its cells are mirrored`, JSON.stringify([l.board, l.cells]));

  // Right to left, a click selects the cell drawn under it, far from the
  // hinted move, and a drag along that move swaps its two cells, which
  // score. (The browser scenario plays left to right.)
  if (rtl) {
    const s = await d.evaluate(() => globalThis.zorbelState());
    const far = s.HintFrom <= CELLS / 2 ? CELLS : 1;
    await d.click(centre(l.board, far).x, centre(l.board, far).y);
    await d.waitFor(cell => globalThis.zorbelState().FirstCell === cell, far);
    await d.drag(centre(l.board, s.HintFrom), centre(l.board, s.HintTo));
    await d.waitFor(score => { const t = globalThis.zorbelState(); return t.Score > score && !t.main; }, s.Score);
  }

  // The arrows across the menus go the way the bar runs: the inward one
  // opens a submenu and the outward one leaves it. F10, to the settings,
  // down to the speeds, in, out, in again, down one: 5 times a second.
  const [inward, outward] = rtl ? ['ArrowLeft', 'ArrowRight'] : ['ArrowRight', 'ArrowLeft'];
  for (const key of ['F10', inward, 'Enter', 'ArrowDown', inward, outward, inward, 'ArrowDown', 'Enter']) await d.key(key);
  const tick = (await d.evaluate(() => globalThis.zorbelState())).TickMs;
  check(tick === 200, `${code}: the menu keys ${inward} and ${outward} do not walk the menus`, `the tick is ${tick} ms`);
}

// Letters drawn as the empty box of a missing glyph: each letter painted
// in the font of where it is shown, against a code point no font has.
// Runs in the page.
function missingGlyphs(shown) {
  const context = new OffscreenCanvas(40, 40).getContext('2d', { willReadFrequently: true });
  const paint = (font, ch) => {
    context.clearRect(0, 0, 40, 40);
    context.font = font;
    context.fillText(ch, 4, 28);
    return context.getImageData(0, 0, 40, 40).data.join();
  };
  const missing = [];
  const nothing = paint(getComputedStyle(document.body).font, '\u0378');
  if (paint(getComputedStyle(document.body).font, '\u0379') !== nothing) missing.push('(the check cannot see a missing glyph)');
  for (const [selector, text] of shown) {
    const font = getComputedStyle(document.querySelector(selector)).font;
    const box = paint(font, '\u0378');
    for (const ch of new Set(text.replace(/[\s\d%+]/g, ''))) if (paint(font, ch) === box) missing.push(`${ch} in ${font}`);
  }
  return missing;
}

const ready = d => d.waitFor(() => performance.getEntriesByName('zorbel-ready').length > 0);

async function play(d) {
  await ready(d);
  await d.evaluate(installStateReader);
  const s = await d.evaluate(() => globalThis.zorbelState());
  const box = await d.evaluate(() => document.querySelector('.board').getBoundingClientRect().toJSON());
  for (const i of [s.HintFrom, s.HintTo]) {
    await d.click(box.left + CELL * ((i - 1) % COLUMNS) + CELL / 2, box.top + CELL * Math.floor((i - 1) / COLUMNS) + CELL / 2);
  }
  await d.waitFor(() => { const t = globalThis.zorbelState(); return t.Score > 0 && !t.main; });
  return d.evaluate(() => globalThis.zorbelState());
}

// The widest label texts and the menus fitting their room, and no glyph of
// theirs a box, at the page's present scale.
async function checkFit(d, code, widest, captions, scale) {
  const ratio = await d.evaluate(() => devicePixelRatio);
  check(ratio * 100 === scale, `${code}: the page is at ${ratio * 100} %, not ${scale} %`);
  const sizes = await d.evaluate(measureLabels, widest);
  const cut = sizes.filter(m => !m.fits);
  check(cut.length === 0, `${code}: label texts cut at ${scale} %`, cut.map(m =>
    `"${m.text}" ${m.width.toFixed(1)} wide in ${m.room}, ink ${m.top.toFixed(1)}..${m.bottom.toFixed(1)} in ${m.roomHeight}`).join(', '));
  const astray = sizes.filter(m => m.inset > INSET);
  check(astray.length === 0, `${code}: label texts away from the leading edge`, astray.map(m => `"${m.text}" ${m.inset}`).join(', '));
  const menus = await d.evaluate(readMenus);
  check(menus.cut.length === 0, `${code}: menu captions cut at ${scale} %`, menus.cut.join(', '));
  const missing = await d.evaluate(missingGlyphs, [['.label', widest.join('')], ['.title', captions]]);
  check(missing.length === 0, `${code}: empty boxes for missing glyphs at ${scale} %`, missing.join(', '));
  const most = sizes.reduce((a, b) => (b.width > a.width ? b : a));
  console.log(`ok - ${code} at ${scale} %: widest label text "${most.text}" ${most.width.toFixed(1)} of ${most.room} px`);
}

async function language(url, code, russianMenus) {
  const locale = code.replace('_', '-');
  const ts = code === 'ru' ? null : catalogue(join(I18N, `zorbel_${code}.ts`));
  const tr = (context, source) => {
    if (!ts) return source;
    const text = ts.get(`${context}|${source}`);
    check(text, `${code}: no translation of "${source}" in zorbel_${code}.ts`);
    return text;
  };
  const d = await openChromium({ locale });
  try {
    await d.load(url);
    const s = await play(d);
    check((await d.evaluate(() => navigator.languages.join())) === locale, `${code}: the browser's languages`);
    check((await d.evaluate(() => document.documentElement.lang)) === locale, `${code}: <html lang>`);
    const title = await d.evaluate(() => document.title);
    check(title === tr('Window', 'Зорбель'), `${code}: the title`, title);

    const menus = await d.evaluate(readMenus);
    const expected = (russianMenus ?? menus.entries).map(e => (e.caption ? { ...e, caption: tr('Menu', e.caption) } : e));
    const differ = [...Array(Math.max(expected.length, menus.entries.length)).keys()]
      .find(k => JSON.stringify(expected[k]) !== JSON.stringify(menus.entries[k]));
    check(differ === undefined, `${code}: the menu tree`,
      `entry ${differ} is ${JSON.stringify(menus.entries[differ])}, wanted ${JSON.stringify(expected[differ])}`);

    const fill = (text, n) => text.replace('%1', String(n));
    const steps = await d.text('.steps');
    const exp = await d.text('.exp');
    const wantSteps = s.MoveCount ? fill(tr('Labels', 'Ходов: %1'), s.MoveCount) : tr('Labels', 'Ходов нет!');
    check(steps === wantSteps && exp === fill(tr('Labels', 'Счёт: %1'), s.Score), `${code}: the labels`, `${steps}|${exp}`);
    const widest = [fill(tr('Labels', 'Ходов: %1'), MOST_MOVES), tr('Labels', 'Ходов нет!'), fill(tr('Labels', 'Счёт: %1+'), SCORE_CAP)];
    const captions = menus.entries.map(e => e.caption ?? '').join('');
    await checkFit(d, code, widest, captions, 100);
    await checkDirection(d, code, RIGHT_TO_LEFT.test(tr('Menu', 'Игра')));
    await d.setScale(2);
    await checkFit(d, code, widest, captions, 200);
    check(d.errors().length === 0, `${code}: errors in the console`, d.errors().join('\n'));
    return menus.entries;
  } finally {
    await d.close();
  }
}

const site = process.argv[2];
if (!site || !existsSync(join(site, 'index.html'))) {
  console.error(`FAIL: no site in ${site}; build the web edition first (bash tools/build-web.sh)`);
  process.exit(1);
}
const codes = readdirSync(I18N).map(f => f.match(/^zorbel_(.+)\.ts$/)?.[1]).filter(Boolean).sort();
const server = await serve(site);
try {
  check(codes.length >= 11, 'the i18n folder lost its translations', codes.join());
  const russian = await language(server.url, 'ru', null);
  for (const code of codes) await language(server.url, code, russian);
  console.log(`passed: ru and ${codes.join(' ')}`);
} catch (e) {
  console.error(`FAIL: ${e.message}`);
  process.exitCode = 1;
} finally {
  await server.close();
}
