// Every translation in the browser, in Debian's headless Chromium: for each
// language as navigator.languages, the title, the whole menu tree and both
// labels read as its i18n/*.ts file says (so a language that falls back to
// another fails), the tree keeps the Russian shape and keys, the widest
// label texts fit their labels, no menu caption is cut, and every letter is
// a real glyph rather than the empty box of a missing one.
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

// Each text set into each label in turn, its width and height in the
// label's own font against the label's room; the label is given back its
// text. Runs in the page.
function measureLabels(texts) {
  return [...document.querySelectorAll('.label')].flatMap(label => {
    const kept = label.textContent;
    const out = texts.map(text => {
      label.textContent = text;
      const range = document.createRange();
      range.selectNodeContents(label);
      const r = range.getBoundingClientRect();
      return { text, width: r.width, height: r.height, room: label.clientWidth, roomHeight: label.clientHeight,
        fits: label.scrollWidth <= label.clientWidth && label.scrollHeight <= label.clientHeight && r.width <= label.clientWidth };
    });
    label.textContent = kept;
    return out;
  });
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

async function play(d) {
  await d.waitFor(() => performance.getEntriesByName('zorbel-ready').length > 0);
  await d.evaluate(installStateReader);
  const s = await d.evaluate(() => globalThis.zorbelState());
  const box = await d.evaluate(() => document.querySelector('.board').getBoundingClientRect().toJSON());
  for (const i of [s.HintFrom, s.HintTo]) {
    await d.click(box.left + CELL * ((i - 1) % COLUMNS) + CELL / 2, box.top + CELL * Math.floor((i - 1) / COLUMNS) + CELL / 2);
  }
  await d.waitFor(() => { const t = globalThis.zorbelState(); return t.Score > 0 && !t.main; });
  return d.evaluate(() => globalThis.zorbelState());
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
    check(menus.cut.length === 0, `${code}: menu captions cut`, menus.cut.join(', '));

    const fill = (text, n) => text.replace('%1', String(n));
    const steps = await d.text('.steps');
    const exp = await d.text('.exp');
    const wantSteps = s.MoveCount ? fill(tr('Labels', 'Ходов: %1'), s.MoveCount) : tr('Labels', 'Ходов нет!');
    check(steps === wantSteps && exp === fill(tr('Labels', 'Счёт: %1'), s.Score), `${code}: the labels`, `${steps}|${exp}`);
    const widest = [fill(tr('Labels', 'Ходов: %1'), MOST_MOVES), tr('Labels', 'Ходов нет!'), fill(tr('Labels', 'Счёт: %1+'), SCORE_CAP)];
    const sizes = await d.evaluate(measureLabels, widest);
    const cut = sizes.filter(m => !m.fits);
    check(cut.length === 0, `${code}: label texts cut`, cut.map(m => `"${m.text}" ${m.width.toFixed(1)}x${m.height} in ${m.room}x${m.roomHeight}`).join(', '));

    const shown = [['.label', widest.join('')], ['.title', menus.entries.map(e => e.caption ?? '').join('')]];
    const missing = await d.evaluate(missingGlyphs, shown);
    check(missing.length === 0, `${code}: empty boxes for missing glyphs`, missing.join(', '));
    check(d.errors().length === 0, `${code}: errors in the console`, d.errors().join('\n'));
    const most = sizes.reduce((a, b) => (b.width > a.width ? b : a));
    console.log(`ok - ${code}: widest label text "${most.text}" ${most.width.toFixed(1)} of ${most.room} px`);
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
