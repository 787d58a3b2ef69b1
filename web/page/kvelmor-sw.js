// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Served from a web server, the page is kept for use offline: it is one
// file, so keeping it and its manifest and icon is all there is to do. A
// newer page, told by its version here, replaces the kept one.
'use strict';
const kept = 'kvelmor-@VERSION@';
const files = ['kvelmor.html', 'kvelmor.webmanifest', 'kvelmor-icon.png'];

self.addEventListener('install', (event) => {
  // Fetched past the browser's own cache, which may still hold the old page.
  event.waitUntil(caches.open(kept)
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// Only this page's older copies go: other pages of the same site keep theirs.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('kvelmor-') && n !== kept)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Only the page's own files are answered from what is kept; whatever else
// the site serves beside it goes to the server as if there were no worker.
const ours = new Set(files.map((file) => new URL(file, self.registration.scope).pathname));
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin || !ours.has(url.pathname)) return;
  event.respondWith(caches.open(kept).then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((found) => found || fetch(event.request)));
});
