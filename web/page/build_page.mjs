// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the page: one HTML file that carries its style, its script, the
// core as WebAssembly (gzipped), the pictures and the font, with a Content
// Security Policy that lets nothing be fetched; beside it a web app manifest,
// its icon and a service worker, which a web server needs for the page to be
// installed and to start offline. The same inputs give the same bytes.
//   node build_page.mjs CORE.wasm CORE.wasm.gz PICTURES_DIR FONT.woff2 OUT_DIR SOURCE_ARCHIVE
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const [corePath, gzippedCorePath, pictureDir, fontPath, out, sourceArchive] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const read = (name) => readFileSync(join(here, name), 'utf8');
const dataUri = (type, bytes) => `data:${type};base64,${Buffer.from(bytes).toString('base64')}`;
const png = (name) => dataUri('image/png', readFileSync(join(pictureDir, name)));
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// The core tells the window's caption, for the title and the manifest.
const core = readFileSync(corePath);
const { instance } = await WebAssembly.instantiate(core, { env: { kv_failed: () => {} } });
instance.exports._initialize();
const answer = (at) => new TextDecoder().decode(
  new Uint8Array(instance.exports.memory.buffer, at, instance.exports.kv_length()));
// The face, and the view as the exercise starts, go into the page as they
// are, so that it draws the window at once, while the core compiles.
const faceJson = answer(instance.exports.kv_face());
const face = JSON.parse(faceJson);
const startJson = answer(instance.exports.kv_start());
// Its title as the ear takes it: a dash would be read as a word.
const title = face.caption.spoken;

// The script, its parts by role, in one closure: the bridge to the core, the
// live regions, the controls, focus and fitting, the help, and start-up.
const parts = ['bridge', 'live', 'controls', 'focus', 'help', 'start'];
// Lines that are comments alone are left out, the script's source goes
// with the page.
const script = `'use strict';\n(() => {\n${parts.map((part) => read(`script/${part}.js`)
  .replace(/^[ \t]*\/\/.*\n/gm, '')).join('')}})();\n`;

const style = read('kvelmor.css').replace('@FONT@', dataUri('font/woff2', readFileSync(fontPath)))
  .replace('@FONT_FAMILY@', face.font);
const webp = (name) => dataUri('image/webp', readFileSync(join(pictureDir, name)));
const pictures = JSON.stringify({
  balance: webp('balance.webp'), 'balance@2x': webp('balance@2x.webp'), icon: png('hamburger.png'),
});
const policy = [
  "default-src 'none'", `script-src ${hash(script)} 'wasm-unsafe-eval'`, `style-src ${hash(style)}`,
  "img-src data: 'self'", 'font-src data:', "manifest-src 'self'", "worker-src 'self'", "base-uri 'none'",
].join('; ');
const fill = {
  CSP: policy, TITLE: escapeHtml(title), STYLE: style, SOURCE: sourceArchive,
  CORE: readFileSync(gzippedCorePath).toString('base64'), PICTURES: pictures, SCRIPT: script,
  FACE: faceJson.replace(/<\//g, '<\\/'), STARTED: startJson.replace(/<\//g, '<\\/'),
};
const page = read('kvelmor.html').replace(/@([A-Z]+)@/g, (all, name) => fill[name] ?? all);
for (const name of ['STYLE', 'SCRIPT', 'FACE', 'STARTED'])
  if (fill[name].includes('</')) throw new Error(`the page's ${name.toLowerCase()} may not hold "</"`);

mkdirSync(out, { recursive: true });
writeFileSync(join(out, 'kvelmor.html'), page);
const manifest = {
  name: title, short_name: title, lang: 'bg', start_url: 'kvelmor.html', scope: './',
  display: 'standalone', background_color: face.background, theme_color: face.background,
  icons: [{ src: 'kvelmor-icon.png', sizes: '192x192', type: 'image/png' }],
};
writeFileSync(join(out, 'kvelmor.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`);
writeFileSync(join(out, 'kvelmor-icon.png'), readFileSync(join(pictureDir, 'hamburger@6x.png')));
const version = createHash('sha256').update(page).digest('hex').slice(0, 16);
writeFileSync(join(out, 'kvelmor-sw.js'), read('kvelmor-sw.js').replace('@VERSION@', version));
console.log(`${join(out, 'kvelmor.html')}: ${Buffer.byteLength(page)} bytes, ` +
  `${gzipSync(page, { level: 9 }).length} gzipped`);
