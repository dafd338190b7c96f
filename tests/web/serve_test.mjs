// serve_test.mjs -- the server of ./play.sh --web answers whatever it is asked, and serves nothing but
// the folder's files; the web folder packed for the network (tools/pack_web.mjs) is sent compact and
// whole.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, mkdirSync, readFileSync, writeFileSync, symlinkSync, rmSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const here = path.dirname(fileURLToPath(import.meta.url));
import { serve } from '../../tools/serve.mjs';

// The raw request line, as a browser or anything else may send it (fetch would mend the address first).
function get(origin, target) {
  return new Promise((resolve, reject) => {
    const { hostname, port } = new URL(origin);
    const req = request({ hostname, port, path: target, method: 'GET' }, (res) => {
      res.resume();
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers }));
    });
    req.on('error', reject);
    req.end();
  });
}

test('every request gets an answer, and only the folder is served', async () => {
  const top = mkdtempSync(path.join(tmpdir(), 'cinquor-serve-'));
  const folder = path.join(top, 'web');
  mkdirSync(path.join(folder, 'images'), { recursive: true });
  writeFileSync(path.join(folder, 'index.html'), '<!doctype html>');
  writeFileSync(path.join(folder, 'images', 'fond.bmp'), 'BM');
  writeFileSync(path.join(top, 'secret.txt'), 'not for the web');
  symlinkSync(path.join(top, 'secret.txt'), path.join(folder, 'link.txt'));
  const server = await serve(folder);
  try {
    const cases = [
      ['/', 200, 'text/html; charset=utf-8'],
      ['/index.html', 200, 'text/html; charset=utf-8'],
      ['/images/fond.bmp', 200, 'image/bmp'],
      ['/%E0%A4%A', 400],            // a malformed escape: the server lives on
      ['/link.txt', 404],            // a link out of the folder
      ['/../secret.txt', 404],
      ['/%2e%2e/secret.txt', 404],
      ['/images/', 404],             // a folder without a page
      ['/absent.txt', 404],
      ['/index.html', 200, 'text/html; charset=utf-8'],  // and still answers after all that
    ];
    for (const [target, status, type] of cases) {
      const answer = await get(server.origin, target);
      assert.equal(answer.status, status, target);
      assert.equal(answer.headers['x-content-type-options'], 'nosniff', target);
      if (type) assert.equal(answer.headers['content-type'], type, target);
    }
  } finally {
    server.close();
    rmSync(top, { recursive: true, force: true });
  }
});

// A stored (uncompressed) PNG of one row of `width` pixels, as the picture generator writes them.
function storedPng(width) {
  const chunk = (type, data) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(data.length, 0);
    head.write(type, 4, 'latin1');
    return Buffer.concat([head, data, Buffer.alloc(4)]);  // the packer writes its own CRCs
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(1, 4);
  header.set([8, 6, 0, 0, 0], 8);
  const row = Buffer.concat([Buffer.from([0]), Buffer.alloc(width * 4, 0x5a)]);
  return Buffer.concat([Buffer.from('\x89PNG\r\n\x1a\n', 'latin1'), chunk('IHDR', header),
                        chunk('IDAT', zlib.deflateSync(row, { level: 0 })), chunk('IEND', Buffer.alloc(0))]);
}

// The body of a GET with this Accept-Encoding, decoded, and the encoding it came in.
function fetchEncoded(origin, target, accepted) {
  return new Promise((resolve, reject) => {
    const { hostname, port } = new URL(origin);
    const req = request({ hostname, port, path: target, headers: { 'accept-encoding': accepted } }, (res) => {
      const parts = [];
      res.on('data', (part) => parts.push(part));
      res.on('end', () => {
        const raw = Buffer.concat(parts);
        const encoding = res.headers['content-encoding'] || 'identity';
        const decode = { br: zlib.brotliDecompressSync, gzip: zlib.gunzipSync, identity: (b) => b }[encoding];
        resolve({ encoding, body: decode(raw) });
      });
    });
    req.on('error', reject);
    req.end();
  });
}

test('the packed folder: a version, the files kept at install, compact copies that give the same bytes', async () => {
  const folder = mkdtempSync(path.join(tmpdir(), 'cinquor-pack-'));
  const write = (name, data) => writeFileSync(path.join(folder, name), data);
  const read = (name) => readFileSync(path.join(folder, name));
  const picture = Buffer.from(Array.from({ length: 5000 }, (_, i) => (i * 7919) % 251));
  write('Config.txt', 'Image Fond = fond.bmp\r\nImage Des = des.bmp\r\n');
  write('nuit.txt', 'Image Fond = fond-nuit.bmp\r\nImage Des = des.bmp\r\n');
  write('fond.bmp', picture);
  write('des.bmp', picture.subarray(0, 100));
  write('fond-nuit.bmp', picture.reverse());
  write('icon-192.png', storedPng(300));
  write('index.html', "<script>var CinquorVersion = '__CINQUOR_VERSION__'; var CinquorLooks = {};</script>" +
        '<script src="page.js?v=__CINQUOR_VERSION__"></script>');
  copyFileSync(path.join(here, '../../web/sw.js'), path.join(folder, 'sw.js'));
  const pack = () => execFileSync('node', [path.join(here, '../../tools/pack_web.mjs'), folder]);
  const server = await serve(folder);
  try {
    const png = read('icon-192.png');
    pack();
    const version = /var VERSION = '([0-9a-f]{12})'/.exec(read('sw.js').toString())[1];
    assert.ok(read('index.html').toString().includes(`page.js?v=${version}`));
    assert.ok(read('index.html').toString().includes('"nuit.txt":["fond-nuit.bmp","des.bmp"]'));
    const kept = /var AT_INSTALL = \[([^\]]*)\]/.exec(read('sw.js').toString())[1];
    assert.equal(kept, "'Config.txt', 'des.bmp', 'fond.bmp', 'icon-192.png'");  // not nuit.txt nor its own picture
    // The PNG deflated for real, its pixels the same.
    const pixels = (data) => zlib.inflateSync(data.subarray(data.indexOf('IDAT') + 4, data.indexOf('IEND') - 8));
    assert.ok(read('icon-192.png').length < png.length);
    assert.deepEqual(pixels(read('icon-192.png')), pixels(png));
    // Every file as each encoding sends it: the same bytes.
    for (const name of ['fond.bmp', 'Config.txt', 'index.html', 'sw.js', 'icon-192.png']) {
      for (const [accepted, encoding] of [['gzip, deflate, br', 'br'], ['gzip', 'gzip'], ['', 'identity']]) {
        const answer = await fetchEncoded(server.origin, `/${name}`, accepted);
        assert.equal(answer.encoding, encoding, `${name} for "${accepted}"`);
        assert.deepEqual(answer.body, read(name), `${name} for "${accepted}"`);
      }
    }
    // A file changed after its copies were made is sent as it is now, not as its stale copy.
    write('Config.txt', 'Image Fond = fond.bmp\r\n; changed\r\n');
    assert.deepEqual((await fetchEncoded(server.origin, '/Config.txt', 'br')).body, read('Config.txt'));
    // Packed again: a new version, everywhere the old one was.
    pack();
    const next = /var VERSION = '([0-9a-f]{12})'/.exec(read('sw.js').toString())[1];
    assert.notEqual(next, version);
    assert.ok(!read('index.html').toString().includes(version) && read('index.html').toString().includes(`v=${next}`));
  } finally {
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});
