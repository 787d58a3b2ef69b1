// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bridge to the core: the module unpacked and compiled, and each of its
// answers read out of its memory as JSON. A run-time error in the core is
// told to stopped(), then the call that ran into it throws.

const $ = (id) => document.getElementById(id);

// Begun as soon as the script runs, so that the module compiles while the
// page builds the window from the face it carries.
function compileCore() {
  if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
    return Promise.reject(new Error('no WebAssembly or DecompressionStream'));
  }
  const base64 = $('core').textContent;
  const packed = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64.trim())
    : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const unpacked = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Response(unpacked).arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
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
    face: () => answer(exports.kv_face()),
    start: () => answer(exports.kv_start()),
    step: (kind, index, row) => answer(exports.kv_step(kind, index, row)),
    tellState: () => answer(exports.kv_tell_state()),
    rowForKey: (index, key, typed, rows) => exports.kv_row_for_key(index, key, typed, rows),
  };
}
