// The page as an installed app: a worker (sw.js) keeps the whole site for play with no
// network. A new version found while the title shows takes over at once, by a reload; found
// during a game, it waits for the next visit. Either way a page runs one version whole.
'use strict';
if ('serviceWorker' in navigator) {
  const updating = !!navigator.serviceWorker.controller;
  // Only at the title, with this version's module loaded whole: nothing is lost, nothing mixed.
  const atTitle = () => Module.phase === 'title';
  let registration = null;
  const takeOver = () => {
    if (updating && registration?.waiting && atTitle()) registration.waiting.postMessage('take-over');
  };
  // Once the game has drawn, with every file it runs downloaded: the worker's first filling
  // then takes them from the browser's cache instead of the network.
  const register = () => navigator.serviceWorker.register('sw.js').then((r) => {
    registration = r;
    r.addEventListener('updatefound', () => {
      const worker = r.installing;
      worker.addEventListener('statechange', () => { if (worker.state === 'installed') takeOver(); });
    });
    takeOver();
  }).catch(() => {});
  Module.on('firstPicture', register);
  navigator.serviceWorker.addEventListener('controllerchange', () => { if (atTitle()) location.reload(); });
  Module.on('phase', takeOver);
}
