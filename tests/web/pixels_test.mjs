// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page beside the Debian program's window, pixel by pixel, through one
// story of clicks: at start, after "9 - 6 + 1 = 4" and while choosing.
// Letters are drawn by another engine and may differ at their edges; every
// other pixel (controls, colours, the picture) must be the window's.
//   KVELMOR_WINDOW_PROGRAM=build/test/kvelmor node pixels_test.mjs
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import {
  check, clickItem, click, expectEqual, fileUrl, finish, framesAfterLoad, launch, open,
} from './browser.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const program = process.env.KVELMOR_WINDOW_PROGRAM;
const work = mkdtempSync(join(tmpdir(), 'kvelmor-pixels-'));
const browser = await launch();
const { tab, context } = await open(browser, fileUrl());

// Where each thing is clicked, taken from the page: the same places as the
// window's, which the pixels then confirm.
const centre = (selector) => tab.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return [Math.round(r.x + r.width / 2), Math.round(r.y + r.height / 2)];
});
const itemCentre = (list, text) => tab.$$eval(`#List1${list} [role=option]`, (options, t) => {
  const r = options.find((o) => o.textContent === t).getBoundingClientRect();
  return [Math.round(r.x + r.width / 2), Math.round(r.y + r.height / 2)];
}, text);
const story = [
  ['shot', 'start'],
  ['item', 0, '9'], ['item', 1, '6'], ['item', 0, '1'], ['button', 'Command10'],
  ['shot', 'measured'],
  ['button', 'Option11'],
  ['shot', 'choosing'],
];

// The page's pictures, and the clicks for the window, step by step.
const windowSteps = [];
const pageShots = {};
for (const [what, a, b] of story) {
  if (what === 'shot') {
    // The last click taken and drawn before anything is measured: the
    // browser may hand the page a click after it has said it was made.
    await framesAfterLoad(tab, 2);
    // Text may differ at its edges: its boxes, a little grown, are left out.
    const letters = await tab.evaluate(() => {
      const boxes = [];
      const walker = document.createTreeWalker(document.getElementById('window'), NodeFilter.SHOW_TEXT);
      while (walker.nextNode()) {
        const node = walker.currentNode;
        if (!node.textContent.trim() || node.parentElement.closest('[aria-hidden=false], .unseen')) continue;
        const range = document.createRange();
        range.selectNodeContents(node);
        for (const r of range.getClientRects())
          boxes.push([Math.floor(r.left) - 2, Math.floor(r.top) - 2, Math.ceil(r.right) + 2,
            Math.ceil(r.bottom) + 2]);
      }
      // The marks of the mode buttons are round: each engine smooths their
      // edges its own way, so they are held to a looser measure.
      const marks = [...document.querySelectorAll('#window .mark')].map((m) => {
        const r = m.getBoundingClientRect();
        return [r.left, r.top, r.right, r.bottom];
      });
      // The triangles of the scroll bars' arrows: Qt 6.8 draws each a pixel
      // wider than Qt 6.4, so there an edge may lie one pixel over.
      const arrows = [...document.querySelectorAll('#window .scrollbar .arrow')].map((m) => {
        const r = m.getBoundingClientRect();
        return [r.left, r.top, r.right, r.bottom];
      });
      return { boxes, marks, arrows };
    });
    pageShots[a] = { png: await tab.screenshot({ encoding: 'base64' }), letters };
    windowSteps.push(`shot ${a}`);
    continue;
  }
  const [x, y] = what === 'item' ? await itemCentre(a, b) : await centre(`#${a}`);
  windowSteps.push(`click ${x} ${y}`);
  if (what === 'item') await clickItem(tab, a, b);
  else await click(tab, a.replace(/(\d)$/, '($1)'));
}
await context.close();

execFileSync(join(here, 'window_shots.sh'), [program, work, ...windowSteps], { stdio: 'inherit' });

// Compared in the browser itself: both pictures drawn into canvases.
const compareTab = await browser.newPage();
for (const [name, { png, letters }] of Object.entries(pageShots)) {
  await check(`the page looks like the window ${name === 'start' ? 'at start' : name}`, async () => {
    const windowPng = readFileSync(join(work, `${name}.png`)).toString('base64');
    const result = await compareTab.evaluate(async (one, two, { boxes, marks, arrows }) => {
      const load = async (data) => {
        const image = new Image();
        image.src = `data:image/png;base64,${data}`;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context2d = canvas.getContext('2d');
        context2d.drawImage(image, 0, 0);
        return context2d.getImageData(0, 0, image.width, image.height);
      };
      const [a, b] = [await load(one), await load(two)];
      if (a.width !== b.width || a.height !== b.height)
        return { size: [a.width, a.height, b.width, b.height] };
      const inside = (rects, x, y) => rects.some(([l, t, r, bt]) => x >= l && x < r && y >= t && y < bt);
      const near = (i, j) => Math.max(Math.abs(a.data[i] - b.data[j]), Math.abs(a.data[i + 1] - b.data[j + 1]),
        Math.abs(a.data[i + 2] - b.data[j + 2])) <= 64;
      // Whether each picture has the other's colour one pixel from here.
      const shifted = (x, y) => {
        const i = (y * a.width + x) * 4;
        const around = [];
        for (let dy = -1; dy <= 1; ++dy) {
          for (let dx = -1; dx <= 1; ++dx) {
            if ((dx || dy) && x + dx >= 0 && x + dx < a.width && y + dy >= 0 && y + dy < a.height)
              around.push(((y + dy) * a.width + x + dx) * 4);
          }
        }
        return around.some((j) => near(j, i)) && around.some((j) => near(i, j));
      };
      let differ = 0;
      let letters = 0;
      const where = [];
      for (let y = 0; y < a.height; ++y) {
        for (let x = 0; x < a.width; ++x) {
          const i = (y * a.width + x) * 4;
          const distance = Math.max(Math.abs(a.data[i] - b.data[i]),
            Math.abs(a.data[i + 1] - b.data[i + 1]), Math.abs(a.data[i + 2] - b.data[i + 2]));
          if (distance <= (inside(marks, x, y) ? 64 : 25)) continue;
          if (inside(arrows, x, y) && shifted(x, y)) continue;
          if (inside(boxes, x, y)) {
            letters += 1;
          } else {
            differ += 1;
            if (where.length < 20) where.push([x, y]);
          }
        }
      }
      return { differ, letters, where };
    }, windowPng, png, letters);
    if (result.size) throw new Error(`sizes differ: ${result.size}`);
    console.log(`    ${name}: ${result.differ} pixels differ beyond the letters, ${result.letters} within them`);
    if (result.differ > 0) throw new Error(`pixels differ at ${JSON.stringify(result.where)}`);
  });
}
await browser.close();
if (!process.env.KVELMOR_KEEP) rmSync(work, { recursive: true, force: true });
else console.log(`pictures kept in ${work}`);
finish();
