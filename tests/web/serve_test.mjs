// serve_test.mjs -- the server of ./play.sh --web answers whatever it is asked, and serves nothing but
// the folder's files.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, mkdirSync, writeFileSync, symlinkSync, rmSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
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
