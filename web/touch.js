// The game on a touch screen: a d-pad and buttons drawn over the page that hand the game the
// same key events a keyboard would, so the game has one way in for its keys. The game says
// which screen shows (the game's 'phase' event): the colour buttons are there only while its menu is.
'use strict';
(() => {
  // key, code and the legacy key code of each key a control stands for, as SDL reads them.
  const keys = {
    up: ['ArrowUp', 'ArrowUp', 38], down: ['ArrowDown', 'ArrowDown', 40],
    left: ['ArrowLeft', 'ArrowLeft', 37], right: ['ArrowRight', 'ArrowRight', 39],
    action: [' ', 'Space', 32], menu: ['m', 'KeyM', 77], quit: ['Escape', 'Escape', 27],
    red: ['r', 'KeyR', 82], green: ['v', 'KeyV', 86], blue: ['b', 'KeyB', 66],
  };
  // A held arrow or colour repeats as a held key does: after half a second, 30 times a second.
  const repeatDelay = 500, repeatPeriod = 33;

  function send(type, name, repeat = false) {
    const [key, code, keyCode] = keys[name];
    const event = new KeyboardEvent(type, { key, code, keyCode, which: keyCode, repeat,
                                            bubbles: true, cancelable: true });
    // Browsers that leave the legacy codes out of the constructor still let them be set.
    for (const field of ['keyCode', 'which'])
      if (event[field] !== keyCode) Object.defineProperty(event, field, { value: keyCode });
    document.getElementById('canvas').dispatchEvent(event);
  }

  // The keys held by fingers: pointer id -> { name, timer }.
  const held = new Map();
  function press(pointer, name, repeats) {
    send('keydown', name);
    const hold = { name, timer: 0 };
    if (repeats) {
      hold.timer = setTimeout(function again() {
        send('keydown', name, true);
        hold.timer = setTimeout(again, repeatPeriod);
      }, repeatDelay);
    }
    held.set(pointer, hold);
    light();
  }
  function release(pointer) {
    const hold = held.get(pointer);
    if (!hold) return;
    clearTimeout(hold.timer);
    held.delete(pointer);
    send('keyup', hold.name);
    light();
  }
  // A pressed control shows it.
  function light() {
    const down = new Set([...held.values()].map((h) => h.name));
    for (const b of overlay.querySelectorAll('[data-dir], [data-key]'))
      b.classList.toggle('down', down.has(b.dataset.dir || b.dataset.key));
  }
  const releaseAll = () => { for (const pointer of [...held.keys()]) release(pointer); };

  const arrow = (d) => `<svg viewBox="0 0 10 10" aria-hidden="true"><path d="${d}"/></svg>`;
  const overlay = document.createElement('div');
  overlay.id = 'touch';
  overlay.innerHTML = `
    <div class="pad">
      <button tabindex="-1" data-dir="up" aria-label="Haut">${arrow('M5 1.5 9 8H1z')}</button>
      <button tabindex="-1" data-dir="left" aria-label="Gauche">${arrow('M1.5 5 8 1v8z')}</button>
      <button tabindex="-1" data-dir="right" aria-label="Droite">${arrow('M8.5 5 2 1v8z')}</button>
      <button tabindex="-1" data-dir="down" aria-label="Bas">${arrow('M5 8.5 9 2H1z')}</button>
    </div>
    <div class="buttons">
      <button tabindex="-1" data-key="menu" aria-label="Menu">M</button>
      <button tabindex="-1" class="quit" aria-label="Quitter">✕</button>
      <div class="colours">
        <button tabindex="-1" data-key="red" data-repeat aria-label="Rouge">R</button>
        <button tabindex="-1" data-key="green" data-repeat aria-label="Vert">V</button>
        <button tabindex="-1" data-key="blue" data-repeat aria-label="Bleu">B</button>
      </div>
      <button tabindex="-1" data-key="action" class="action" aria-label="Action">Espace</button>
    </div>
    <div class="confirm layer" role="alertdialog" aria-label="Quitter la partie ?" hidden>
      <p>Quitter la partie ?</p>
      <div><button class="yes">Quitter la partie</button> <button class="no">Continuer</button></div>
    </div>`;
  document.body.appendChild(overlay);
  const pad = overlay.querySelector('.pad');
  const confirm = overlay.querySelector('.confirm');

  // The d-pad answers where the finger is, not which arrow it first touched: sliding from
  // one arrow to the next turns without lifting. The middle keeps the arrow already held.
  function direction(e) {
    const box = pad.getBoundingClientRect();
    const dx = e.clientX - (box.left + box.width / 2), dy = e.clientY - (box.top + box.height / 2);
    if (Math.max(Math.abs(dx), Math.abs(dy)) < box.width / 8) return held.get(e.pointerId)?.name;
    if (Math.abs(dx) > Math.abs(dy)) return dx < 0 ? 'left' : 'right';
    return dy < 0 ? 'up' : 'down';
  }
  function aim(e) {
    const name = direction(e);
    if (name === held.get(e.pointerId)?.name) return;
    release(e.pointerId);
    if (name) press(e.pointerId, name, true);
  }
  const onPad = new Set(); // the fingers on the d-pad, even in its middle
  pad.addEventListener('pointerdown', (e) => { e.preventDefault(); onPad.add(e.pointerId); aim(e); });
  pad.addEventListener('pointermove', (e) => { if (onPad.has(e.pointerId)) aim(e); });
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture'])
    overlay.addEventListener(type, (e) => { onPad.delete(e.pointerId); release(e.pointerId); });

  for (const button of overlay.querySelectorAll('[data-key]')) {
    button.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      press(e.pointerId, button.dataset.key, button.hasAttribute('data-repeat'));
    });
  }

  // Quitting ends the game: a stray tap only asks.
  overlay.querySelector('.quit').addEventListener('click', () => { releaseAll(); confirm.hidden = false; });
  confirm.querySelector('.no').addEventListener('click', () => { confirm.hidden = true; });
  confirm.querySelector('.yes').addEventListener('click', () => {
    confirm.hidden = true;
    send('keydown', 'quit');
    send('keyup', 'quit');
  });

  // Shown on a touch screen, hidden again as soon as a key or a gamepad plays.
  const show = (on) => document.documentElement.classList.toggle('touch', on);
  show(matchMedia('(pointer: coarse)').matches);
  window.addEventListener('pointerdown', (e) => { if (e.pointerType === 'touch') show(true); }, true);
  window.addEventListener('keydown', (e) => { if (e.isTrusted) show(false); }, true);
  window.addEventListener('gamepadconnected', () => show(false));
  // The play area moves when the controls come or go; the game refits on a resize.
  new MutationObserver(() => window.dispatchEvent(new Event('resize')))
    .observe(document.documentElement, { attributes: true, attributeFilter: ['class'] });

  // The page never zooms, selects or offers a menu under a long press.
  document.addEventListener('contextmenu', (e) => e.preventDefault());

  // A finger lifted while the page was away never comes back: nothing stays held.
  window.addEventListener('blur', releaseAll);
  document.addEventListener('visibilitychange', () => { if (document.hidden) releaseAll(); });

  // The screen stays awake while a game runs, where the browser allows it.
  let wake = null;
  async function stayAwake() {
    const on = !['title', 'ended', undefined].includes(overlay.dataset.phase);
    if (on && !wake && navigator.wakeLock && !document.hidden)
      wake = await navigator.wakeLock.request('screen').catch(() => null);
    if (!on && wake) { wake.release(); wake = null; }
  }
  // The browser lets go of the lock when the page is hidden; it is asked again on return.
  document.addEventListener('visibilitychange', () => { wake = null; stayAwake(); });

  // Fullscreen on a phone turns it sideways, where the browser allows it.
  document.addEventListener('fullscreenchange', () => {
    if (document.fullscreenElement && screen.orientation?.lock)
      screen.orientation.lock('landscape').catch(() => {});
  });

  // The colour buttons go with the menu, and a colour held as it closes is let go.
  const colours = new Set(['red', 'green', 'blue']);
  const showPhase = (phase) => {
    overlay.dataset.phase = phase;
    if (phase !== 'menu')
      for (const [pointer, h] of held) if (colours.has(h.name)) release(pointer);
    stayAwake();
  };
  Module.on('phase', showPhase);
  // The game may have started before this script ran.
  if (Module.phase) showPhase(Module.phase);
})();
