// driver.mjs -- plays the game's page in headless Chromium for the window scenarios (tests/window/lib.sh
// with CINQUOR_FRONT=web): one command a line on the standard input, one answer line on the standard
// output. The page's saved state is mirrored into SAVE-FILE after every command, and what the page
// prints as a warning or an error goes to LOG in the toolkits' words, which the scenarios fail on.
//   node driver.mjs FOLDER SAVE-FILE LOG
import { appendFileSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createInterface } from 'node:readline';
import path from 'node:path';
import { serve, launchBrowser, chromium } from './run_page.mjs';

const [folder, saveFile, log] = process.argv.slice(2);
const KEY = 'le-cinquor/dezo.sav';
const MENU_HEIGHT = 25;
const server = await serve(folder);
const browser = await launchBrowser();
const context = await browser.newContext({ viewport: { width: 511, height: 446 + MENU_HEIGHT } });
let page = null;
let mirrored = null;  // the bytes last written to the save file, as hexadecimal digits
// While the page starts, every frame it presents is kept (a busy page cannot be asked for a screenshot
// before its work ends, but what it showed meanwhile is what the player saw), until the scenario acts.
let screencast = null;
let frames = [];

async function watch(p) {
  const cdp = await context.newCDPSession(p);
  cdp.on('Page.screencastFrame', ({ data, sessionId }) => {
    if (frames.length < 500) frames.push(data);
    cdp.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
  });
  await cdp.send('Page.startScreencast', { format: 'png' });
  screencast = cdp;
  frames = [];
}

async function unwatch() {
  if (!screencast) return;
  await screencast.send('Page.stopScreencast').catch(() => {});
  await screencast.detach().catch(() => {});
  screencast = null;
  frames = [];
}

function note(kind, text) { appendFileSync(log, `page-${kind} ** ${text}\n`); }

async function storagePage() {
  if (page && !page.isClosed()) return page;
  const blank = await context.newPage();
  await blank.goto(`${server.origin}/lisez-moi.txt`);
  return blank;
}

// The record in local storage into the save file (none: no file).
async function mirror() {
  const p = await storagePage();
  const text = await p.evaluate((key) => localStorage.getItem(key), KEY);
  if (p !== page) await p.close();
  if (text === mirrored) return;
  mirrored = text;
  if (text === null) rmSync(saveFile, { force: true });
  else writeFileSync(saveFile, Buffer.from(text, 'hex'));
}

// A save file the scenario wrote itself goes into local storage before the page starts.
async function seed() {
  const text = existsSync(saveFile) ? readFileSync(saveFile).toString('hex') : null;
  if (text === mirrored) return;
  const p = await storagePage();
  await p.evaluate(([key, value]) => value === null ? localStorage.removeItem(key) : localStorage.setItem(key, value),
                   [KEY, text]);
  if (p !== page) await p.close();
  mirrored = text;
}

// A key the next launch presses the moment the game has started, under the loading message, before the
// surfaces are made (keyatloading).
let keyAtLoading = null;

async function launch(query) {
  await unwatch();
  if (page && !page.isClosed()) await page.close({ runBeforeUnload: true });
  await seed();
  page = await context.newPage();
  if (keyAtLoading) {
    await page.addInitScript((key) => {
      let module;
      Object.defineProperty(window, 'Module', {
        configurable: true,
        get: () => module,
        set: (value) => {
          module = value;
          const start = value.cinquorPage.start;
          value.cinquorPage.start = function () {
            start.apply(this, arguments);
            queueMicrotask(() => document.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true })));
          };
        },
      });
    }, keyAtLoading);
    keyAtLoading = null;
  }
  page.on('console', (m) => {
    if ((m.type() === 'warning' || m.type() === 'error') && !/^Failed to load resource/.test(m.text())) {
      note(m.type() === 'error' ? 'CRITICAL' : 'WARNING', m.text());
    }
  });
  page.on('pageerror', (e) => note('CRITICAL', e.message));
  page.requested = [];
  page.on('request', (r) => page.requested.push(r.url()));
  await watch(page);
  await page.goto(`${server.origin}/index.html${query}`);
}

// The page's nodes as Chromium's accessibility tree gives them to a screen reader.
async function accessibleNodes() {
  const cdp = await context.newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  return nodes;
}

const alive = () => page && !page.isClosed();
const running = async () => alive() && page.evaluate(() => !document.getElementById('game').hidden &&
                                                         !!(window.CinquorCanvas && CinquorCanvas.window));

// The "window": the menu bar and the board's canvas, from the page's top-left corner.
async function geometry() {
  const box = await page.locator('#board').boundingBox();
  return { width: Math.round(box.width), height: Math.round(box.y + box.height) };
}

// xdotool's key names, as the scenarios write them, in Playwright's.
function keyName(name) {
  const names = { space: 'Space', Return: 'Enter', Escape: 'Escape', Tab: 'Tab', Left: 'ArrowLeft', Right: 'ArrowRight',
                  Up: 'ArrowUp', Down: 'ArrowDown' };
  return name.split('+').map((part) => part === 'alt' ? 'Alt' : part === 'ctrl' ? 'Control' : part === 'shift' ? 'Shift' : names[part] || part).join('+');
}

async function key(name) {
  if (name === 'close-request') {  // the browser closes the dialog by itself (a second Escape, a back gesture)
    await page.evaluate(() => document.querySelector('dialog[open]').close());
    return;
  }
  if (name === 'alt+F4') {  // the title bar's close button: the dialog's, or the page's own closing
    if (await page.locator('dialog[open]').count()) await page.locator('dialog[open] .close').click({ force: true, timeout: 2000 }).catch(() => {});
    else await page.close({ runBeforeUnload: true });
    return;
  }
  await page.keyboard.press(keyName(name));
}

// A second tab of the same game, for the scenarios of two tabs at once.
let second = null;
const tab = (which) => which === 'second' ? second : page;

// What the page does when the browser hides it (another tab, the phone's home screen): headless Chromium
// never hides a page by itself, so its visibility is told as the browser would.
async function hide(p) {
  await p.evaluate(() => {
    const tell = (state) => {
      Object.defineProperty(document, 'visibilityState', { value: state, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    };
    tell('hidden');
    tell('visible');
  });
}

const commands = {
  second: async () => {
    second = await context.newPage();
    second.on('pageerror', (e) => note('CRITICAL', e.message));
    await second.goto(page.url());
    await second.waitForFunction(() => !!(window.CinquorCanvas && CinquorCanvas.window), null, { timeout: 60000 });
  },
  hide: async (which) => { await hide(tab(which)); },
  close_second: async () => { await second.close({ runBeforeUnload: true }); second = null; },
  launch: async (query = '') => { await launch(query); },
  window: async () => (await running()) ? 'yes' : 'no',
  ended: async () => (!alive() || await page.evaluate(() => !document.getElementById('end').hidden)) ? 'yes' : 'no',
  geometry: async () => { const g = await geometry(); return `WIDTH=${g.width} HEIGHT=${g.height}`; },
  // The frames the page presented since it was launched, one a call in their order, then the last one
  // again: the screen as the player saw it while the page starts. Once the scenario acted, a screenshot.
  live: async (file) => {
    if (!screencast) return commands.shot(file);
    for (let i = 0; i < 100 && !frames.length; i++) await new Promise((r) => setTimeout(r, 50));
    if (!frames.length) throw new Error('no frame presented');
    writeFileSync(file, Buffer.from(frames.length > 1 ? frames.shift() : frames[0], 'base64'));
  },
  shot: async (file) => { const g = await geometry(); await page.screenshot({ path: file, clip: { x: 0, y: 0, width: g.width, height: g.height } }); },
  move: async (x, y) => { await page.mouse.move(Number(x), Number(y)); },
  click: async (x, y) => {
    await page.mouse.move(Number(x), Number(y));
    await page.waitForTimeout(150);
    await page.mouse.down();
    await page.waitForTimeout(100);
    await page.mouse.up();
  },
  key: async (...names) => { for (const name of names) await key(name); },
  box: async (...words) => {
    const title = words.join(' ');
    if (!alive()) return 'no';
    return (await page.locator('dialog[open]').count()) &&
           (await page.locator('dialog[open]').getAttribute('data-title')) === title ? 'yes' : 'no';
  },
  keyatloading: async (name) => { keyAtLoading = name; },
  // The network cut (on) or back (off), for this page and the next ones.
  offline: async (state) => { await context.setOffline(state === 'on'); },
  // What the page's log told screen readers of the game's events, oldest first.
  told: async () => page.evaluate(() => [...document.querySelectorAll('#events p')].map((p) => p.textContent).join('/')),
  // The version of the build the page runs.
  version: async () => page.evaluate(() => CinquorVersion),
  // What the service worker keeps: its caches, and whether the one of the folder's present build holds
  // every file it keeps at install ("le-cinquor-VERSION complete").
  kept: async () => {
    const sw = readFileSync(path.join(folder, 'sw.js'), 'utf8');
    const version = /var VERSION = '([^']*)'/.exec(sw)[1];
    const names = /var AT_INSTALL = \[([^\]]*)\]/.exec(sw)[1].split(',').map((n) => n.trim().slice(1, -1));
    return page.evaluate(async ([version, names]) => {
      const caches_ = (await caches.keys()).filter((n) => n.startsWith('le-cinquor-'));
      const cache = caches_.includes(`le-cinquor-${version}`) ? await caches.open(`le-cinquor-${version}`) : null;
      let complete = !!cache && !!navigator.serviceWorker.controller;
      for (const name of names) complete = complete && !!(await cache.match(`${name}?v=${version}`));
      return `${caches_.join(',')} ${complete ? 'complete' : 'incomplete'}`;
    }, [version, names]);
  },
  // The addresses the page asked for since it was launched that name another build than its own.
  mixed: async () => {
    const version = await page.evaluate(() => CinquorVersion);
    return String(page.requested.filter((url) => /[?&]v=/.test(url) && !url.includes(`v=${version}`)).length);
  },
  // What keeps a browser from offering to install the page, by Chromium's own check ("none").
  // (A browser never offers it in a private window: the page is opened in a profile of its own.)
  installable: async () => {
    const profile = mkdtempSync(path.join(tmpdir(), 'cinquor-profile-'));
    const own = await chromium.launchPersistentContext(profile, { executablePath: process.env.CINQUOR_CHROMIUM || '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu'] });
    try {
      const tab = own.pages()[0] || await own.newPage();
      await tab.goto(`${server.origin}/index.html`);
      await tab.waitForFunction(() => !!document.querySelector('#board.shown'), null, { timeout: 30000 });
      const cdp = await own.newCDPSession(tab);
      const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
      return installabilityErrors.map((e) => e.errorId).join(',') || 'none';
    } finally {
      await own.close();
      rmSync(profile, { recursive: true, force: true });
    }
  },
  // The next launch is a first visit: no service worker, none of the files one kept.
  forget: async () => {
    const p = await storagePage();
    await p.evaluate(async () => {
      for (const registration of await navigator.serviceWorker.getRegistrations()) await registration.unregister();
      for (const name of await caches.keys()) await caches.delete(name);
    });
    if (p !== page) await p.close();
  },
  // The device pixel ratio changed without a resize (a zoom, another screen).
  // (The override lasts while its session does: one session a page.)
  scale: async (ratio) => {
    page.emulation = page.emulation || await context.newCDPSession(page);
    const { width, height } = page.viewportSize();
    await page.emulation.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: Number(ratio), mobile: false });
  },
  // What the surfaces hold: their canvases and the module's memory.
  resources: async () => page.evaluate(() => `canvases=${CinquorCanvas.canvases.filter(Boolean).length} heap=${HEAPU8.length}`),
  // How often the status line that screen readers hear changes while the pointer crosses the board, from
  // one corner to the other, in two seconds.
  announcements: async () => {
    await page.evaluate(() => {
      window.statusChanges = 0;
      new MutationObserver(() => { window.statusChanges++; })
        .observe(document.getElementById('status'), { childList: true, characterData: true, subtree: true });
    });
    const box = await page.locator('#board').boundingBox();
    for (let i = 0; i <= 20; i++) {
      await page.mouse.move(box.x + box.width * i / 20, box.y + box.height * i / 20);
      await page.waitForTimeout(100);
    }
    return String(await page.evaluate(() => window.statusChanges));
  },
  // The board's canvas pixels to a CSS pixel: the device pixel ratio it is drawn at.
  drawnratio: async () => String(await page.evaluate(() => {
    const board = document.getElementById('board');
    return Math.round(board.width / parseFloat(board.style.width));
  })),
  failed: async () => (await page.evaluate(() => !document.getElementById('failed').hidden)) ? 'yes' : 'no',
  // The board as Chromium's accessibility tree gives it to a screen reader: the dice buttons, the pressed
  // ones, the sheet's cells and the focused node's name.
  parts: async () => {
    const nodes = await accessibleNodes();
    const name = (n) => (n.name && n.name.value) || '';
    const is = (n, property) => (n.properties || []).some((p) => p.name === property && String(p.value.value) === 'true');
    const dice = nodes.filter((n) => n.role && n.role.value === 'button' && name(n).startsWith('D\u00e9 '));
    const cells = nodes.filter((n) => n.role && n.role.value === 'gridcell');
    const focused = nodes.filter((n) => is(n, 'focused')).map(name).join(',');
    return `${dice.length} dice, ${cells.length} cells, pressed: ${dice.filter((n) => is(n, 'pressed')).map(name).join(',')}; focused: ${focused}`;
  },
  // The dice's faces as the accessibility tree names them ("Dé 1 : 3" ...): "3, 5, 1, 2, 6".
  faces: async () => {
    const nodes = await accessibleNodes();
    return nodes.filter((n) => n.role && n.role.value === 'button').map((n) => (n.name && n.name.value) || '')
      .map((name) => /^D\u00e9 \d : (\d)/.exec(name))
      .filter(Boolean).map((m) => m[1]).join(', ');
  },
  boxtext: async () => JSON.stringify(await page.locator('dialog[open] .text').innerText()),
  focused: async () => page.evaluate(() => document.activeElement.textContent || document.activeElement.id),
  resize: async (width, height) => { await page.setViewportSize({ width: Number(width), height: Number(height) }); },
  close: async () => { if (alive()) await page.close({ runBeforeUnload: true }); },
  quit: async () => { await browser.close(); server.close(); process.exit(0); },
};

const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
  const [name, ...args] = line.trim().split(/\s+/);
  let answer = 'ok';
  try {
    if (!commands[name]) throw new Error(`no command ${name}`);
    if (!['live', 'window', 'box', 'ended'].includes(name)) await unwatch();
    const result = await commands[name](...args);
    if (typeof result === 'string') answer = result;
    await mirror();
  } catch (e) {
    answer = 'error ' + String(e.message || e).split('\n')[0];
  }
  process.stdout.write(answer + '\n');
}
await browser.close();
server.close();
