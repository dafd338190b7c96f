// run_page.mjs -- opens a test page in Debian's headless Chromium and ends with its exit code:
//   node run_page.mjs FOLDER SCRIPT.js [ARGUMENT...] [--save FILE OUT]
// a program compiled to the web, on a bare page of its own, given the arguments; --save copies a file the
// program wrote in its file system to OUT.
// The folder is served on 127.0.0.1 (the loader fetches its .wasm, which a file:// page cannot). What the
// page prints goes to the standard output; a page that prints an error or never ends fails.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../tools/serve.mjs';

export { serve };

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(process.env.CINQUOR_NODE_MODULES ||
                                        path.join(here, '..', '..', 'build', 'node_modules'), 'x.js'));
export const { chromium } = require('playwright-core');

export async function launchBrowser(options = {}) {
  return chromium.launch({ executablePath: process.env.CINQUOR_CHROMIUM || '/usr/bin/chromium',
                           args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none'], ...options });
}

async function runTestProgram(folder, script, args, save) {
  const page = `<!doctype html><meta charset="utf-8"><title>${script}</title><script>
var Module = { arguments: ${JSON.stringify(args)}, print: (t) => console.log(t), printErr: (t) => console.error(t),
               onExit: (code) => { window.testExit = code; },
               onAbort: (what) => { console.error('abort: ' + what); window.testExit = 134; } };
</script><script src="${script}"></script>`;
  const server = await serve(folder, { '/test.html': page });
  const browser = await launchBrowser();
  let code = 1;
  try {
    const tab = await browser.newPage();
    tab.on('console', (m) => (m.type() === 'error' ? process.stderr : process.stdout).write(m.text() + '\n'));
    tab.on('pageerror', (e) => { console.error('page error: ' + e.message); code = 2; });
    await tab.goto(`${server.origin}/test.html`);
    await tab.waitForFunction(() => window.testExit !== undefined, null,
                              { timeout: Number(process.env.CINQUOR_PAGE_TIMEOUT || 240) * 1000, polling: 100 });
    const exit = await tab.evaluate(() => window.testExit);
    if (code !== 2) code = exit;
    if (save) {
      const bytes = await tab.evaluate((file) => Array.from(Module.FS.readFile(file)), save.file);
      writeFileSync(save.out, Buffer.from(bytes));
    }
  } finally {
    await browser.close();
    server.close();
  }
  return code;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, script, ...rest] = process.argv.slice(2);
  const at = rest.indexOf('--save');
  const save = at < 0 ? null : { file: rest[at + 1], out: rest[at + 2] };
  runTestProgram(folder, script, at < 0 ? rest : rest.slice(0, at), save).then((code) => process.exit(code), (e) => { console.error(e); process.exit(1); });
}
