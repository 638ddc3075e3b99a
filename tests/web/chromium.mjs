// The browser edition end to end in Debian's headless Chromium.
// Usage: node chromium.mjs <site folder>
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { openChromium } from './playwright-adapter.mjs';
import { scenario } from './scenario.mjs';
import { serve } from './serve.mjs';

const site = process.argv[2];
if (!site || !existsSync(join(site, 'index.html'))) {
  console.error(`FAIL: no site in ${site}; build the web edition first (bash tools/build-web.sh)`);
  process.exit(1);
}
const server = await serve(site);
const driver = await openChromium();
try {
  await scenario(driver, server.url);
  console.log(`passed in ${driver.name}`);
} catch (e) {
  console.error(`FAIL in ${driver.name}: ${e.message}`);
  process.exitCode = 1;
} finally {
  await driver.close();
  await server.close();
}
