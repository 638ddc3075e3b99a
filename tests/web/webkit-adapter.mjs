// The scenario's hands in WebKitGTK's MiniBrowser, through WebKitWebDriver
// and Selenium; the same methods as playwright-adapter.mjs.
//
// What WebKit needed (WebKitGTK 2.50):
// - A display: MiniBrowser has no headless mode, so each run has a private
//   Xvfb, large enough for pixel ratio 2 (never the user's own display: the
//   mouse below is the X server's).
// - The language from the driver's LANG, which the C library must know:
//   a ru_RU.UTF-8 locale is compiled once into a private folder (LOCPATH),
//   so the machine's own locales do not matter. Without it MiniBrowser
//   falls back to "C" and says en-US.
// - devicePixelRatio from GTK's GDK_SCALE (whole numbers only).
// - Console errors caught in the page (collectErrors below).
// - The mouse from the X server (xdotool): through WebDriver, a middle or
//   right button's release never reaches the page (it arrives as a move with
//   the button still held), so nothing after a right click works.
// - Touch: WebDriver's touch actions arrive as mouse moves; no touch or
//   touch pointer events, so this adapter has no tap.
// - Keys by WebDriver's code points (F1 is \uE031 and so on), mapped below.
import { spawn, execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, renameSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Builder, By, Key } from 'selenium-webdriver';

const WAIT_MS = 10000;
const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const DRIVER = '/usr/bin/WebKitWebDriver';
const SCREEN = '2048x1536x24';
const BUTTONS = { left: 1, middle: 2, right: 3 };
const PROBE = 200;
const KEYS = { Enter: Key.ENTER, Escape: Key.ESCAPE, ' ': Key.SPACE, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
  ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ...Object.fromEntries([...Array(12)].map((_, i) => [`F${i + 1}`, Key[`F${i + 1}`]])) };

// Classic WebDriver cannot read the console, and MiniBrowser's setting that
// writes it to standard output does not reach the view that automation
// opens (nor does WebKitWebDriver start a BiDi session). So every evaluate
// first puts a collector in the page and then takes what it caught: errors
// thrown before the page's first evaluate are not seen. Runs in the page.
function collectErrors() {
  if (!globalThis.adapterErrors) {
    const caught = globalThis.adapterErrors = [];
    addEventListener('error', e => caught.push(e.message));
    addEventListener('unhandledrejection', e => caught.push(String(e.reason)));
    const log = console.error;
    console.error = (...args) => { caught.push(args.join(' ')); log(...args); };
  }
  return globalThis.adapterErrors.splice(0);
}

// A locale folder for LOCPATH holding `name` (e.g. ru_RU.UTF-8), made once.
function localeFolder(name) {
  const folder = join(tmpdir(), `zorbel-locale-${name}`);
  if (!existsSync(folder)) {
    const making = mkdtempSync(`${folder}-`);
    const [language, charset] = name.split('.');
    execFileSync('localedef', ['-i', language, '-f', charset, join(making, name)]);
    try { renameSync(making, folder); } catch { rmSync(making, { recursive: true }); } // another run made it first
  }
  return folder;
}

async function startXvfb() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', SCREEN, '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].once('data', d => resolve(`:${String(d).trim()}`));
    xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
  });
  return { display, stop: () => xvfb.kill() };
}

const freePort = () => new Promise(resolve => {
  const s = createServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => resolve(port)); });
});

export async function openWebKit({ locale = 'ru-RU', deviceScaleFactor = 1 } = {}) {
  for (const file of [MINIBROWSER, DRIVER]) if (!existsSync(file)) throw new Error(`no ${file}: run tools/deps.sh`);
  const lang = `${locale.replace('-', '_')}.UTF-8`;
  const xvfb = await startXvfb();
  const port = await freePort();
  const env = { ...process.env, LANG: lang, LC_ALL: lang, LOCPATH: localeFolder(lang), GDK_SCALE: String(deviceScaleFactor),
    DISPLAY: xvfb.display };
  const server = spawn(DRIVER, [`--port=${port}`], { env, stdio: 'ignore' });
  // Neither is left behind, however the run ends.
  const stop = () => { server.kill(); xvfb.stop(); };
  process.once('exit', stop);
  const errors = [];
  const url = `http://127.0.0.1:${port}`;
  for (const deadline = Date.now() + WAIT_MS; !(await fetch(`${url}/status`).then(r => r.ok, () => false));) {
    if (Date.now() > deadline) throw new Error('WebKitWebDriver did not start');
    await new Promise(next => setTimeout(next, 20));
  }
  const driver = await new Builder().usingServer(url).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
  }).build();
  await driver.manage().window().setRect({ width: 800, height: 700 });
  // Commands go to one tab at a time: each names its tab, and the driver
  // is switched there when it is elsewhere.
  const home = await driver.getWindowHandle();
  let current = home;
  const on = async tab => {
    if (tab !== current) await driver.switchTo().window(current = tab);
    return driver;
  };
  const evaluateIn = tab => async (fn, arg) => {
    const [result, seen] = await (await on(tab)).executeScript(
      `const collect = ${collectErrors}, before = collect();
       return Promise.resolve((${fn})(arguments[0])).then(r => [r, before.concat(collect())]);`, arg);
    errors.push(...seen);
    return result;
  };
  const evaluate = evaluateIn(home);
  // The mouse is the X server's: the viewport's place on the screen is
  // found once, from where a pointer the server moved lands in the page.
  const xdotool = args => execFileSync('xdotool', args.map(String), { env });
  const scale = deviceScaleFactor;
  xdotool(['mousemove', 0, 0]);
  await driver.get(`data:text/html,<body style="height:100vh"></body>`);
  await evaluate(() => addEventListener('mousemove', e => { document.body.dataset.at = `${e.clientX},${e.clientY}`; }));
  xdotool(['mousemove', PROBE * scale, PROBE * scale]);
  const [cx, cy] = (await driver.wait(() => evaluate(() => document.body.dataset.at), WAIT_MS)).split(',').map(Number);
  const screen = ({ x, y }) => [Math.round((x + PROBE - cx) * scale), Math.round((y + PROBE - cy) * scale)];
  // Resolves once the page has had the last release.
  async function mouse(args) {
    await evaluate(() => addEventListener('mouseup', () => { globalThis.adapterMouseUp = true; }, { once: true, capture: true }));
    xdotool(args);
    await driver.wait(() => evaluate(() => globalThis.adapterMouseUp && !(globalThis.adapterMouseUp = false)), WAIT_MS);
  }
  return {
    name: `WebKitGTK ${(await driver.getCapabilities()).get('browserVersion')}`,
    load: async url => (await on(home)).get(url),
    reload: async () => (await on(home)).navigate().refresh(),
    evaluate,
    waitFor: (fn, arg) => driver.wait(() => evaluate(fn, arg), WAIT_MS),
    text: selector => evaluate(s => document.querySelector(s).textContent, selector),
    click: (x, y, button = 'left') => mouse(['mousemove', ...screen({ x, y }), 'click', BUTTONS[button]]),
    drag: (from, to, button = 'left') => mouse(['mousemove', ...screen(from), 'mousedown', BUTTONS[button],
      ...[1, 2, 3, 4].flatMap(i => ['mousemove', ...screen({ x: from.x + (to.x - from.x) * i / 4, y: from.y + (to.y - from.y) * i / 4 })]),
      'mouseup', BUTTONS[button]]),
    key: async name => (await on(home)).actions().sendKeys(KEYS[name] ?? name).perform(),
    // A PNG of one CSS pixel as shown: the window's picture, cut in the page.
    screenshot: async (x, y) => evaluate(async ([png, x, y]) => {
      const bytes = Uint8Array.from(atob(png), c => c.charCodeAt(0));
      const picture = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
      const canvas = new OffscreenCanvas(1, 1);
      canvas.getContext('2d').drawImage(picture, -x * devicePixelRatio, -y * devicePixelRatio);
      const blob = await canvas.convertToBlob();
      return btoa(String.fromCharCode(...new Uint8Array(await blob.arrayBuffer())));
    }, [await (await on(home)).takeScreenshot(), x, y]),
    // Role and name of each element the selector finds, as WebKit computes
    // them for WebDriver (its computed role and label).
    async accessible(selector) {
      const elements = await (await on(home)).findElements(By.css(selector));
      return Promise.all(elements.map(async e => ({ role: await e.getAriaRole(), name: await e.getAccessibleName() })));
    },
    async openTab(url) {
      await on(home);
      await driver.switchTo().newWindow('tab');
      const tab = current = await driver.getWindowHandle();
      await driver.get(url);
      const inTab = evaluateIn(tab);
      return {
        evaluate: inTab,
        waitFor: (fn, arg) => driver.wait(() => inTab(fn, arg), WAIT_MS),
        async close() {
          await (await on(tab)).close();
          await on(home);
        },
      };
    },
    errors: () => errors,
    async close() {
      await driver.quit();
      stop();
    },
  };
}
