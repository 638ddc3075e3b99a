// First visit to the first board in each browser engine: a fresh browser
// (so nothing cached, no service worker yet) loads the page, and the time
// from navigation start to the page's 'zorbel-board-drawn' mark is taken,
// median of 5; the browser's own start is reported beside it.
// Usage: node bench/web/engine_start.mjs [site folder] [chromium|firefox|webkit ...]
import { openChromium } from '../../tests/web/playwright-adapter.mjs';
import { openFirefox } from '../../tests/web/firefox-adapter.mjs';
import { openWebKit } from '../../tests/web/webkit-adapter.mjs';
import { serve } from '../../tests/web/serve.mjs';

const RUNS = 5;
const OPEN = { chromium: openChromium, firefox: openFirefox, webkit: openWebKit };
const [site = 'build-web/site', ...engines] = process.argv.slice(2);
const server = await serve(site);
const median = values => values.sort((a, b) => a - b)[RUNS >> 1].toFixed(0);
for (const engine of engines.length ? engines : Object.keys(OPEN)) {
  const starts = [];
  const boards = [];
  for (let run = 0; run < RUNS; run++) {
    const started = performance.now();
    const d = await OPEN[engine]();
    starts.push(performance.now() - started);
    await d.load(server.url);
    await d.waitFor(() => performance.getEntriesByName('zorbel-board-drawn').length > 0);
    boards.push(await d.evaluate(() => performance.getEntriesByName('zorbel-board-drawn')[0].startTime));
    await d.close();
  }
  console.log(`${engine}: first visit, navigation to first board ${median(boards)} ms (${boards.map(t => t.toFixed(0)).join(' ')}), ` +
    `browser start ${median(starts)} ms; median of ${RUNS}`);
}
await server.close();
