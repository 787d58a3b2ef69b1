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
  event.waitUntil(caches.open(kept).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

// Only this page's older copies go: other pages of the same site keep theirs.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('kvelmor-') && n !== kept)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((found) => found || fetch(event.request)));
});
