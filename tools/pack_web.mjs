// pack_web.mjs -- readies the web folder for the network, after the build has gathered it:
//  - its PNG pictures compressed (the picture generator writes them stored, as the desktop takes them);
//  - its version, a digest of its files, written into index.html and sw.js (the page asks for its files
//    with "?v=VERSION" and the service worker keeps them under that version);
//  - the list of files the service worker keeps at install: all but the other looks and their pictures;
//  - each file also precompressed, FILE.br and FILE.gz, for servers that send them as they are.
// Run again on a folder already packed (a file changed), it gives the folder a new version.
//   node tools/pack_web.mjs FOLDER
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const folder = process.argv[2];
const read = (name) => readFileSync(path.join(folder, name));
const write = (name, data) => writeFileSync(path.join(folder, name), data);
const versioned = new Set(['index.html', 'sw.js']);  // they hold the version: not part of its digest
const compressed = (name) => name.endsWith('.br') || name.endsWith('.gz');

// ---- PNG: one IDAT, deflated at the best level ----
const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}
function compactPng(png) {
  const chunks = [];
  const idat = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const data = png.subarray(at + 8, at + 8 + length);
    if (type === 'IDAT') idat.push(data);
    else chunks.push([type, data]);
    at += 12 + length;
  }
  const pixels = zlib.inflateSync(Buffer.concat(idat));
  const deflated = zlib.deflateSync(pixels, { level: 9, memLevel: 9 });
  const out = [png.subarray(0, 8)];
  for (const [type, data] of chunks) {
    if (type === 'IEND') out.push(chunk('IDAT', deflated));
    out.push(chunk(type, data));
  }
  const result = Buffer.concat(out);
  return result.length < png.length ? result : png;
}

const names = readdirSync(folder).filter((name) => !compressed(name)).sort();
for (const name of names.filter((n) => n.endsWith('.png'))) write(name, compactPng(read(name)));

// ---- The version ----
const digest = createHash('sha256');
for (const name of names.filter((n) => !versioned.has(n))) digest.update(name).update('\0').update(read(name));
const version = digest.digest('hex').slice(0, 12);

// The default look (Config.txt) and what the page needs are kept at install; the other looks, their
// pictures and the worker itself are not.
const picturesOf = (look) => [...new Set(read(look).toString('latin1').match(/[\w-]+\.bmp/gi) || [])];
const looks = Object.fromEntries(names.filter((n) => n.endsWith('.txt') && n !== 'lisez-moi.txt')
  .map((look) => [look, picturesOf(look)]));
const otherLooks = new Set();
for (const [look, pictures] of Object.entries(looks)) {
  if (look !== 'Config.txt') [look, ...pictures].forEach((n) => otherLooks.add(n));
}
for (const picture of looks['Config.txt']) otherLooks.delete(picture);
const atInstall = names.filter((n) => !versioned.has(n) && !otherLooks.has(n));

const sw = read('sw.js').toString('utf8');
const old = /var VERSION = '([^']*)';/.exec(sw)[1];
write('sw.js', sw.replaceAll(old, version)
  .replace(/var AT_INSTALL = \[[^\]]*\];/, `var AT_INSTALL = [${atInstall.map((n) => `'${n}'`).join(', ')}];`));
write('index.html', read('index.html').toString('utf8').replaceAll(old, version)
  .replace(/var CinquorLooks = \{[^;]*\};/, `var CinquorLooks = ${JSON.stringify(looks)};`));

// ---- Precompressed copies ----
for (const name of names) {
  const data = read(name);
  write(`${name}.br`, zlib.brotliCompressSync(data, { params: {
    [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
    [zlib.constants.BROTLI_PARAM_SIZE_HINT]: data.length } }));
  write(`${name}.gz`, zlib.gzipSync(data, { level: 9 }));
}
console.log(`web folder ${folder}: version ${version}, ${names.length} files, ${atInstall.length} kept at install`);
