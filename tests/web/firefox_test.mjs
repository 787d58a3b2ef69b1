// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A second engine: the same measurement, by mouse and by keys, in Debian's
// Firefox ESR, from a file, with nothing logged as an error.
import { check, click, clickItem, expectEqual, fileUrl, finish, launch, open, shown, until } from './browser.mjs';

const browser = await launch('firefox');

await check('a measurement by mouse and by keys in Firefox', async () => {
  const { tab, context, errors } = await open(browser, fileUrl());
  expectEqual(await tab.title(), 'Философия - Логика, везна и тежести', 'the title');
  await clickItem(tab, 0, '9');
  await clickItem(tab, 1, '6');
  await clickItem(tab, 0, '1');
  await click(tab, 'Command1(0)');
  let state = await shown(tab);
  expectEqual([state.lists[2].items, state.result], [['9', '-6', '1'], '9 - 6 + 1 = 4'], 'by mouse');
  await until(tab, () => [...document.querySelectorAll('[aria-live]')].map((e) => e.textContent).join('') === '9 минус 6 плюс 1 е равно на 4.',
    'the result being said');
  await click(tab, 'Command1(1)');
  // By keys: into the left pan, the last weight; the right pan's first.
  await tab.focus('#List10');
  await tab.keyboard.press('End');
  await tab.focus('#List11');
  await tab.keyboard.press('Home');
  await tab.focus('#Command10');
  await tab.keyboard.press('Enter');
  state = await shown(tab);
  expectEqual([state.lists[2].items, state.result], [['9', '-1'], '9 - 1 = 8'], 'by keys');
  expectEqual(errors, [], 'errors the page logged');
  await context.close();
});

await browser.close();
finish();
