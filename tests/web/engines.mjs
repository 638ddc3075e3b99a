// Proves a browser adapter on the fixture page: language, pixel ratio,
// mouse buttons, drag, keys, touch, canvas read-back and the platform
// features the browser edition leans on, then prints what it found.
// Usage: node engines.mjs firefox|webkit
import { join } from 'node:path';
import { openFirefox } from './firefox-adapter.mjs';
import { openWebKit } from './webkit-adapter.mjs';
import { serve } from './serve.mjs';

const OPEN = { firefox: openFirefox, webkit: openWebKit };
// What each engine is known to give the page; a change here means a
// comment in the front end is out of date.
const KNOWN = {
  firefox: { secureContext: true, broadcastChannel: true, wasmUnderCsp: true, webLocks: true, serviceWorker: true },
  webkit: { secureContext: true, broadcastChannel: true, wasmUnderCsp: true, webLocks: true, serviceWorker: true },
};
const KEYS = ['F1', 'F2', 'F5', 'F8', 'ArrowDown', 'ArrowLeft', 'Escape', 'Enter', ' '];

// One pixel of the page as the screen shows it, decoded by the browser.
const shownAt = async (d, x, y) => d.evaluate(async png => {
  const bytes = Uint8Array.from(atob(png), c => c.charCodeAt(0));
  const picture = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
  const context = new OffscreenCanvas(1, 1).getContext('2d');
  context.drawImage(picture, 0, 0);
  return [...context.getImageData(0, 0, 1, 1).data.slice(0, 3)].join();
}, await d.screenshot(x, y));

let failed = 0;
function expect(ok, what, detail = '') {
  if (!ok) failed++;
  console.log(`${ok ? 'ok' : 'FAIL'} - ${what}${!ok && detail ? `: ${detail}` : ''}`);
}

const engine = process.argv[2];
if (!OPEN[engine]) throw new Error('usage: node engines.mjs firefox|webkit');
const server = await serve(join(import.meta.dirname, 'fixture'));
const log = d => d.evaluate(() => globalThis.fixture.log.splice(0));
const ready = d => d.waitFor(() => globalThis.fixture?.ready);
const started = performance.now();
let d = await OPEN[engine]({ locale: 'ru-RU' });
try {
  await d.load(server.url);
  await ready(d);
  console.log(`${d.name}: started and loaded the fixture in ${Math.round(performance.now() - started)} ms`);
  const probes = await d.evaluate(() => globalThis.fixture.probes);
  console.log(`probes: ${JSON.stringify(probes)}`);
  expect(probes.language === 'ru-RU' && probes.devicePixelRatio === 1, 'Russian at pixel ratio 1', JSON.stringify(probes));
  for (const [name, value] of Object.entries(KNOWN[engine]))
    expect(probes[name] === value, `${name} is ${value}`, String(probes[name]));

  const button = await d.evaluate(() => document.querySelector('button').getBoundingClientRect().toJSON());
  await d.click(button.x + 5, button.y + 5);
  for (const b of ['left', 'middle', 'right']) await d.click(30, 40, b);
  // Engines differ in when the context menu event comes: on the press or after the release.
  let seen = (await log(d)).join('|');
  expect(seen.replace('|contextmenu', '') === 'click button|pointerdown mouse 0 30,40|pointerup mouse 0 30,40|' +
    'pointerdown mouse 1 30,40|pointerup mouse 1 30,40|pointerdown mouse 2 30,40|pointerup mouse 2 30,40' &&
    seen.includes('contextmenu'), 'clicks with every button', seen);
  await d.drag({ x: 20, y: 50 }, { x: 180, y: 50 });
  seen = await log(d);
  expect(seen[0] === 'pointerdown mouse 0 20,50' && seen.at(-1) === 'pointerup mouse 0 180,50' &&
    seen.slice(1, -1).length > 0 && seen.slice(1, -1).every(e => e === 'pointermove mouse 1'), 'a drag', seen.join('|'));
  const before = await d.evaluate(() => globalThis.fixture.loadId);
  for (const k of KEYS) await d.key(k);
  seen = (await log(d)).join('|');
  expect(seen === KEYS.map(k => `key ${k}`).join('|'), 'keys reach the page', seen);
  expect(await d.evaluate(() => globalThis.fixture.loadId) === before, 'F5 prevented does not reload');

  const drawn = await d.evaluate(() => [10, 150].map(x =>
    [...document.querySelector('canvas').getContext('2d').getImageData(x, 50, 1, 1).data.slice(0, 3)].join()));
  const shown = await shownAt(d, 150, 50);
  expect(`${drawn.join('|')}|${shown}` === '255,0,0|0,0,255|0,0,255', 'the canvas read back and shown', `${drawn}|${shown}`);

  await d.tap?.(60, 60);
  console.log(`touch: ${d.tap ? (await log(d)).join('|') || 'nothing' : 'the driver cannot tap'}`);
  await d.load(`${server.url}?free`);
  await ready(d);
  const free = await d.evaluate(() => globalThis.fixture.loadId);
  await d.key('F5');
  // A probe of the browser's own key, not game timing: a reload that comes
  // at all comes within this.
  await d.evaluate(() => new Promise(done => setTimeout(done, 1000))).catch(() => {});
  await ready(d);
  const reloaded = await d.evaluate(() => globalThis.fixture.loadId) !== free;
  console.log(`F5 from the driver, not prevented: ${reloaded ? 'reloads the page' : 'does not reload (the driver\'s key stays in the page)'}`);
  expect(d.errors().length === 0, 'no error in the console', d.errors().join('\n'));
  await d.close();
  d = null;
  d = await OPEN[engine]({ locale: 'en-US', deviceScaleFactor: 2 });
  await d.load(server.url);
  await ready(d);
  const sharp = await d.evaluate(() => [globalThis.fixture.probes.language, devicePixelRatio, document.querySelector('canvas').width]);
  sharp.push(await shownAt(d, 99, 50), await shownAt(d, 100, 50));
  expect(sharp.join('|') === 'en-US|2|400|255,0,0|0,0,255', 'English at pixel ratio 2, the canvas in device pixels', sharp.join('|'));
} finally {
  await d?.close();
  await server.close();
}
console.log(`${engine}: ${failed ? `${failed} failed` : 'passed'}`);
process.exitCode = failed ? 1 : 0;
