// Keeps the whole site for play with no network: one cache per version of the site, named
// by the build from its files' content and filled whole before the version takes over; the
// older versions' caches go once no page of theirs is left. The page (offline.js) says when
// a waiting version may take over.
'use strict';
const files = [@EPEE_SITE_FILES@];
const cacheName = 'epee-@EPEE_SITE_VERSION@';

// On a first visit the page has just downloaded every file it runs, and a phone should not
// pay for them twice: they are kept from the browser's own cache. A new version is fetched
// afresh, every file of it.
self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const first = !(await caches.keys()).some((name) => name.startsWith('epee-'));
    const cache = await caches.open(cacheName);
    await cache.addAll(files.map((file) => new Request(file, { cache: first ? 'force-cache' : 'reload' })));
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('epee-') && name !== cacheName)
         .map((name) => caches.delete(name)))));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  const scope = new URL(self.registration.scope);
  if (event.request.method !== 'GET' || url.origin !== scope.origin) return;
  const file = url.pathname.slice(scope.pathname.length) || 'index.html';
  if (!files.includes(file)) return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(file))
    .then((kept) => kept || fetch(event.request)));
});
