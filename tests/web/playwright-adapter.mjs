// The scenario's hands in Debian's Chromium, through Playwright. Every
// browser gets an adapter with these same methods.
import { chromium } from 'playwright-core';

export const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];
const WAIT_MS = 10000;

export async function openChromium({ locale = 'ru-RU', deviceScaleFactor = 1 } = {}) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
  const context = await browser.newContext({ locale, deviceScaleFactor, viewport: { width: 800, height: 600 } });
  const errors = [];
  const newPage = async () => {
    const p = await context.newPage();
    p.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
    p.on('pageerror', e => errors.push(e.message));
    return p;
  };
  const page = await newPage();
  return {
    name: `Chromium ${browser.version()}`,
    load: url => page.goto(url),
    reload: () => page.reload(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    // Resolves once fn(arg) is true in the page.
    waitFor: (fn, arg) => page.waitForFunction(fn, arg, { timeout: WAIT_MS }),
    text: selector => page.locator(selector).textContent(),
    click: (x, y, button = 'left') => page.mouse.click(x, y, { button }),
    async drag(from, to) {
      await page.mouse.move(from.x, from.y);
      await page.mouse.down();
      await page.mouse.move(to.x, to.y, { steps: 4 });
      await page.mouse.up();
    },
    key: name => page.keyboard.press(name),
    // The page as a screen of `factor` device pixels to the CSS pixel shows
    // it, from now on.
    async setScale(factor) {
      const cdp = await context.newCDPSession(page);
      await cdp.send('Emulation.setDeviceMetricsOverride', { width: 800, height: 600, deviceScaleFactor: factor, mobile: false });
    },
    // A PNG of one CSS pixel of the page as shown, base64.
    screenshot: (x, y) => page.screenshot({ clip: { x, y, width: 1, height: 1 } }).then(png => png.toString('base64')),
    // Role and name of each element the selector finds, from Chromium's
    // accessibility tree.
    async accessible(selector) {
      const cdp = await context.newCDPSession(page);
      const { root } = await cdp.send('DOM.getDocument');
      const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId, selector });
      const found = await Promise.all(nodeIds.map(nodeId => cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false })));
      await cdp.detach();
      return found.map(({ nodes: [n] }) => ({ role: n.role?.value, name: n.name?.value }));
    },
    // Another tab of the same browser, on url.
    async openTab(url) {
      const tab = await newPage();
      await tab.goto(url);
      return {
        evaluate: (fn, arg) => tab.evaluate(fn, arg),
        waitFor: (fn, arg) => tab.waitForFunction(fn, arg, { timeout: WAIT_MS }),
        close: () => tab.close(),
      };
    },
    errors: () => errors,
    close: () => browser.close(),
  };
}
