// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's own browsers, driven by puppeteer-core, and the page opened as a
// teacher hands it out: from a file, or from a web server on this machine.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, dirname, extname, join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const page = process.env.KVELMOR_PAGE;
if (!page) throw new Error('KVELMOR_PAGE must name kvelmor.html');

// A browser that asks nothing of the network: this machine has none, and
// the page needs none.
export async function launch(browser = 'chrome', options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'kvelmor-browser-'));
  const quiet = ['--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--disable-default-apps', '--no-default-browser-check'];
  const launched = browser === 'firefox'
    ? await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
      headless: true, userDataDir: profile, extraPrefsFirefox: { 'network.proxy.type': 0 } })
    : await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
      userDataDir: profile, args: ['--no-sandbox', '--disable-gpu', ...quiet, ...(options.args ?? [])] });
  launched.once('disconnected', () => {
    try { rmSync(profile, { recursive: true, force: true, maxRetries: 10 }); } catch { /* left in tmp */ }
  });
  return launched;
}

// A static web server for the page's folder on 127.0.0.1; closes with close().
export async function serve() {
  const folder = dirname(page);
  const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
  const served = [];
  const server = createServer((request, response) => {
    const name = basename(new URL(request.url, 'http://x').pathname) || 'kvelmor.html';
    served.push(name);
    try {
      const body = readFileSync(join(folder, name));
      response.writeHead(200, { 'content-type': types[extname(name)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/${basename(page)}`,
    served,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// Opens the page at this address in a new tab of its own and waits until it
// takes input; collects what the page logs as errors and every request.
// A phone or tablet (mobile) has a touch screen and lays the page out for
// its own width.
export async function open(browser, url, {
  width = 494, height = 345, scale = 1, touch = false, mobile = false, before,
} = {}) {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  const errors = [];
  const requests = [];
  tab.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  tab.on('pageerror', (error) => errors.push(String(error)));
  tab.on('request', (request) => requests.push(request.url()));
  await tab.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch || mobile, isMobile: mobile });
  if (before) await tab.evaluateOnNewDocument(before);
  await tab.goto(url);
  await tab.waitForSelector('body.ready, .unsupported:not([hidden])');
  return { tab, context, errors, requests };
}

export const fileUrl = () => `file://${page}`;

// What the window shows, read from the page as a user sees it.
export function shown(tab) {
  return tab.evaluate(() => {
    const list = (i) => {
      const box = document.getElementById(`List1${i}`);
      return { items: [...box.querySelectorAll('[role=option]')].map((o) => o.textContent),
        visible: !box.hidden, selected: [...box.querySelectorAll('[role=option]')]
          .findIndex((o) => o.getAttribute('aria-selected') === 'true') };
    };
    const mode = (i) => document.getElementById(`Option1${i}`);
    return {
      lists: [0, 1, 2, 3, 4].map(list),
      result: (document.querySelector('#Text20 [aria-hidden]') ?? document.querySelector('#Text20 .content'))
        .textContent,
      modes: [0, 1].map((i) => ({ checked: mode(i).getAttribute('aria-checked') === 'true',
        enabled: mode(i).getAttribute('aria-disabled') !== 'true' })),
      spoken: (document.getElementById('spoken').textContent +
        document.getElementById('spoken-again').textContent).trim(),
      focus: document.activeElement?.closest('[id]')?.id ?? '',
    };
  });
}

// Clicks the item with this text in List1(index), with the mouse, where it is.
export async function clickItem(tab, index, text) {
  const options = await tab.$$(`#List1${index} [role=option]`);
  for (const option of options) {
    if (await option.evaluate((o) => o.textContent) === text) {
      await option.click();
      return;
    }
  }
  throw new Error(`no item ${text} in List1(${index})`);
}

export const click = (tab, name) => tab.click(`#${name.replace(/[()]/g, '')}`);

// Once the page has loaded, the given number of frames drawn: what the page
// was handed by then, and what it does on its next frames, has been done.
export const framesAfterLoad = (tab, frames) => tab.evaluate((count) => new Promise((done) => {
  const frame = (left) => (left ? requestAnimationFrame(() => frame(left - 1)) : done());
  if (document.readyState === 'complete') frame(count);
  else addEventListener('load', () => frame(count), { once: true });
}), frames);

export async function until(tab, test, what, ...args) {
  try {
    await tab.waitForFunction(test, { timeout: 5000 }, ...args);
  } catch {
    throw new Error(`${what} did not happen`);
  }
}

// A tiny test runner: each check prints ok or the reason, and the process
// ends with the count of failures.
let failures = 0;
export async function check(name, body) {
  try {
    await body();
    console.log(`ok: ${name}`);
  } catch (error) {
    failures += 1;
    console.log(`FAIL: ${name}: ${error.stack ?? error}`);
  }
}
export function finish() {
  process.exitCode = failures ? 1 : 0;
}

export function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  if (a !== e) throw new Error(`${what}: ${a}, expected ${e}`);
}
