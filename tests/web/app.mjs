// The browser edition as an app, in Debian's headless Chromium through
// Playwright: installable, a new build taken over whole, the board and menus
// as Chromium's accessibility tree gives them and as axe-core judges them,
// phones' and a tablet's screens and fingers, the game kept through reloads
// and a frozen tab, a first visit through failed requests, and no
// content-policy violation anywhere.
// Usage: node app.mjs <site folder>
import { execFileSync, spawn } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { installStateReader } from './kept.mjs';
import { CHROMIUM_FLAGS } from './playwright-adapter.mjs';
import { wrongCells } from './scenario.mjs';
import { serve } from './serve.mjs';

const ROOT = join(dirname(fileURLToPath(import.meta.url)), '../..');
const COLOURS = ['красный', 'жёлтый', 'зелёный', 'голубой', 'синий', 'пурпурный', 'слоновая кость', 'оранжевый'];
const WAIT_MS = 10000;
const FROZEN_MS = 5000;
const AXE = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

function expect(ok, what, detail = '') {
  if (!ok) throw new Error(`${what}${detail ? `: ${detail}` : ''}`);
  console.log(`ok - ${what}`);
}

const problems = [];  // console errors and content-policy violations, from every page
const drawn = p => p.waitForFunction(() => performance.getEntriesByName('zorbel-ready').length > 0, null, { timeout: WAIT_MS });
const state = p => p.evaluate(() => globalThis.zorbelState());
const quiet = p => p.waitForFunction(() => { const s = globalThis.zorbelState(); return !s.main && !s.auto; }, null, { timeout: WAIT_MS });
// Resolves once an asynchronous condition holds in the page.
const until = (p, condition) => p.evaluate(`new Promise(resolve => {
  const check = async () => ((await (${condition})()) ? resolve() : setTimeout(check, 50));
  check();
})`);
// Resolves once a condition holds here, on what the page has reported.
async function reported(condition, what) {
  for (const end = Date.now() + WAIT_MS; !condition(); await new Promise(resolve => setTimeout(resolve, 20))) {
    if (Date.now() > end) throw new Error(`not reported in time: ${what}`);
  }
}

async function open(context, url) {
  const page = await context.newPage();
  page.on('console', m => { if (m.type() === 'error') problems.push(m.text()); });
  page.on('pageerror', e => problems.push(e.message));
  await page.addInitScript(() => addEventListener('securitypolicyviolation',
    e => console.error(`content policy: ${e.violatedDirective} ${e.blockedURI}`)));
  await page.addInitScript(installStateReader);
  if (url) await page.goto(url);
  return page;
}

// The centre of cell i in the viewport, however the window is scaled.
async function cellPoint(page, i) {
  const box = await page.evaluate(() => document.querySelector('.board').getBoundingClientRect().toJSON());
  return { x: box.left + box.width * (((i - 1) % 15) + 0.5) / 15, y: box.top + box.height * (Math.floor((i - 1) / 15) + 0.5) / 10 };
}

// The grid as Chromium hands it to assistive technology.
async function gridInTree(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const property = (n, name) => n.properties?.find(p => p.name === name)?.value;
  const grid = nodes.find(n => n.role?.value === 'grid');
  const cells = nodes.filter(n => n.role?.value === 'gridcell');
  const active = property(grid, 'activedescendant')?.relatedNodes?.[0]?.backendDOMNodeId;
  const text = n => n.childIds?.map(id => nodes.find(c => c.nodeId === id)?.name?.value).join('');
  const live = nodes.filter(n => property(n, 'live')?.value === 'polite' && n.role?.value === 'generic').map(text);
  const menu = nodes.filter(n => /^menuitem/.test(n.role?.value)).map(n => `${n.role.value}:${n.name?.value}` +
    `${property(n, 'checked')?.value === 'true' ? '*' : ''}${property(n, 'hasPopup')?.value === 'menu' ? '>' : ''}`);
  await cdp.detach();
  return { name: grid?.name?.value, rows: nodes.filter(n => n.role?.value === 'row').length, names: cells.map(n => n.name?.value),
    active: cells.findIndex(n => n.backendDOMNodeId === active) + 1, live, menu };
}

function namesOf(s) {
  return s.Board.map((colour, k) => [COLOURS[colour - 1], s.Marks[k] ? (s.FirstCell === k + 1 ? 'выбран' : 'отмечен') : null,
    s.Active[k] ? 'активный' : null].filter(Boolean).join(', '));
}

// axe-core's rules on the page as it stands. Its script is run by the
// driver, which the content policy lets through.
async function axe(page, when) {
  if (!(await page.evaluate(() => 'axe' in globalThis))) await page.evaluate(AXE);
  const found = await page.evaluate(async () => (await globalThis.axe.run(document)).violations
    .map(v => `${v.id} at ${v.nodes.map(n => n.target.join(' ')).join(', ')}`));
  expect(found.length === 0, `axe-core finds nothing ${when}`, found.join('; '));
}

// The page as a screen reader meets it, and as axe-core judges it at rest,
// with a menu open, with the keyboard cursor on the board, in a second tab
// that is refused the game and after Escape has ended it.
async function screenReader(page) {
  await axe(page, 'at rest');
  let tree = await gridInTree(page);
  let s = await state(page);
  expect(tree.name === 'Игровое поле' && tree.rows === 10 && tree.names.length === 150, 'the board is a grid of 10 rows and 150 cells',
    `${tree.name} ${tree.rows} ${tree.names.length}`);
  expect(tree.names.join('|') === namesOf(s).join('|'), 'each cell is named by its ball', tree.names.slice(0, 3).join('|'));
  expect(tree.live.length === 1 && tree.live[0] === `Ходов: ${s.MoveCount}`, 'the moves label alone is a polite live region', JSON.stringify(tree.live));
  const title = page.getByRole('menuitem', { name: 'Настройки' });
  await title.click();
  const menu = (await gridInTree(page)).menu.join('|');
  await axe(page, 'with a menu open');
  await title.click();
  expect(menu === 'menuitem:Игра>|menuitem:Настройки>|menuitem:Количество цветов>|menuitem:Скорость обновления>|' +
    'menuitemcheckbox:Задействовать активные шарики*|menuitemcheckbox:Активные шарики каждый ход|' +
    'menuitemcheckbox:Автоматическая игра|menuitemcheckbox:Значки на шариках', 'an open menu is an ARIA menu with its marks', menu);
  const at = await cellPoint(page, s.HintFrom);
  await page.mouse.click(at.x, at.y);
  for (const key of ['ArrowDown', 'ArrowRight']) await page.keyboard.press(key);
  tree = await gridInTree(page);
  s = await state(page);
  const cursor = s.HintFrom % 15 === 0 ? s.HintFrom : s.HintFrom + 1;
  expect(tree.names[s.HintFrom - 1].endsWith(', выбран') && tree.names.join('|') === namesOf(s).join('|'),
    'the names change with the board', tree.names[s.HintFrom - 1]);
  expect(tree.active === cursor && await page.evaluate(() => document.activeElement.matches('[role=grid]')),
    'the keyboard cursor is the focused grid\'s active cell', `${tree.active} for ${cursor}`);
  await axe(page, 'with the keyboard cursor on the board');
  const second = await open(page.context(), page.url());
  await second.waitForFunction(() => !document.querySelector('.refused').hidden, null, { timeout: WAIT_MS });
  await axe(second, 'in a second tab, refused');
  await second.close();
  await page.keyboard.press('Escape');
  expect((await state(page)).ended, 'Escape ends the game');
  await axe(page, 'after Escape');
}

// Installable; then a new build, taken over as a whole at the next visit
// but one, never mixed with the old. A browser profile on disk, as a
// player's is: Chromium installs no app from a private window. (Offline
// play and the second tab are browser.mjs's, in every engine.)
async function installAndNewBuild() {
  const copy = mkdtempSync(join(tmpdir(), 'zorbel-site-'));
  const profile = mkdtempSync(join(tmpdir(), 'zorbel-profile-'));
  cpSync(process.argv[2], copy, { recursive: true });
  const server = await serve(copy);
  const context = await chromium.launchPersistentContext(profile, { executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS,
    locale: 'ru-RU', viewport: { width: 800, height: 600 } });
  try {
    // A first visit whose worker gets a file other than its build made it
    // (as from a network that answers for the server) keeps no copy at
    // all; the next visit, with the file as it should be, keeps the build.
    const sheet = join(copy, 'balls-3x-symbols.png');
    const picture = readFileSync(sheet);
    writeFileSync(sheet, 'not a picture');
    const page = await open(context, server.url);
    await drawn(page);
    const failedCopy = await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration() ?? await navigator.serviceWorker.register('sw.js');
      // No worker at all: its install has failed already.
      const worker = registration.installing ?? registration.waiting ?? registration.active;
      const settled = () => !worker || ['redundant', 'activated'].includes(worker.state);
      await new Promise(resolve => (settled() ? resolve() : worker.addEventListener('statechange', () => settled() && resolve())));
      return `${worker?.state ?? 'redundant'}, ${(await caches.keys()).filter(n => n.startsWith('zorbel-')).length} caches`;
    });
    expect(failedCopy === 'redundant, 0 caches', 'a service worker that did not get its whole build keeps nothing of it', failedCopy);
    writeFileSync(sheet, picture);
    await page.reload();
    await drawn(page);
    const cdp = await context.newCDPSession(page);
    const manifest = await cdp.send('Page.getAppManifest');
    await page.evaluate(() => navigator.serviceWorker.ready);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    const icons = await page.evaluate(async () => {
      const { icons } = await (await fetch('zorbel.webmanifest')).json();
      return Promise.all(icons.map(async icon => {
        const image = new Image();
        image.src = icon.src;
        await image.decode();
        return `${image.naturalWidth}x${image.naturalHeight}` === icon.sizes;
      }));
    });
    expect(manifest.errors.length === 0 && installabilityErrors.length === 0 && icons.length === 3 && icons.every(Boolean),
      'the manifest is valid, its icons load and Chromium can install the app',
      JSON.stringify([manifest.errors, installabilityErrors, icons]));

    const change = (file, from, to) => writeFileSync(join(copy, file), readFileSync(join(copy, file), 'utf8').replace(from, to));
    change('index.html', '<title>', '<title data-build="2">');
    change('zorbel.webmanifest', '{', '{\n  "zorbel_build": 2,');
    execFileSync('python3', [join(ROOT, 'tools/web-cache.py'), copy, join(ROOT, 'src/web/sw.js.in'), join(copy, 'sw.js')]);
    const build = () => page.evaluate(async () => `${document.querySelector('title').dataset.build}/` +
      `${(await (await fetch('zorbel.webmanifest')).json()).zorbel_build}`);
    await page.reload();
    await drawn(page);
    const old = await build();
    await until(page, async () => (await navigator.serviceWorker.getRegistration()).waiting);
    await page.reload();
    await drawn(page);
    expect(`${old} ${await build()}` === 'undefined/undefined 2/2', 'a new build replaces the whole old one at the next visit', `${old} ${await build()}`);
  } finally {
    await context.close();
    await server.close();
    rmSync(copy, { recursive: true, force: true });
    rmSync(profile, { recursive: true, force: true });
  }
}

// Phones and a tablet, as width x height at a device pixel ratio, each
// loaded in its own orientation.
const SHAPES = [[390, 844, 3], [360, 640, 2], [412, 915, 2.625], [768, 1024, 2], [844, 390, 3], [640, 360, 2]];

// How the window lies on the screen at `width`, a frame after the page has
// heard of it: cells and labels outside the visual viewport, zoom, sideways
// scroll, the window's share of the screen, canvas pixels per device pixel,
// the ball sheets fetched and the other files asked for before the first
// board.
async function onScreen(page, width) {
  await page.waitForFunction(w => innerWidth === w, width, { timeout: WAIT_MS });
  return page.evaluate(() => new Promise(resolve => requestAnimationFrame(() => {
    const v = visualViewport;
    const out = r => r.left < v.offsetLeft - 0.01 || r.top < v.offsetTop - 0.01 ||
      r.right > v.offsetLeft + v.width + 0.01 || r.bottom > v.offsetTop + v.height + 0.01;
    const root = document.documentElement;
    const window = document.querySelector('.window').getBoundingClientRect();
    const board = document.querySelector('.board');
    resolve({ outside: [...document.querySelectorAll('[role=gridcell], .label')].filter(e => out(e.getBoundingClientRect())).length,
      scale: v.scale, sideways: root.scrollWidth - root.clientWidth, across: window.width / v.width, down: window.height / v.height,
      pixels: board.width / (board.getBoundingClientRect().width * devicePixelRatio),
      sheets: performance.getEntriesByType('resource').filter(r => /balls-/.test(r.name)).length,
      before: performance.getEntriesByType('resource').filter(r => !/balls-/.test(r.name) &&
        r.startTime < performance.getEntriesByName('zorbel-board-drawn')[0].startTime).map(r => r.name) });
  })));
}

// Loaded, turned and turned back, the whole board and both labels are on
// the screen at zoom 1, drawn for the device's pixels, upright across the
// full width, on its side as large as fits; the page fetched the one sheet
// it draws from, and nothing else before its first board. Upright, a tap and a tap on the neighbour swap. Then a
// finger's drag and the menus on the last shape.
async function phones(browser, url) {
  let context, page;
  for (const [width, height, deviceScaleFactor] of SHAPES) {
    await context?.close();
    context = await browser.newContext({ locale: 'ru-RU', viewport: { width, height }, deviceScaleFactor, hasTouch: true, isMobile: true });
    page = await open(context, url);
    await drawn(page);
    for (const [w, h, when] of [[width, height, 'loaded'], [height, width, 'turned'], [width, height, 'turned back']]) {
      if (when !== 'loaded') await page.setViewportSize({ width: w, height: h });
      const seen = await onScreen(page, w);
      expect(seen.outside === 0 && seen.scale === 1 && seen.sideways <= 0 && Math.abs(seen.pixels - 1) < 0.002 &&
        Math.abs((w < h ? seen.across : Math.max(seen.across, seen.down)) - 1) < 0.01 && (when !== 'loaded' || (seen.sheets === 1 && seen.before.length === 0)),
      `${w} x ${h} at ${deviceScaleFactor}, ${when}: the whole window on the screen, ${w < h ? 'across it' : 'filling it'}, at zoom 1`,
      JSON.stringify(seen));
    }
    if (width > height) continue;
    const s = await state(page);
    for (const cell of [s.HintFrom, s.HintTo]) {
      const at = await cellPoint(page, cell);
      await page.touchscreen.tap(at.x, at.y);
    }
    await quiet(page);
    expect((await state(page)).Score > s.Score, `${width} x ${height}: a tap and a tap on its neighbour swap`);
  }
  let s = await state(page);
  const cdp = await context.newCDPSession(page);
  const [from, to] = [await cellPoint(page, s.HintFrom), await cellPoint(page, s.HintTo)];
  const touch = (type, at) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: at ? [{ x: at.x, y: at.y }] : [] });
  await touch('touchStart', from);
  for (let k = 1; k <= 4; k++) await touch('touchMove', { x: from.x + (to.x - from.x) * k / 4, y: from.y + (to.y - from.y) * k / 4 });
  await touch('touchEnd');
  await quiet(page);
  const scrolled = await page.evaluate(() => scrollX + scrollY);
  expect((await state(page)).Score > s.Score && scrolled === 0, 'a drag onto the neighbour swaps, and the page stays put');

  // Each tap opens the next menu, the last one chooses. On a busy machine a
  // tap now and then goes unanswered (about one run in ten, cause unknown):
  // the finger then taps again, as a player's would, up to three times.
  const shown = caption => `[...document.querySelectorAll('.menubar button')].some(b => b.textContent.includes('${caption}') && b.checkVisibility())`;
  for (const [caption, then] of [['Настройки', shown('Количество цветов')], ['Количество цветов', shown('8 цветов')],
    ['8 цветов', 'zorbelState().ColorCount === 8']]) {
    for (let tries = 3; tries > 0; tries--) {
      await page.locator('.menubar button', { hasText: caption }).tap({ timeout: WAIT_MS });
      if (await page.waitForFunction(then, null, { timeout: 2000 }).then(() => true, () => false)) break;
    }
  }
  s = await state(page);
  expect(s.ColorCount === 8, 'the menus work by touch');
  await context.close();
}

// What the page does that the tests follow: each game it keeps (with the
// load that kept it and when, on the page's clock), when the browser froze
// and resumed it, and how often it asked for a new build.
async function watch(page) {
  const keeps = [];
  await page.exposeFunction('keptSpy', (load, at, value) => keeps.push({ load, at, value }));
  await page.addInitScript(() => {
    const setItem = Storage.prototype.setItem;
    Storage.prototype.setItem = function (key, value) {
      if (key === 'zorbel-game') globalThis.keptSpy(performance.timeOrigin, performance.now(), value);
      return setItem.call(this, key, value);
    };
    for (const event of ['freeze', 'resume']) document.addEventListener(event, () => { globalThis[event] = performance.now(); });
    const update = ServiceWorkerRegistration.prototype.update;
    ServiceWorkerRegistration.prototype.update = function () {
      globalThis.updates = (globalThis.updates ?? 0) + 1;
      return update.call(this);
    };
  });
  return keeps;
}

// Each of the menus' captions clicked in turn.
async function choose(page, ...captions) {
  for (const caption of captions) await page.locator('.menubar button', { hasText: caption }).click();
}

async function clickCells(page, cells) {
  for (const cell of cells) {
    const at = await cellPoint(page, cell);
    await page.mouse.click(at.x, at.y);
  }
}

// The tab keeps its game after every change and takes it back at the next
// load. Reloaded mid-game (7 colours, active balls every move, a move made,
// the hint's ball selected and the keyboard cursor on it), it shows the
// same, and the hinted move then refills the board as it did without the
// reload. Reloaded during a settle cycle, it takes back the board it last
// kept, and the cycle runs on. Escape forgets the game; a kept value that
// is no game of this build gives a new one.
async function keeping(browser, url) {
  const context = await browser.newContext({ locale: 'ru-RU', viewport: { width: 800, height: 600 } });
  const page = await open(context);
  const keeps = await watch(page);
  await page.goto(url);
  await drawn(page);
  const kept = () => page.evaluate(() => sessionStorage.getItem('zorbel-game'));
  const reload = async value => {
    if (value !== undefined) await page.evaluate(v => sessionStorage.setItem('zorbel-game', v), value);
    await page.reload();
    await drawn(page);
  };
  // What the player sees of the game besides the canvas: the labels, each
  // cell's name, the check marks and the keyboard cursor.
  const seen = () => page.evaluate(() => JSON.stringify([[...document.querySelectorAll('.label')].map(l => l.textContent),
    [...document.querySelectorAll('[role=gridcell]')].map(c => c.getAttribute('aria-label')),
    [...document.querySelectorAll('.menubar [aria-checked=true]')].map(b => b.textContent),
    document.querySelector('.cells').getAttribute('aria-activedescendant')]));

  await page.keyboard.press('F7');
  await choose(page, 'Настройки', 'Активные шарики каждый ход');
  let s = await state(page);
  await clickCells(page, [s.HintFrom, s.HintTo]);
  await quiet(page);
  await page.keyboard.press('F1');
  await page.keyboard.press('ArrowDown');
  s = await state(page);
  const shown = await seen();
  await clickCells(page, [s.HintTo]);
  await quiet(page);
  const without = await kept();
  await reload(s.kept);
  const wrong = await page.evaluate(wrongCells);  // all but the cell that wears the cursor's frame
  expect(s.Score > 0 && s.FirstCell === s.HintFrom && s.cursor === s.HintFrom && await kept() === s.kept &&
    await seen() === shown && wrong.join() === String(s.cursor), 'reloaded mid-game, with the hint\'s ball selected and the ' +
    'keyboard cursor on it: the same board, score, labels, check marks and cursor', `${shown.slice(0, 60)} ${wrong}`);
  await clickCells(page, [s.HintTo]);
  await quiet(page);
  expect(await kept() === without, 'the hinted move then refills the board as it did without the reload');

  await choose(page, 'Настройки', 'Скорость обновления', '2 раза в сек');
  s = await state(page);
  await clickCells(page, [s.HintFrom, s.HintTo]);
  await page.waitForFunction(() => globalThis.zorbelState().Marks.includes(1), null, { timeout: WAIT_MS });
  const marked = await state(page);
  const load = await page.evaluate(() => performance.timeOrigin);
  await reload();
  await reported(() => keeps.some(k => k.load > load), 'the reloaded page\'s first keep');
  const last = keeps.filter(k => k.load === load).at(-1).value;
  const first = keeps.find(k => k.load > load).value;
  expect(first === last && first.split(' ')[2] === '1',  // the first field after the version: the settle timer runs
    'reloaded during a settle cycle, the page takes back the board it last kept, with the cycle running');
  await quiet(page);
  expect((await state(page)).Score > marked.Score, 'the settle cycle runs on to its end after the reload');

  const played = await state(page);
  await page.keyboard.press('Escape');
  const forgotten = await kept() === null;
  await reload();
  s = await state(page);
  expect(forgotten && !s.ended && s.Score === 0 && s.Board.join() !== played.Board.join() && await page.textContent('.exp') === '',
    'Escape forgets the game: the next load deals a new one');

  await clickCells(page, [s.HintFrom, s.HintTo]);
  await quiet(page);
  const good = await kept();
  const edited = good.split(' ');
  edited[17] = String(Number(edited[17]) + 1);  // the score, the 16th number after the version
  for (const [what, value] of [['edited by hand', edited.join(' ')], ['cut short', good.slice(0, good.length >> 1)],
    ['of another version', good.replace(/^zorbel-game \d+/, 'zorbel-game 0')], ['foreign', '{"Score":31999}']]) {
    await reload(value);
    s = await state(page);
    expect(!s.ended && s.Score === 0 && s.kept !== value && await page.textContent('.exp') === '', `a kept value ${what} gives a new game`);
  }
  await context.close();
}

// Automatic play at ten ticks a second, the tab frozen for 5 s as a phone
// freezes a tab in the background (CDP's Page.setWebLifecycleState), then
// shown again: no tick while frozen, none at once on its return, then one
// an interval, and the page looks for a new build. A page Playwright makes
// is kept in view by its focus emulation and so never freezes: this
// Chromium is started here and joined without Playwright's defaults.
async function frozen(url) {
  const profile = mkdtempSync(join(tmpdir(), 'zorbel-profile-'));
  const browser = spawn('/usr/bin/chromium', [...CHROMIUM_FLAGS, '--remote-debugging-port=0', `--user-data-dir=${profile}`,
    '--accept-lang=ru-RU'], { stdio: ['ignore', 'ignore', 'pipe'] });
  let driver = null;
  try {
    const endpoint = await new Promise((resolve, reject) => {
      let said = '';
      browser.stderr.on('data', d => {
        said += d;
        const found = said.match(/DevTools listening on (ws:\S+)/);
        if (found) resolve(found[1]);
      });
      browser.on('exit', () => reject(new Error(`Chromium ended: ${said}`)));
    });
    driver = await chromium.connectOverCDP(endpoint, { noDefaults: true });
    const context = driver.contexts()[0];
    const page = await open(context);
    const keeps = await watch(page);
    const keptAt = () => keeps.map(k => k.at);
    await page.goto(url);
    await drawn(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await choose(page, 'Настройки', 'Скорость обновления', '10 раз в сек');
    await choose(page, 'Настройки', 'Автоматическая игра');
    await reported(() => keeps.length > 20, 'automatic play');
    const asked = await page.evaluate(() => globalThis.updates ?? 0);
    const cdp = await context.newCDPSession(page);
    await cdp.send('Page.setWebLifecycleState', { state: 'frozen' });
    await new Promise(resolve => setTimeout(resolve, FROZEN_MS));
    await cdp.send('Page.setWebLifecycleState', { state: 'active' });
    // Frozen, the tab was hidden too; it comes into view as a player brings it back.
    await cdp.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    const [frozenAt, resumedAt] = await page.evaluate(() => [globalThis.freeze, globalThis.resume]);
    await reported(() => keptAt().filter(t => t > resumedAt).length >= 10, 'ten keeps after the tab came back');
    const updates = await page.evaluate(() => globalThis.updates);
    const after = keptAt().filter(t => t > resumedAt).slice(0, 10).map(t => Math.round(t - resumedAt));
    const inFreeze = keptAt().filter(t => t > frozenAt && t < resumedAt).length;
    expect(resumedAt - frozenAt >= FROZEN_MS - 100 && inFreeze === 0 && after.every((t, k) => t >= (k + 1) * 100 - 20) && updates > asked,
      'frozen for 5 s during automatic play, the tab plays on at its pace when it comes back, and looks for a new build',
      `${inFreeze} keeps while frozen; after, at ${after.join(' ')} ms; ${asked} -> ${updates} looks`);
  } finally {
    // Closed as a player closes it, so that it has written its profile
    // before the profile goes; killed if that does not end it.
    const ended = new Promise(resolve => (browser.exitCode === null ? browser.once('exit', resolve) : resolve()));
    await driver?.newBrowserCDPSession().then(cdp => cdp.send('Browser.close')).catch(() => browser.kill());
    await Promise.race([ended, new Promise(resolve => setTimeout(resolve, WAIT_MS))]);
    browser.kill();
    await ended;
    rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 250 });
  }
}

// A first visit in German, where the first board waits for two requests:
// each failed once still gives the board. The sheet failed always gives a
// word in German with a button, which brings the board once the sheet
// comes; the translation failed always gives the game in Russian, without
// a word.
async function badNetwork(browser, url) {
  const before = problems.length;
  for (const [file, always] of [['balls-1x.png', false], ['i18n/de.json', false], ['balls-1x.png', true], ['i18n/de.json', true]]) {
    const how = `${file} failed ${always ? 'always' : 'once'}`;
    const context = await browser.newContext({ locale: 'de-DE', viewport: { width: 800, height: 600 } });
    let failing = always ? Infinity : 1;
    let asked = 0;
    await context.route(`**/${file}`, route => {
      asked++;
      return failing-- > 0 ? route.abort() : route.continue();
    });
    const page = await open(context, url);
    if (always && file.endsWith('.png')) {
      await page.waitForFunction(() => !document.querySelector('.refused').hidden, null, { timeout: WAIT_MS });
      const said = await page.textContent('.refused');
      expect(said === 'Das Spiel konnte nicht geladen werden. Bitte die Netzwerkverbindung prüfen.Erneut versuchen' && asked >= 4,
        `${how}: the page says so in German and offers to try again, after ${asked} requests`, said);
      failing = 0;
      await page.click('.refused button');
    }
    await drawn(page);
    const russian = always && file.endsWith('.json');
    const seen = (await page.evaluate(() => [document.title, document.documentElement.lang, document.querySelector('.refused').hidden])).join();
    const wrong = await page.evaluate(wrongCells);
    expect(seen === (russian ? 'Зорбель,ru,true' : 'Zorbel,de,true') && wrong.length === 0,
      `${how}: the board, in ${russian ? 'Russian' : 'German'}`, `${seen} ${wrong}`);
    await context.close();
  }
  // Chromium reports each failed request in the console; nothing else may be there.
  problems.splice(before).filter(p => !p.startsWith('Failed to load resource')).forEach(p => problems.push(p));
}

const site = process.argv[2];
if (!site || !existsSync(join(site, 'sw.js'))) {
  console.error(`FAIL: no site in ${site}; build the web edition first (bash tools/build-web.sh)`);
  process.exit(1);
}
const server = await serve(site);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
try {
  const context = await browser.newContext({ locale: 'ru-RU', viewport: { width: 800, height: 600 } });
  const first = await open(context, server.url);
  await drawn(first);
  // The one violation made on purpose, and taken back out of the list.
  const before = problems.length;
  const inlineRan = await first.evaluate(() => {
    const script = document.createElement('script');
    script.textContent = 'globalThis.inlineRan = true';
    document.head.append(script);
    return globalThis.inlineRan === true;
  });
  // Chromium's own report and the page's event both arrive a moment later.
  for (const end = Date.now() + WAIT_MS; problems.length < before + 2 && Date.now() < end;) await new Promise(r => setTimeout(r, 20));
  problems.splice(before).filter(p => !p.includes('inline')).forEach(p => problems.push(p));
  expect(!inlineRan, 'the content policy is in force: no inline script');
  // A desktop window too small for the game shrinks it to fit; given room again, it is pixel for pixel.
  for (const [w, h, size] of [[500, 380, s => Math.max(s.across, s.down)], [800, 600, s => s.across * 800 / 611]]) {
    await first.setViewportSize({ width: w, height: h });
    const seen = await onScreen(first, w);
    expect(seen.outside === 0 && seen.sideways <= 0 && Math.abs(seen.pixels - 1) < 0.002 && Math.abs(size(seen) - 1) < 0.01,
      `a desktop window of ${w} x ${h}: the whole game, ${w < 611 ? 'shrunk to fit' : 'pixel for pixel'}`, JSON.stringify(seen));
  }
  await screenReader(first);
  await context.close();
  await phones(browser, server.url);
  await keeping(browser, server.url);
  await badNetwork(browser, server.url);
  await frozen(server.url);
  await installAndNewBuild();
  expect(problems.length === 0, 'no error and no content-policy violation in the console', problems.join('\n'));
  console.log(`passed in Chromium ${browser.version()}`);
} catch (e) {
  console.error(`FAIL: ${e.message}`);
  process.exitCode = 1;
} finally {
  await browser.close();
  await server.close();
}
