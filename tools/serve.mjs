// serve.mjs -- a static server of a folder on 127.0.0.1, for the web folder: the page's loader fetches its
// .wasm, which a page opened from a file cannot.
//   node tools/serve.mjs FOLDER [PORT]   serves FOLDER and prints the address to open
import { createServer } from 'node:http';
import { readFile, realpath, stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.txt': 'text/plain', '.bmp': 'image/bmp', '.png': 'image/png', '.css': 'text/css',
                '.ico': 'image/x-icon', '.json': 'application/json', '.svg': 'image/svg+xml',
                '.webmanifest': 'application/manifest+json' };

// The folder's precompressed copy of `file` that the browser accepts (FILE.br, else FILE.gz), as
// { body, encoding }, or null. A copy older than its file is not the file any more: it is left alone.
async function precompressed(file, accepted) {
  const original = await stat(file);
  for (const [suffix, encoding] of [['.br', 'br'], ['.gz', 'gzip']]) {
    if (!new RegExp(`\\b${encoding}\\b`).test(accepted)) continue;
    try {
      if ((await stat(file + suffix)).mtimeMs < original.mtimeMs) continue;
      return { body: await readFile(file + suffix), encoding };
    } catch {
      // no such copy
    }
  }
  return null;
}

// The file under `root` (a real path) that `pathname` names, or null: a name that is not a proper
// address, or that leads outside the folder (by "..", or through a symbolic link), names nothing.
async function fileFor(root, pathname) {
  let name;
  try {
    name = decodeURIComponent(pathname);
  } catch {
    return undefined;  // not a proper address
  }
  if (name.includes('\0')) return undefined;
  if (name.endsWith('/')) name += 'index.html';
  const file = path.join(root, path.normalize(name).replace(/^(\.\.[/\\])+/, ''));
  try {
    const real = await realpath(file);
    return real === root || real.startsWith(root + path.sep) ? real : null;
  } catch {
    return null;
  }
}

// A static server of `folder` on a free port of 127.0.0.1; `extra` answers some paths itself. Whatever it
// is asked, it answers: 400 for an address it cannot read, 404 for anything that is not a file of the
// folder.
export async function serve(folder, extra = {}, port = 0) {
  const root = await realpath(folder);
  const server = createServer(async (request, response) => {
    const headers = { 'x-content-type-options': 'nosniff', 'cache-control': 'no-store' };
    let pathname;
    try {
      pathname = new URL(request.url, 'http://x').pathname;
    } catch {
      pathname = undefined;
    }
    if (pathname !== undefined && extra[pathname]) {
      response.writeHead(200, { ...headers, 'content-type': 'text/html; charset=utf-8' });
      response.end(extra[pathname]);
      server.bytes = (server.bytes || 0) + Buffer.byteLength(extra[pathname]);
      return;
    }
    const file = pathname === undefined ? undefined : await fileFor(root, pathname);
    let body = null;
    if (file) body = await readFile(file).catch(() => null);
    if (body) {
      const type = types[path.extname(file).toLowerCase()] || 'application/octet-stream';
      const copy = await precompressed(file, String(request.headers['accept-encoding'] || '')).catch(() => null);
      if (copy) {
        body = copy.body;
        headers['content-encoding'] = copy.encoding;
      }
      response.writeHead(200, { ...headers, vary: 'accept-encoding', 'content-type': type });
      response.end(request.method === 'HEAD' ? undefined : body);
      server.bytes = (server.bytes || 0) + body.length;
    } else {
      response.writeHead(file === undefined ? 400 : 404, headers);
      response.end();
    }
    server.served = (server.served || 0) + 1;
  });
  server.on('clientError', (error, socket) => { socket.destroy(); });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  server.origin = `http://127.0.0.1:${server.address().port}`;
  return server;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  const server = await serve(folder, {}, Number(port || 0));
  console.log(`Le cinquor est servi sur ${server.origin}/index.html (Ctrl+C pour arrêter)`);
}
