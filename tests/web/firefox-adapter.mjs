// The scenario's hands in Debian's Firefox ESR, through Puppeteer over
// WebDriver BiDi; the same methods as playwright-adapter.mjs.
//
// What Firefox needed (ESR 153):
// - A fresh profile each run, which Puppeteer makes; the prefs below keep
//   Firefox off the network (no updates, telemetry, add-on or region
//   look-ups, captive-portal or connectivity checks), and any request that
//   still leaves for another host goes to a proxy that is not there, so
//   nothing waits on a network this machine does not have.
// - The language from `intl.accept_languages`.
// - devicePixelRatio from BiDi's viewport emulation (setViewport); the pref
//   `layout.css.devPixelsPerPx` works too, but only for the whole browser.
// - The right button: the page's contextmenu listener gets the event and
//   its preventDefault keeps Firefox's own menu shut.
// - Touch: BiDi taps arrive as touch pointer events and a touchstart, though
//   `ontouchstart` is not in window: detect touch by pointerType, not that.
// - The driver's keys go to the page only: an F5 the page leaves alone does
//   not reload, so the test cannot tell whether preventDefault stops it.
// - The contextmenu event comes on the press, between pointerdown and up.
import { existsSync } from 'node:fs';
import puppeteer from 'puppeteer-core';

const WAIT_MS = 10000;
const FIREFOX = '/usr/bin/firefox-esr';
const NO_PROXY_PORT = 9;
const QUIET_PREFS = {
  'app.update.disabledForTesting': true,
  'app.update.auto': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'datareporting.healthreport.uploadEnabled': false,
  'toolkit.telemetry.enabled': false,
  'toolkit.telemetry.server': '',
  'browser.region.network.url': '',
  'browser.region.update.enabled': false,
  'extensions.getAddons.cache.enabled': false,
  'extensions.blocklist.enabled': false,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'network.dns.disablePrefetch': true,
  'network.prefetch-next': false,
  'media.gmp-manager.url': '',
  'dom.push.connection.enabled': false,
  // Heeded only with MOZ_REMOTE_SETTINGS_DEVTOOLS set (below); otherwise
  // Firefox asks Mozilla's settings server over and over.
  'services.settings.server': `http://127.0.0.1:${NO_PROXY_PORT}/v1`,
  'network.proxy.type': 1,
  'network.proxy.http': '127.0.0.1',
  'network.proxy.http_port': NO_PROXY_PORT,
  'network.proxy.ssl': '127.0.0.1',
  'network.proxy.ssl_port': NO_PROXY_PORT,
  'network.proxy.no_proxies_on': '127.0.0.1, localhost',
};

export async function openFirefox({ locale = 'ru-RU', deviceScaleFactor = 1 } = {}) {
  if (!existsSync(FIREFOX)) throw new Error(`no ${FIREFOX}: run tools/deps.sh`);
  const browser = await puppeteer.launch({
    env: { ...process.env, MOZ_REMOTE_SETTINGS_DEVTOOLS: '1' }, browser: 'firefox', executablePath: FIREFOX, headless: true,
    extraPrefsFirefox: { ...QUIET_PREFS, 'intl.accept_languages': locale },
  });
  const errors = [];
  const newPage = async () => {
    const p = await browser.newPage();
    await p.setViewport({ width: 800, height: 600, deviceScaleFactor });
    p.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
    p.on('pageerror', e => errors.push(e.message));
    return p;
  };
  const page = await newPage();
  return {
    name: `Firefox ${(await browser.version()).split('/')[1]}`,
    load: url => page.goto(url),
    reload: () => page.reload(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    waitFor: (fn, arg) => page.waitForFunction(fn, { timeout: WAIT_MS }, arg),
    text: selector => page.$eval(selector, e => e.textContent),
    click: (x, y, button = 'left') => page.mouse.click(x, y, { button }),
    async drag(from, to, button = 'left') {
      await page.mouse.move(from.x, from.y);
      await page.mouse.down({ button });
      await page.mouse.move(to.x, to.y, { steps: 4 });
      await page.mouse.up({ button });
    },
    key: name => page.keyboard.press(name),
    tap: (x, y) => page.touchscreen.tap(x, y),
    screenshot: (x, y) => page.screenshot({ clip: { x, y, width: 1, height: 1 }, encoding: 'base64' }),
    // Role and name of each element the selector finds, as Firefox's
    // accessibility tree has them. BiDi finds nodes there by role and name
    // but reads neither out, so each role and name the page's attributes
    // give is looked for in the tree; an element not found under them has
    // neither.
    async accessible(selector) {
      const claimed = await page.$$eval(selector, es => es.map(e => [e.getAttribute('role'), e.getAttribute('aria-label')]));
      const found = claimed.map(() => ({}));
      for (const pair of new Set(claimed.map(c => JSON.stringify(c)))) {
        const [role, name] = JSON.parse(pair);
        for (const node of await page.$$(`::-p-aria([role="${role}"]${name === null ? '' : `[name="${name}"]`})`)) {
          const i = await node.evaluate((e, s) => [...document.querySelectorAll(s)].indexOf(e), selector);
          if (i >= 0) found[i] = { role, name: name ?? undefined };
        }
      }
      return found;
    },
    async openTab(url) {
      const tab = await newPage();
      await tab.goto(url);
      return {
        evaluate: (fn, arg) => tab.evaluate(fn, arg),
        waitFor: (fn, arg) => tab.waitForFunction(fn, { timeout: WAIT_MS }, arg),
        close: () => tab.close(),
      };
    },
    errors: () => errors,
    close: () => browser.close(),
  };
}
