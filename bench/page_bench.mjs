// page_bench.mjs -- the page's figures for bench/run.sh, side by side with a minimal page in the same
// headless Chromium: the frame on the canvas (frame_bench's own page), the main thread's busy time over
// IDLE seconds with the dice still, the time from the navigation to the first full frame, and the bytes
// the server sent before it.
//   node bench/page_bench.mjs WEB-FOLDER FRAME-BENCH-FOLDER FRAMES IDLE-SECONDS
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve, launchBrowser } from '../tests/web/run_page.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const [web, benchFolder, frames, idle] = process.argv.slice(2);
const browser = await launchBrowser();

// The frame benchmark prints its rows on the console.
{
  const server = await serve(benchFolder, { '/bench.html': `<!doctype html><meta charset="utf-8"><script>
var Module = { arguments: ['${Number(frames)}'], print: (t) => console.log(t) };</script><script src="frame_bench.js"></script>` });
  const page = await browser.newPage();
  page.on('console', (m) => { if (m.text().startsWith('|')) console.log(m.text()); });
  await page.goto(`${server.origin}/bench.html`);
  await page.waitForFunction(() => window.testExit !== undefined, null, { timeout: 600000, polling: 200 });
  await page.close();
  server.close();
}

// One page: the time to its first full frame, the bytes before it, then its busy time while idle.
async function measure(url, server) {
  const page = await browser.newPage({ viewport: { width: 511, height: 471 } });
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  server.bytes = 0;
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('first-frame').length > 0, null, { timeout: 60000, polling: 10 });
  const bytes = server.bytes;
  const first = await page.evaluate(() => performance.getEntriesByName('first-frame')[0].startTime);
  await page.waitForTimeout(3000);  // the first roll is over: the dice are still
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const before = await busy();
  await page.waitForTimeout(Number(idle) * 1000);
  const cpu = (await busy()) - before;
  await page.close();
  return { first, bytes, cpu };
}

const server = await serve(web, { '/minimal.html': await readFile(path.join(here, 'minimal_page.html'), 'utf8') });
const runs = { game: [], minimal: [] };
for (let i = 0; i < 3; i++) {
  runs.game.push(await measure(`${server.origin}/index.html`, server));
  runs.minimal.push(await measure(`${server.origin}/minimal.html`, server));
}
const median = (list, key) => list.map((r) => r[key]).sort((a, b) => a - b)[1];
const g = (k) => median(runs.game, k), m = (k) => median(runs.minimal, k);
console.log(`| idle CPU over ${idle} s, dice still, the page (main thread) | ${g('cpu').toFixed(2)} s | ${m('cpu').toFixed(2)} s | ${(g('cpu') / m('cpu')).toFixed(2)} | |`);
console.log(`| navigation to the first full frame, the page | ${(g('first') / 1000).toFixed(3)} s | ${(m('first') / 1000).toFixed(3)} s | ${(g('first') / m('first')).toFixed(2)} | median of 3 |`);
console.log(`| bytes sent before the first full frame, the page | ${g('bytes')} | ${m('bytes')} | ${(g('bytes') / m('bytes')).toFixed(1)} | |`);
await browser.close();
server.close();
