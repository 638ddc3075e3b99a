// Time from nothing to the fixture page loaded and probed, per engine:
// browser start, first navigation and the page's own start. Median of 5.
// Usage: node bench/web/engine_start.mjs [firefox|webkit ...]
import { join } from 'node:path';
import { openFirefox } from '../../tests/web/firefox-adapter.mjs';
import { openWebKit } from '../../tests/web/webkit-adapter.mjs';
import { serve } from '../../tests/web/serve.mjs';

const RUNS = 5;
const OPEN = { firefox: openFirefox, webkit: openWebKit };
const server = await serve(join(import.meta.dirname, '../../tests/web/fixture'));
for (const engine of process.argv.length > 2 ? process.argv.slice(2) : Object.keys(OPEN)) {
  const times = [];
  for (let run = 0; run < RUNS; run++) {
    const started = performance.now();
    const d = await OPEN[engine]();
    const opened = performance.now();
    await d.load(server.url);
    await d.waitFor(() => globalThis.fixture?.ready);
    times.push([opened - started, performance.now() - opened]);
    await d.close();
  }
  const median = i => times.map(t => t[i]).sort((a, b) => a - b)[RUNS >> 1].toFixed(0);
  console.log(`${engine}: start ${median(0)} ms, then fixture loaded ${median(1)} ms (median of ${RUNS})`);
}
await server.close();
