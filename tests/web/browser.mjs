// The browser edition end to end in one browser engine, through its
// adapter: the player's scenario and the app's in Russian at pixel ratio 1,
// then German at pixel ratio 2.
// Usage: node browser.mjs chromium|firefox|webkit <site folder>
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { appScenario, german } from './app-scenario.mjs';
import { scenario } from './scenario.mjs';
import { serve } from './serve.mjs';

const ADAPTERS = {
  chromium: ['./playwright-adapter.mjs', 'openChromium'],
  firefox: ['./firefox-adapter.mjs', 'openFirefox'],
  webkit: ['./webkit-adapter.mjs', 'openWebKit'],
};
const [engine, site] = process.argv.slice(2);
if (!ADAPTERS[engine] || !site || !existsSync(join(site, 'sw.js'))) {
  console.error(`FAIL: usage: node browser.mjs ${Object.keys(ADAPTERS).join('|')} <site>, with the web edition built in it`);
  process.exit(1);
}
const [file, name] = ADAPTERS[engine];
const open = (await import(file))[name];
let server = await serve(site);
let driver = null;
try {
  driver = await open({ locale: 'ru-RU', deviceScaleFactor: 1 });
  await scenario(driver, server.url);
  await appScenario(driver, server.url, () => server.close());
  await driver.close();
  driver = null;
  server = await serve(site);
  driver = await open({ locale: 'de-DE', deviceScaleFactor: 2 });
  await german(driver, server.url);
  console.log(`passed in ${driver.name}`);
} catch (e) {
  console.error(`FAIL in ${driver?.name ?? engine}: ${e.message}`);
  process.exitCode = 1;
} finally {
  await driver?.close();
  await server.close();
}
