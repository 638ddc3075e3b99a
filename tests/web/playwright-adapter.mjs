// The scenario's hands in Debian's Chromium, through Playwright. Every
// browser gets an adapter with these same methods.
import { chromium } from 'playwright-core';

export const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];
const WAIT_MS = 10000;

export async function openChromium({ locale = 'ru-RU', deviceScaleFactor = 1 } = {}) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
  const context = await browser.newContext({ locale, deviceScaleFactor, viewport: { width: 800, height: 600 } });
  const page = await context.newPage();
  const errors = [];
  page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', e => errors.push(e.message));
  return {
    name: `Chromium ${browser.version()}`,
    load: url => page.goto(url),
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
    // A PNG of one CSS pixel of the page as shown, base64.
    screenshot: (x, y) => page.screenshot({ clip: { x, y, width: 1, height: 1 } }).then(png => png.toString('base64')),
    errors: () => errors,
    close: () => browser.close(),
  };
}
