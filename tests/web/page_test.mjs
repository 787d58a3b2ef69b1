// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a pupil meets it in Debian's Chromium, opened from a file and
// from a web server, and in Firefox ESR: measurements by mouse and by keys,
// a whole one by keyboard in the window's focus order; what a screen reader
// is given; a run-time error; a failure at start-up; and no request leaving.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import {
  check, click, clickItem, expectEqual, fileUrl, finish, framesAfterLoad, launch, open, serve, shown, until,
} from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

const browser = await launch();
const firefox = await launch('firefox');
const server = await serve();
const said = () => [...document.querySelectorAll('[aria-live]')].map((e) => e.textContent).join('');

// Two engines: Chromium, from a file and from a web server; Firefox ESR.
for (const [where, engine, url] of [['in Chromium, from a file', browser, fileUrl()],
  ['in Chromium, from a web server', browser, server.url], ['in Firefox ESR, from a file', firefox, fileUrl()]]) {
  await check(`a measurement by mouse and one by keys, ${where}`, async () => {
    const { tab, context, errors, requests } = await open(engine, url);
    expectEqual(await tab.title(), 'Философия, Логика, везна и тежести', 'the title, without a dash to be read');
    expectEqual(await tab.$eval('html', (h) => h.lang), 'bg', 'the language');
    let state = await shown(tab);
    expectEqual(state.lists.map((l) => l.items), [['1', '6', '9'], ['1', '6', '9'], [],
      ['2', '3', '4', '5', '7', '8'], ['1', '6', '9']], 'the lists at start');
    expectEqual(state.lists.map((l) => l.visible), [true, true, true, false, false], 'lists shown');
    await clickItem(tab, 0, '9');
    await clickItem(tab, 1, '6');
    await clickItem(tab, 0, '1');
    await click(tab, 'Command1(0)');
    await until(tab, said, 'the result being said');
    state = await shown(tab);
    expectEqual(state.lists[2].items, ['9', '-6', '1'], 'the placed list');
    expectEqual(state.result, '9 - 6 + 1 = 4', 'the result');
    expectEqual(state.spoken, '9 минус 6 плюс 1 е равно на 4.', 'what a screen reader is told');
    await click(tab, 'Command1(1)');
    await until(tab, () => [...document.querySelectorAll('[aria-live]')].some((e) =>
      e.textContent.startsWith('Везната')), 'the clear balance being said');
    state = await shown(tab);
    expectEqual([state.lists[0].items, state.lists[2].items, state.result],
      [['1', '6', '9'], [], ''], 'after "Изчисти"');
    // By keys: the left pan's last weight, the right pan's first, "Изчисли".
    await tab.focus('#List10');
    await tab.keyboard.press('End');
    await tab.focus('#List11');
    await tab.keyboard.press('Home');
    await tab.focus('#Command10');
    await tab.keyboard.press('Enter');
    state = await shown(tab);
    expectEqual([state.lists[2].items, state.result], [['9', '-1'], '9 - 1 = 8'], 'by keys');
    // F2 says the whole state where the focus is, F1 opens the help over
    // it, and Escape gives the focus back; the exercise is untouched.
    await tab.focus('#List11');
    await tab.keyboard.press('F2');
    await until(tab, () => [...document.querySelectorAll('[aria-live]')].some((e) => e.textContent
      .startsWith('В лявото блюдо е 9, в дясното е 1. Можете да поставите тежестта 6. 9 минус 1 е равно на 8.')),
    'the whole state being said');
    await tab.keyboard.press('F1');
    const help = await tab.$eval('#help', (d) => [d.open, d.querySelector('h1').textContent,
      d.querySelectorAll('li').length, document.activeElement.id,
      document.getElementById('help-open').getAttribute('aria-label')]);
    expectEqual(help, [true, 'Помощ', 9, 'help', 'Помощ, F1'], 'the help');
    await tab.keyboard.press('Escape');
    expectEqual(await tab.$eval('#help', (d) => [d.open, document.activeElement.id]), [false, 'List11'],
      'the help closed, the focus back');
    expectEqual((await shown(tab)).lists[2].items, ['9', '-1'], 'the exercise after the help');
    expectEqual(errors, [], 'errors the page logged');
    // Nothing is fetched but the page; over http, its manifest and service worker.
    const others = requests.filter((r) => r !== url && !r.startsWith('data:') &&
      !/kvelmor(\.webmanifest|-sw\.js|-icon\.png)$/.test(r));
    expectEqual(others, [], 'requests beyond the page');
    if (url.startsWith('http')) {
      // Once visited, it starts with no network, from what its worker kept.
      await tab.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await tab.setOfflineMode(true);
      await tab.reload();
      await tab.waitForSelector('body.ready');
      expectEqual((await shown(tab)).lists[0].items, ['1', '6', '9'], 'the page offline');
    }
    await context.close();
  });
}
await firefox.close();

await check('a whole measurement by keyboard, in the window\'s focus order', async () => {
  const { tab, context } = await open(browser, fileUrl());
  const focus = async () => (await shown(tab)).focus;
  // Tab past the last control leaves the page for the browser's own, and the
  // next comes back to the first: that stop is not the window's.
  const key = async (name) => {
    await tab.keyboard.press(name);
    if (name === 'Tab' && !await focus()) await tab.keyboard.press(name);
  };
  expectEqual(await focus(), 'Text10', 'the focus at start');
  const order = [];
  for (let i = 0; i < 8; ++i) {
    await key('Tab');
    order.push(await focus());
  }
  expectEqual(order, ['List10', 'Text20', 'List11', 'Command11', 'List12', 'Command10',
    'Option10', 'Text10'], 'the focus order');
  // Choose 2, 5, 7 as the weights, then measure 7 - 2 + 5 on them.
  while (await focus() !== 'Option10') await key('Tab');
  expectEqual(await focus(), 'Option10', 'on the first mode button');
  await key('ArrowDown');
  expectEqual(await focus(), 'Option11', 'the arrow moves to the other mode');
  expectEqual((await shown(tab)).modes.map((m) => m.checked), [false, false], 'nothing selected yet');
  await key(' ');
  let state = await shown(tab);
  expectEqual(state.modes.map((m) => m.checked), [false, true], 'choosing selected');
  expectEqual(state.focus, 'List13', 'the focus moves on to the values');
  for (const digit of ['2', '5', '7']) await key(digit);
  state = await shown(tab);
  expectEqual(state.lists[4].items, ['2', '5', '7'], 'the chosen weights');
  await until(tab, () => [...document.querySelectorAll('[aria-live]')].map((e) => e.textContent).join('').includes('Вече можете'),
    'the finished choice being said');
  await tab.keyboard.down('Shift');
  await key('Tab');
  await tab.keyboard.up('Shift');
  expectEqual(await focus(), 'Option11', 'back on the mode');
  await key('ArrowUp');
  state = await shown(tab);
  expectEqual(state.modes.map((m) => m.checked), [true, false], 'measuring selected by the arrow');
  expectEqual(state.lists[0].items, ['2', '5', '7'], 'the pans');
  await key('Tab');
  await key('Tab');
  expectEqual(await focus(), 'List10', 'the left pan');
  await key('End');
  await key('Tab');
  await key('Tab');
  expectEqual(await focus(), 'List11', 'the right pan');
  await key('ArrowDown');
  await tab.keyboard.down('Shift');
  await key('Tab');
  await key('Tab');
  await tab.keyboard.up('Shift');
  await key('Home');
  expectEqual((await shown(tab)).lists[2].items, ['7', '-2', '5'], 'the placed list');
  for (let i = 0; i < 5; ++i) await key('Tab');
  expectEqual(await focus(), 'Command10', '"Изчисли"');
  await key('Enter');
  expectEqual((await shown(tab)).result, '7 - 2 + 5 = 10', 'the result by Enter');
  // Pressed again, the result is said again: new text in a live region.
  const regions = () => tab.$$eval('[aria-live]', (all) => all.map((e) => e.textContent.trim()));
  const first = await regions();
  await key(' ');
  const again = await regions();
  const sentence = '7 минус 2 плюс 5 е равно на 10.';
  expectEqual([first.filter(Boolean), again.filter(Boolean)], [[sentence], [sentence]], 'the result said twice');
  if (first.indexOf(sentence) === again.indexOf(sentence))
    throw new Error('said again into the same live region, which speaks only what is new');
  await context.close();
});

await check('what a screen reader is given', async () => {
  const { tab, context } = await open(browser, fileUrl());
  await clickItem(tab, 1, '6');
  await clickItem(tab, 0, '9');
  await click(tab, 'Command1(0)');
  const tree = await tab.accessibility.snapshot({ interestingOnly: false });
  const all = [];
  const walk = (node) => { all.push(node); (node.children ?? []).forEach(walk); };
  walk(tree);
  const named = (role, name) => all.find((n) => n.role === role && n.name === name);
  for (const [role, name] of [['listbox', 'Ляво'], ['listbox', 'Дясно'],
    ['listbox', 'Поставени тежести'], ['button', 'Изчисли'], ['button', 'Изчисти'],
    ['radio', 'Измерва'], ['radio', 'Избира'], ['textbox', 'Измервана маса'],
    ['textbox', 'Условие на задачата'], ['image', 'Везна с тежести'], ['radiogroup', 'Режим']]) {
    if (!named(role, name)) throw new Error(`no ${role} named ${name}`);
  }
  const placed = named('listbox', 'Поставени тежести');
  expectEqual(placed.description, 'минус 6 и 9', 'the placed list, as it is said');
  const options = [];
  const find = (node) => { if (node.role === 'option') options.push(node.name); (node.children ?? []).forEach(find); };
  find(placed);
  expectEqual(options, ['минус 6', '9'], 'its items');
  const text = (node) => [node.name, ...(node.children ?? []).map(text)].join(' ');
  const result = text(named('textbox', 'Измервана маса'));
  if (!result.includes('минус 6 плюс 9 равно на 3') || result.includes('-6'))
    throw new Error(`the result reads: ${result}`);
  const instructions = text(named('textbox', 'Условие на задачата'));
  if (!instructions.includes('от 1 до 10') || instructions.includes('[1..10]'))
    throw new Error('the instructions are not read for the ear');
  expectEqual(named('main', 'Философия, Логика, везна и тежести')?.description, 'Натиснете F1 за помощ.',
    'the main region, with the help told');
  const live = await tab.$eval('#spoken', (s) => s.getAttribute('aria-live'));
  expectEqual(live, 'polite', 'the live region');
  // axe-core, measuring and choosing, finds nothing wrong.
  await tab.evaluate(axeSource);
  const audit = () => tab.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  expectEqual(await audit(), [], 'axe-core\'s violations while measuring');
  await click(tab, 'Option1(1)');
  expectEqual(await audit(), [], 'axe-core\'s violations while choosing');
  await tab.keyboard.press('F1');
  expectEqual(await audit(), [], 'axe-core\'s violations with the help open');
  await context.close();
});

// The window takes input as soon as it is drawn; what the pupil does
// before the core is there waits for it, in order, and is lost to nothing.
await check('input before the core is there waits for it', async () => {
  const { tab, context } = await open(browser, fileUrl(), {
    before: () => {
      const instantiate = WebAssembly.instantiate;
      WebAssembly.instantiate = async (...args) => {
        await new Promise((resolve) => { window.letCoreIn = resolve; });
        return instantiate(...args);
      };
    },
  });
  await tab.waitForFunction(() => window.letCoreIn);
  // The rows the pupil clicks have moved by the time the core takes them.
  await clickItem(tab, 0, '1');
  await clickItem(tab, 1, '6');
  await click(tab, 'Command1(0)');
  await tab.focus('#List10');
  await tab.keyboard.press('End');
  expectEqual((await shown(tab)).lists[2].items, [], 'placed before the core is there');
  await tab.evaluate(() => window.letCoreIn());
  await until(tab, () => document.querySelector('#Text20').textContent.startsWith('1 - 6'), 'the result');
  const state = await shown(tab);
  expectEqual([state.lists[2].items, state.result], [['1', '-6', '9'], '1 - 6 = -5'], 'the input, in order');
  await context.close();
});

// A pupil who acts as the page loads, the core coming in just then, hears
// what they did: how to get help is not said over it.
await check('what the pupil does as the page loads is not said over', async () => {
  const { tab, context } = await open(browser, fileUrl(), {
    before: () => {
      const instantiate = WebAssembly.instantiate;
      const loaded = new Promise((resolve) => addEventListener('load', () => {
        document.getElementById('Option10').click();
        resolve();
      }, { once: true }));
      WebAssembly.instantiate = async (...args) => { await loaded; return instantiate(...args); };
    },
  });
  await framesAfterLoad(tab, 3);
  await until(tab, said, 'the action being said');
  const told = await tab.evaluate(said);
  if (!told.startsWith('Режим Измерва.')) throw new Error(`a screen reader is told: ${told}`);
  await context.close();
});

await check('a run-time error ends the exercise with its report', async () => {
  // The core, caught as the page makes it, is asked for a list that does not
  // exist, as a fault of its own would.
  const { tab, context } = await open(browser, fileUrl(), {
    before: () => {
      const instantiate = WebAssembly.instantiate;
      WebAssembly.instantiate = async (...args) => {
        const made = await instantiate(...args);
        window.kvelmorCore = (made.instance ?? made).exports;
        return made;
      };
    },
  });
  await tab.waitForFunction(() => window.kvelmorCore);
  await tab.evaluate(() => { try { window.kvelmorCore.kv_step(0, 7, 0); } catch { /* it stopped */ } });
  const dialog = await tab.$eval('#failure', (d) => [d.open, d.querySelector('h1').textContent,
    d.querySelector('p').textContent]);
  expectEqual(dialog.slice(0, 2), [true, 'Грешка при изпълнение'], 'the report');
  if (!dialog[2].startsWith('Възникна грешка и програмата ще бъде затворена.') ||
      !dialog[2].includes('List1'))
    throw new Error(`the report says: ${dialog[2]}`);
  // Closed, the report stays in place of the window, which takes nothing more.
  await tab.click('#failure button');
  await until(tab, () => !document.getElementById('unsupported').hidden, 'the report after its dialog');
  expectEqual(await tab.$eval('#unsupported', (p) => p.textContent), dialog[2], 'the report in place');
  expectEqual(await tab.$('#window'), null, 'the window after the error');
  await tab.keyboard.press('F1');
  expectEqual(await tab.$eval('#help', (d) => d.open), false, 'the help once the exercise has ended');
  await context.close();
});

// A failure at any point of start-up says so in Bulgarian, and leaves no
// half-made window: a browser without WebAssembly or a call the page makes,
// the core stopping as it gives the face, and a run-time error the core
// reports as the exercise starts, whose report is shown.
const core = (change) => `(() => {
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = async (module, imports) => {
    const made = await instantiate(module, imports);
    const exports = { ...(made.instance ?? made).exports };
    (${change})(exports, imports);
    return { exports };
  };
})()`;
const failures = [
  ['without WebAssembly', 'delete window.WebAssembly', 'WebAssembly'],
  ['without DecompressionStream', 'delete window.DecompressionStream', 'WebAssembly'],
  ['without replaceChildren', 'delete Element.prototype.replaceChildren', 'WebAssembly'],
  ['whose core cannot be compiled',
    "WebAssembly.compile = () => Promise.reject(new WebAssembly.CompileError('damaged'))", 'повреден'],
  ['whose core stops as it starts', core(`(exports) => {
    exports.kv_start = () => { throw new WebAssembly.RuntimeError('unreachable'); };
  }`), 'повреден'],
  ['whose core reports an error as it starts', core(`(exports, imports) => {
    exports.kv_start = () => {
      const report = new TextEncoder().encode('Възникна грешка при старта.');
      const at = exports.kv_step(0, 0, -1);
      new Uint8Array(exports.memory.buffer).set(report, at);
      imports.env.kv_failed(at, report.length);
      throw new WebAssembly.RuntimeError('unreachable');
    };
  }`), 'Възникна грешка при старта.'],
];
for (const [what, before, says] of failures) {
  await check(`a page ${what} says so in Bulgarian`, async () => {
    const { tab, context } = await open(browser, fileUrl(), { before });
    await until(tab, () => [...document.querySelectorAll('.unsupported')].some((p) => !p.hidden),
      'a message in place of the window');
    const message = await tab.$$eval('.unsupported', (all) => all.filter((p) => !p.hidden && p.closest('body'))
      .map((p) => p.textContent).join(''));
    if (!message.includes(says) || !/^[А-Я]/.test(message)) throw new Error(`the page says: ${message}`);
    expectEqual(await tab.$('#window'), null, 'a half-made window left');
    // Nor is the pupil told, as the page loads, of a help that is no more.
    await framesAfterLoad(tab, 3);
    expectEqual(await tab.$$eval('[aria-live]', (all) => all.map((r) => r.textContent).join('')), '',
      'what a screen reader is told after the message');
    await context.close();
  });
}

// High contrast drops backgrounds and shadows: each control the pupil
// sees keeps a line all round it in the system's colours, found in the
// picture; the focused one a ring in the highlight colour; the photograph
// stays.
await check('every control keeps its outline in high contrast', async () => {
  const { tab, context } = await open(browser, fileUrl(), { scale: 2 });
  await (await tab.createCDPSession()).send('Emulation.setEmulatedMedia',
    { features: [{ name: 'forced-colors', value: 'active' }] });
  await click(tab, 'Option1(1)');
  await tab.focus('#List13');
  const png = await tab.screenshot({ encoding: 'base64' });
  const found = await tab.evaluate(async (data) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    [canvas.width, canvas.height] = [image.width, image.height];
    const context2d = canvas.getContext('2d');
    context2d.drawImage(image, 0, 0);
    const { data: pixels, width } = context2d.getImageData(0, 0, image.width, image.height);
    const scale = image.width / innerWidth;
    const rgba = (css) => {
      const [r, g, b, a = 1] = css.match(/[\d.]+/g).map(Number);
      return [[r, g, b], a];
    };
    const [canvasColour] = rgba(getComputedStyle(document.body).backgroundColor);
    // The highlight as drawn over the background, which it may let show through.
    const highlight = (() => {
      const probe = document.createElement('div');
      probe.style.color = 'Highlight';
      document.body.append(probe);
      const [colour, alpha] = rgba(getComputedStyle(probe).color);
      probe.remove();
      return colour.map((v, k) => alpha * v + (1 - alpha) * canvasColour[k]);
    })();
    const at = (x, y) => {
      const i = (Math.round(y * scale) * width + Math.round(x * scale)) * 4;
      return [pixels[i], pixels[i + 1], pixels[i + 2]];
    };
    const same = (a, b) => a.every((v, k) => Math.abs(v - b[k]) < 40);
    // The share of points along each edge, a pixel within it, that are
    // not the background, and whether the focus shows as the highlight.
    const controls = [...document.querySelectorAll('#window .control')].filter((e) => e.getClientRects().length);
    return controls.map((element) => {
      const r = element.getBoundingClientRect();
      const points = [];
      // The frame's line runs through its title, half a line down.
      const frame = element.classList.contains('frame');
      const [top, right, bottom] = frame ? [r.top + 8.5, r.right - 1.6, r.bottom - 1.6]
        : [r.top + 0.5, r.right - 0.6, r.bottom - 0.6];
      for (let x = r.left + 2; x < right - 2; x += 2) points.push(...(frame ? [] : [[x, top]]), [x, bottom]);
      for (let y = top + 2; y < bottom - 2; y += 2) points.push([r.left + 0.5, y], [right, y]);
      const drawn = points.filter(([x, y]) => !same(at(x, y), canvasColour)).length / points.length;
      const ringed = points.filter(([x, y]) => same(at(x, y), highlight)).length / points.length;
      return { id: element.id, drawn, ringed };
    });
  }, png);
  const missing = found.filter((f) => f.drawn < 0.9).map((f) => `${f.id} ${f.drawn.toFixed(2)}`);
  expectEqual(missing, [], 'controls without an outline');
  expectEqual(found.filter((f) => f.ringed > 0.9).map((f) => f.id), ['List13'], 'the focus ring');
  const photo = await tab.$eval('#Picture1 img', (i) => [i.complete, i.naturalWidth > 0, getComputedStyle(i).display]);
  expectEqual(photo, [true, true, 'block'], 'the photograph');
  await context.close();
});

await check('sharp on a fine screen', async () => {
  const { tab, context } = await open(browser, fileUrl(), { scale: 2 });
  const natural = await tab.$eval('#Picture1 img', (i) => [i.naturalWidth, i.width]);
  expectEqual(natural, [390, 195], 'the picture at twice its pixels');
  await context.close();
});

await server.close();
await browser.close();
finish();
