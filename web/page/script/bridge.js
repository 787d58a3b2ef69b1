// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bridge to the core: the module unpacked and compiled, and each of its
// answers read out of its memory as JSON. A run-time error in the core is
// told to stopped(), then the call that ran into it throws.

const $ = (id) => document.getElementById(id);

// The page's data that comes after the script, read once it is parsed: the
// window is drawn before the browser has read through the core and the
// pictures.
const parsed = new Promise((resolve) => {
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', resolve, { once: true });
  else resolve();
});

// The photograph at both sizes and the page's icon.
const pictures = parsed.then(() => JSON.parse($('pictures').textContent));

// Begun as soon as the page is read, so that the module compiles while the
// pupil sees the window.
// What the page needs of the browser beyond drawing, asked before anything
// is drawn.
class Lacking extends Error {}
function needed() {
  if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
    throw new Lacking('no WebAssembly or DecompressionStream');
  }
}

async function compileCore() {
  await parsed;
  const base64 = $('core').textContent;
  const packed = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64.trim())
    : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const unpacked = new Response(packed).body.pipeThrough(new DecompressionStream('gzip'));
  const bytes = await new Response(unpacked).arrayBuffer();
  performance.mark('kvelmor:unpacked');
  const compiled = await WebAssembly.compile(bytes);
  performance.mark('kvelmor:compiled');
  return compiled;
}

// The core, instantiated from its compiled module; its calls answer parsed.
async function connectCore(compiled, stopped) {
  let exports = null;
  const utf8 = new TextDecoder();
  const text = (pointer, length) => utf8.decode(new Uint8Array(exports.memory.buffer, pointer, length));
  const instance = await WebAssembly.instantiate(compiled, {
    env: { kv_failed: (pointer, length) => stopped(text(pointer, length)) },
  });
  // Where the page is handed the module whole, not just the instance.
  exports = (instance.instance ?? instance).exports;
  exports._initialize();
  const answer = (pointer) => JSON.parse(text(pointer, exports.kv_length()));
  return {
    start: () => answer(exports.kv_start()),
    step: (kind, index, row) => answer(exports.kv_step(kind, index, row)),
    tellState: () => answer(exports.kv_tell_state()),
    rowForKey: (index, key, typed, rows) => exports.kv_row_for_key(index, key, typed, rows),
  };
}
