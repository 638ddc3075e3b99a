// Takes the picture of the browser edition shown in the README: the page's
// window (menu bar and client) right after start-up, in headless Chromium.
// Usage: node tools/screenshot-web.mjs [site] [output png] [locale]
//   defaults: build-web/site, docs/screenshot-web.png, ru-RU.
import { chromium } from 'playwright-core';
import { CHROMIUM_FLAGS } from '../tests/web/playwright-adapter.mjs';
import { serve } from '../tests/web/serve.mjs';

const [site = 'build-web/site', out = 'docs/screenshot-web.png', locale = 'ru-RU'] = process.argv.slice(2);
const server = await serve(site);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
const page = await browser.newPage({ locale, deviceScaleFactor: 1 });
await page.goto(server.url);
await page.waitForFunction(() => performance.getEntriesByName('zorbel-ready').length > 0);
await page.locator('.window').screenshot({ path: out });
await browser.close();
await server.close();
console.log(`wrote ${out}`);
