// page_audit.mjs -- how web engineers judge the page: axe-core on the board, the Options dialog and a
// warning box, and Lighthouse 12's default (mobile) run on the folder as ./play.sh --web serves it.
// Prints the figures; exits 1 when axe finds a violation or a Lighthouse score of accessibility, best
// practices or SEO is below 1.
//   node bench/page_audit.mjs WEB-FOLDER
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { serve } from '../tools/serve.mjs';
import { launchBrowser } from '../tests/web/run_page.mjs';

const require = createRequire(path.resolve('build/node_modules/'));
const { AxeBuilder } = require('@axe-core/playwright');
const folder = process.argv[2];
const server = await serve(folder);
const url = `${server.origin}/index.html`;
let faults = 0;

const browser = await launchBrowser();
const page = await (await browser.newContext({ viewport: { width: 511, height: 471 } })).newPage();
await page.goto(url);
await page.waitForFunction(() => window.CinquorCanvas && CinquorCanvas.window, null, { timeout: 60000 });
await page.waitForTimeout(1500);
const states = [
  ['the board', async () => {}],
  ['the Options dialog', async () => { await page.keyboard.press('o'); await page.waitForSelector('dialog[open]'); }],
  ['a warning box', async () => {
    await page.keyboard.press('Escape');
    await page.waitForSelector('dialog[open]', { state: 'detached' }).catch(() => {});
    const box = await page.locator('#board').boundingBox();
    await page.mouse.click(box.x + 435 * box.width / 511, box.y + 250 * box.height / 446);  // Cinquor, poor dice
    await page.waitForSelector('dialog[open]');
  }],
];
for (const [what, reach] of states) {
  await reach();
  const { violations } = await new AxeBuilder({ page }).analyze();
  console.log(`axe-core, ${what}: ${violations.length} violation(s)` +
              violations.map((v) => `\n  ${v.id}: ${v.help} (${v.nodes.length})`).join(''));
  faults += violations.length;
}
await browser.close();

const out = mkdtempSync(path.join(tmpdir(), 'cinquor-lighthouse-'));
try {
  const lighthouse = path.resolve('build/node_modules/.bin/lighthouse');
  // Run beside this process's own server, which must go on answering meanwhile.
  await promisify(execFile)(lighthouse, [url, '--quiet', '--output=json', `--output-path=${out}/report.json`,
    '--chrome-flags=--headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update --no-first-run --disable-sync'],
  { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' } });
  const report = JSON.parse(readFileSync(`${out}/report.json`, 'utf8'));
  const scores = Object.fromEntries(Object.entries(report.categories).map(([k, c]) => [k, c.score]));
  console.log('Lighthouse 12, mobile: ' + Object.entries(scores).map(([k, v]) => `${k} ${v.toFixed(2)}`).join(', '));
  for (const audit of Object.values(report.audits)) {
    if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary') console.log(`  ${audit.id}: ${audit.title}`);
  }
  for (const k of ['accessibility', 'best-practices', 'seo']) if (scores[k] < 1) faults++;
} finally {
  rmSync(out, { recursive: true, force: true });
  server.close();
}
process.exit(faults ? 1 : 0);
