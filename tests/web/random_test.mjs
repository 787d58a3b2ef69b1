// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random real input to the page in Chromium: clicks anywhere, on controls or
// not, double clicks, taps and keys. After every action the exercise's
// invariants hold as the page shows them, and nothing is logged as an
// error; the module's memory and the page's heap are the same after 10,000
// actions as after 1,000. A fixed seed replays a failure; KVELMOR_SEED tries
// another.
import { check, expectEqual, fileUrl, finish, launch, open } from './browser.mjs';

const seed = Number(process.env.KVELMOR_SEED ?? 20261209);
console.log(`seed ${seed} (set KVELMOR_SEED to replay another)`);
// mulberry32: small, and the same everywhere.
let state = seed >>> 0;
const random = () => {
  state = (state + 0x6d2b79f5) >>> 0;
  let t = state;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const pick = (list) => list[Math.floor(random() * list.length)];
const keys = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Home', 'End', 'PageUp', 'PageDown',
  ' ', 'Enter', 'Tab', '1', '5', '9', 'a', 'Escape'];
const controls = ['List10', 'List11', 'List12', 'List13', 'List14', 'Option10', 'Option11',
  'Command10', 'Command11', 'Label10', 'Picture1', 'Text10'];

const browser = await launch();
const { tab, context, errors } = await open(browser, fileUrl(), {
  touch: true,
  before: () => {
    const instantiate = WebAssembly.instantiate;
    WebAssembly.instantiate = async (...args) => {
      const made = await instantiate(...args);
      window.kvelmorMemory = (made.instance ?? made).exports.memory;
      return made;
    };
  },
});
await tab.waitForFunction(() => window.kvelmorMemory);
const cdp = await tab.createCDPSession();

// What must hold after every action, as the page shows it: both pans hold
// the same weights in the same order, and while measuring every chosen
// weight is in play once, in the pans or placed.
const broken = () => tab.evaluate(() => {
  const items = (i) => [...document.querySelectorAll(`#List1${i} [role=option]`)].map((o) => o.textContent);
  if (items(0).join() !== items(1).join()) return 'the pans differ';
  if (!document.getElementById('List13').hidden) return '';
  const inPlay = [...items(0), ...items(2).map((e) => e.replace(/^-/, ''))].sort();
  return inPlay.join() === items(4).join() ? '' : 'the weights in play differ from the chosen ones';
});

const measure = async () => {
  await cdp.send('HeapProfiler.collectGarbage');
  const { usedSize } = await cdp.send('Runtime.getHeapUsage');
  return [await tab.evaluate(() => window.kvelmorMemory.buffer.byteLength), usedSize];
};

let after1000 = null;
await check('random input keeps the page sound and its memory flat', async () => {
  const box = await tab.$eval('#window', (w) => [w.offsetWidth, w.offsetHeight]);
  const places = {};
  for (const id of controls)
    places[id] = await tab.$eval(`#${id}`, (e) => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; });
  for (let step = 1; step <= 10000; ++step) {
    const kind = random();
    let what;
    if (kind < 0.6) {
      // Half the clicks aim at a control, half anywhere in the window.
      let [x, y] = [random() * box[0], random() * box[1]];
      if (kind < 0.3) {
        const [l, t, w, h] = places[pick(controls)];
        [x, y] = [l + random() * w, t + random() * h];
      }
      what = `click at ${Math.round(x)},${Math.round(y)}`;
      if (kind < 0.05) await tab.touchscreen.tap(x, y);
      else await tab.mouse.click(x, y, { clickCount: kind > 0.55 ? 2 : 1 });
    } else {
      const key = pick(keys);
      what = `key ${key}`;
      await tab.keyboard.press(key);
    }
    const reason = await broken();
    if (reason) throw new Error(`seed ${seed} step ${step}, ${what}: ${reason}`);
    if (errors.length) throw new Error(`seed ${seed} step ${step}, ${what}: ${errors.join('; ')}`);
    if (step === 1000) after1000 = await measure();
  }
  const after10000 = await measure();
  console.log(`    memory after 1,000 actions: module ${after1000[0]} B, heap ${after1000[1]} B; ` +
    `after 10,000: module ${after10000[0]} B, heap ${after10000[1]} B`);
  expectEqual(after10000[0], after1000[0], 'the module\'s memory');
  if (after10000[1] > after1000[1] * 1.25 + 512 * 1024)
    throw new Error(`the heap grew from ${after1000[1]} to ${after10000[1]} bytes`);
});

await context.close();
await browser.close();
finish();
