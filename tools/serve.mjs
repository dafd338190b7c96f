// serve.mjs -- a static server of a folder on 127.0.0.1, for the web folder: the page's loader fetches its
// .wasm, which a page opened from a file cannot.
//   node tools/serve.mjs FOLDER [PORT]   serves FOLDER and prints the address to open
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.txt': 'text/plain', '.bmp': 'image/bmp', '.png': 'image/png', '.css': 'text/css',
                '.ico': 'image/x-icon', '.json': 'application/json', '.svg': 'image/svg+xml' };

// A static server of `folder` on a free port of 127.0.0.1; `extra` answers some paths itself.
export async function serve(folder, extra = {}, port = 0) {
  const server = createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (extra[name]) {
      response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
      response.end(extra[name]);
      server.bytes = (server.bytes || 0) + Buffer.byteLength(extra[name]);
      return;
    }
    const file = path.join(folder, path.normalize(name).replace(/^(\.\.[/\\])+/, ''));
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[path.extname(file).toLowerCase()] || 'application/octet-stream',
                                'cache-control': 'no-store' });
      response.end(body);
      server.bytes = (server.bytes || 0) + body.length;
    } catch {
      response.writeHead(404);
      response.end();
    }
    server.served = (server.served || 0) + 1;
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  server.origin = `http://127.0.0.1:${server.address().port}`;
  return server;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  const server = await serve(folder, {}, Number(port || 0));
  console.log(`Le cinquor est servi sur ${server.origin}/index.html (Ctrl+C pour arrêter)`);
}
