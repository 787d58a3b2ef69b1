// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on phones and tablets, in Chromium's emulation of each with a
// touch screen: upright phones, where the window does not fit and its
// controls are laid out for a finger, and a phone on its side and a tablet,
// where the window is drawn larger. At each size: a measurement and a
// choice by taps, every target against a finger's size, no sideways
// scrolling, text large enough to read, a swipe over the values that
// chooses none, axe-core, and the whole state said on F2. KVELMOR_KEEP=DIR
// keeps a picture of each.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { check, expectEqual, fileUrl, finish, launch, open, shown, until } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const browser = await launch();
const sizes = [[360, 640, 3], [390, 844, 3], [740, 360, 3], [768, 1024, 2]];

// Where a control or a row is, brought into sight first as a finger would.
const centre = (tab, selector, text) => tab.evaluate((s, t) => {
  const element = [...document.querySelectorAll(s)].find((e) => t === undefined || e.textContent === t);
  element.scrollIntoView({ block: 'center' });
  const r = element.getBoundingClientRect();
  return [r.x + r.width / 2, r.y + r.height / 2];
}, selector, text);
const tap = async (tab, selector, text) => {
  const [x, y] = await centre(tab, selector, text);
  await tab.touchscreen.tap(x, y);
};

// Every target a finger may meet, with its size; whether any two overlap;
// the smallest text; how far the page scrolls sideways.
const measure = (tab) => tab.evaluate(() => {
  const targets = [...document.querySelectorAll(
    '#window [role=option], #window button, #window [role=radio], #help-open, #window .scrollbar .arrow')]
    .filter((e) => e.getClientRects().length && !e.closest('[hidden]') &&
      getComputedStyle(e.closest('.scrollbar') ?? e).display !== 'none')
    .map((e) => {
      const r = e.getBoundingClientRect();
      return { what: e.id || e.textContent || e.className, row: e.getAttribute('role') === 'option',
        left: r.left, top: r.top + scrollY, right: r.right, bottom: r.bottom + scrollY };
    });
  const overlapping = [];
  targets.forEach((a, i) => targets.slice(i + 1).forEach((b) => {
    if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5)
      overlapping.push(`${a.what}/${b.what}`);
  }));
  const scale = document.getElementById('window').getBoundingClientRect().width /
    document.getElementById('window').offsetWidth;
  let smallest = Infinity;
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    const parent = walker.currentNode.parentElement;
    if (!walker.currentNode.textContent.trim() || !parent.getClientRects().length ||
      parent.closest('.unseen, [hidden], dialog:not([open]), script')) continue;
    smallest = Math.min(smallest, parseFloat(getComputedStyle(parent).fontSize) *
      (parent.closest('#window') ? scale : 1));
  }
  return { targets, overlapping, smallest, sideways: document.documentElement.scrollWidth -
    document.documentElement.clientWidth, narrow: document.body.classList.contains('narrow') };
});

for (const [width, height, scale] of sizes) {
  await check(`by taps on a ${width}×${height} touch screen`, async () => {
    const { tab, context, errors } = await open(browser, fileUrl(),
      { width, height, scale, mobile: true });
    let sizes = await measure(tab);
    const narrow = width < 494;
    expectEqual(sizes.narrow, narrow, 'the window laid out for a finger');
    expectEqual(sizes.sideways, 0, 'sideways scrolling');
    if (sizes.smallest < 16) throw new Error(`text of ${sizes.smallest.toFixed(1)} px`);
    // Taps place weights, press a button and choose a mode, at once.
    expectEqual(await tab.$eval('#window', (w) => getComputedStyle(w).touchAction), 'manipulation',
      'no waiting for a double tap');
    // Nothing moves under the finger as a weight is placed.
    const below = () => tab.$eval('#Command10', (b) => b.getBoundingClientRect().top + scrollY);
    const before = await below();
    await tap(tab, '#List10 [role=option]', '1');
    await tap(tab, '#List11 [role=option]', '6');
    expectEqual(await below(), before, 'where "Изчисли" stands after two weights are placed');
    await tap(tab, '#Command10');
    expectEqual((await shown(tab)).result, '1 - 6 = -5', 'a measurement by taps');
    await tab.keyboard.press('F2');
    await until(tab, () => [...document.querySelectorAll('[aria-live]')].some((e) => e.textContent
      .startsWith('В лявото блюдо е 1, в дясното е 6. Можете да поставите тежестта 9. ' +
        '1 минус 6 е равно на минус 5.')), 'the whole state said on F2');
    // Nor as the pupil chooses: neither the mode button nor the list of
    // values, whose rows below a chosen one move up into its place.
    const top = (selector, text) => tab.evaluate((s, t) => [...document.querySelectorAll(s)]
      .find((e) => t === undefined || e.textContent === t).getBoundingClientRect().top + scrollY, selector, text);
    const mode = await top('#Option11');
    await tap(tab, '#Option11');
    expectEqual(await top('#Option11'), mode, 'where "Избира" stands once chosen');
    const values = await top('#List13');
    for (const value of ['2', '5', '7']) await tap(tab, '#List13 [role=option]', value);
    expectEqual(await top('#List13'), values, 'where the values stand as three are chosen');
    let state = await shown(tab);
    expectEqual(state.lists[4].items, ['2', '5', '7'], 'a choice by taps');
    await tap(tab, '#Option10');
    state = await shown(tab);
    expectEqual([state.modes[0].checked, state.lists[0].items], [true, ['2', '5', '7']], 'measuring with it');

    // Every target as large as a finger where the window is laid out for
    // one, and no two overlapping; drawn larger, a row a touch target's height.
    sizes = await measure(tab);
    expectEqual(sizes.overlapping, [], 'overlapping targets');
    const small = sizes.targets.filter((t) => (narrow
      ? t.right - t.left < 44 || t.bottom - t.top < 44 : t.row && t.bottom - t.top < 24))
      .map((t) => `${t.what} ${(t.right - t.left).toFixed(1)}×${(t.bottom - t.top).toFixed(1)}`);
    expectEqual(small, [], 'targets too small');
    const least = (list, side) => Math.min(...list.map(side)).toFixed(1);
    const rows = sizes.targets.filter((t) => t.row);
    console.log(`    ${width}×${height}: ${sizes.targets.length} targets, the least ` +
      `${least(sizes.targets, (t) => t.right - t.left)} wide and ${least(sizes.targets, (t) => t.bottom - t.top)} ` +
      `high; rows ${least(rows, (t) => t.bottom - t.top)} high; text ${sizes.smallest.toFixed(1)} px at the least`);
    if (narrow) {
      expectEqual(sizes.targets.filter((t) => t.what.includes('arrow')).length, 0, 'scroll arrows left');
      // The lists and the instructions show all they hold, the page scrolls.
      const overflowing = await tab.$$eval('#window .rows, #window .textBox .content',
        (all) => all.filter((e) => e.getClientRects().length && e.scrollHeight > e.clientHeight + 1)
          .map((e) => e.parentElement.id));
      expectEqual(overflowing, [], 'boxes that scroll');
      const photo = await tab.$eval('#Picture1 img', (i) => [i.getBoundingClientRect().width, i.naturalWidth]);
      if (photo[0] < width - 40 || photo[1] !== 390) throw new Error(`the photograph: ${photo}`);
    }
    // A finger drawn down a list chooses and places nothing: it scrolls the
    // page where the list shows all it holds, else the list.
    const swipe = async (list, row) => {
      const [x, y] = await centre(tab, `#List1${list} [role=option]`, row);
      const [scrolled, scrolls] = await tab.evaluate((l) => {
        const rows = document.querySelector(`#List1${l} .rows`);
        const list = rows.scrollHeight > rows.clientHeight + 1;
        const room = list ? rows.scrollHeight - rows.clientHeight : document.documentElement.scrollHeight - innerHeight;
        return [[scrollY, rows.scrollTop], room > 1 ? (list ? rows.scrollTop : scrollY) : -1];
      }, list);
      // Up where there is room above, else down; a page that fits has nothing to scroll.
      const by = scrolls > 0 ? 12 : -12;
      await tab.touchscreen.touchStart(x, y);
      for (let step = 1; step <= 6; ++step) await tab.touchscreen.touchMove(x, y + by * step);
      await tab.touchscreen.touchEnd();
      if (scrolls >= 0) {
        await until(tab, (l, b) => scrollY !== b[0] || document.querySelector(`#List1${l} .rows`).scrollTop !== b[1],
          `the swipe on List1(${list}) scrolling`, list, scrolled);
      }
    };
    await swipe(0, '5');
    expectEqual((await shown(tab)).lists[2].items, [], 'nothing placed by the swipe');
    // By key: a tap just after a swipe may be taken for the swipe's end.
    await tab.focus('#Option11');
    await tab.keyboard.press(' ');
    await swipe(3, '5');
    expectEqual((await shown(tab)).lists[4].items, [], 'nothing chosen by the swipe');
    // The help's button as large as a finger too.
    await tab.keyboard.press('F1');
    const close = await tab.$eval('#help-close', (b) => [b.offsetWidth, b.offsetHeight]);
    if (close[0] < 44 || close[1] < 44) throw new Error(`the help's button is ${close}`);
    await tab.keyboard.press('Escape');
    await tab.evaluate(axeSource);
    const violations = await tab.evaluate(async () => (await window.axe.run(document)).violations
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    expectEqual(violations, [], 'axe-core\'s violations');
    expectEqual(errors, [], 'errors the page logged');
    if (process.env.KVELMOR_KEEP) {
      await tab.evaluate(() => scrollTo(0, 0));
      await tab.screenshot({ path: join(process.env.KVELMOR_KEEP, `page-${width}x${height}.png`) });
    }
    await context.close();
  });
}

// Turned on its side, an upright phone's layout gives way to the window: the
// long list of values gets its scroll bar back, and scrolls.
await check('a phone turned on its side', async () => {
  const { tab, context } = await open(browser, fileUrl(), { width: 360, height: 640, scale: 3, mobile: true });
  await tap(tab, '#Option11');
  await tab.setViewport({ width: 740, height: 360, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
  await until(tab, () => document.body.classList.contains('wide') &&
    document.getElementById('List13').classList.contains('scrolls'), 'the values scrolling in the window');
  await tab.$eval('#List13 .scrollbar .down', (down) => down.dispatchEvent(new MouseEvent('mousedown')));
  await until(tab, () => document.querySelector('#List13 .rows').scrollTop > 0, 'the arrow scrolling the values');
  await context.close();
});

await browser.close();
finish();
