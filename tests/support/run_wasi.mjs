// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a WebAssembly program built for WASI under Node, as CTest runs a
// program built for another system under its emulator:
//   node --experimental-wasi-unstable-preview1 run_wasi.mjs PROGRAM.wasm [ARGUMENTS...]
import { readFileSync } from 'node:fs';
import { WASI } from 'node:wasi';

const [program, ...args] = process.argv.slice(2);
const wasi = new WASI({ version: 'preview1', args: [program, ...args], env: process.env, returnOnExit: true });
const module = await WebAssembly.compile(readFileSync(program));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
