// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's size, and its time from navigation to taking input in headless
// Chromium against a page that shows one caption in the same font, measured
// in the same run, alternating, as medians over many loads; and each step of
// the page's own start-up, from the marks the page sets.
//   node bench/page_startup.mjs [build/web/page/kvelmor.html [LOADS]]
// (run with tests/web's node_modules, which scripts/test installs)
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

const require = createRequire(resolve('tests/web/package.json'));
const { default: puppeteer } = await import(require.resolve('puppeteer-core'));
const page = resolve(process.argv[2] ?? 'build/web/page/kvelmor.html');
const loads = Number(process.argv[3] ?? 40);

const html = readFileSync(page);
const gzipped = gzipSync(html, { level: 9 }).length;
console.log(`kvelmor.html: ${html.length} bytes (goal under 150 KB), ${gzipped} gzipped (goal under 60 KB)`);

// The floor: one caption, in the page's own font, ready as soon as its script runs.
const work = mkdtempSync(join(tmpdir(), 'kvelmor-bench-'));
const font = html.toString().match(/url\("(data:font\/woff2;base64,[^"]*)"\)/)[1];
const floor = join(work, 'caption.html');
writeFileSync(floor, `<!doctype html><html lang="bg"><head><meta charset="utf-8"><title>Логика</title>
<style>@font-face{font-family:"Kvelmor Serif";src:url("${font}") format("woff2")}
body{font:16px "Kvelmor Serif"}</style></head><body><div>Логика - везна и комбинации от тежести</div>
<script>document.body.classList.add('ready');</script></body></html>`);

const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  userDataDir: join(work, 'profile'), args: ['--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
const tab = await browser.newPage();
// The moment the page marks itself ready, since navigation began.
await tab.evaluateOnNewDocument(() => {
  new MutationObserver((_, observer) => {
    if (document.body?.classList.contains('ready')) {
      window.readyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { attributes: true, subtree: true, childList: true });
});
// Where the page's own start-up goes, step by step, from the marks it sets.
const steps = {};
const time = async (file) => {
  await tab.goto(`file://${file}`);
  await tab.waitForFunction(() => window.readyAt !== undefined);
  if (file === page) {
    await tab.waitForFunction(() => performance.getEntriesByName('kvelmor:started').length);
    const marks = await tab.evaluate(() => {
      const nav = performance.getEntriesByType('navigation')[0];
      return [['file read', nav.responseEnd],
        ...performance.getEntriesByType('mark').map((m) => [m.name.replace('kvelmor:', ''), m.startTime]),
        ['page read', nav.domContentLoadedEventStart]];
    });
    for (const [name, at] of marks) (steps[name] ??= []).push(at);
  }
  return tab.evaluate(() => window.readyAt);
};
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const own = [];
const base = [];
for (let i = 0; i < loads; ++i) {
  if (i % 2) { own.push(await time(page)); base.push(await time(floor)); }
  else { base.push(await time(floor)); own.push(await time(page)); }
}
await browser.close();
rmSync(work, { recursive: true, force: true });
const [a, b] = [median(own), median(base)];
// The steps in the order they come, each with the time since the one before.
const stepsInOrder = Object.entries(steps).map(([name, at]) => [name, median(at)]).filter(([, at]) => at > 0)
  .sort((x, y) => x[1] - y[1]);
let before = 0;
for (const [name, at] of stepsInOrder) {
  console.log(`  ${name.padEnd(10)} at ${at.toFixed(1).padStart(6)} ms (+${(at - before).toFixed(1)})`);
  before = at;
}
console.log(`ready for input: median ${a.toFixed(1)} ms, one caption ${b.toFixed(1)} ms, ` +
  `ratio ${(a / b).toFixed(2)} (goal 1.3 at most), over ${loads} loads each`);
