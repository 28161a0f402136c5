// The keys the player chooses on the page: the "Touches" dialog binds each action to the
// next key pressed (Esc cancels, "Rétablir" brings the usual keys back) and chooses the
// touch controls for the left hand; both are kept in the browser's storage. A chosen key
// reaches the game as the action's usual key, so the game has one set of keys; keys typed
// in the dialog never reach it.
'use strict';
(() => {
  // Each action: its French name, and the key, code and legacy key code of its usual key, as
  // SDL reads them.
  const actions = [
    ['haut', 'Haut', 'ArrowUp', 'ArrowUp', 38], ['bas', 'Bas', 'ArrowDown', 'ArrowDown', 40],
    ['gauche', 'Gauche', 'ArrowLeft', 'ArrowLeft', 37], ['droite', 'Droite', 'ArrowRight', 'ArrowRight', 39],
    ['action', 'Action', ' ', 'Space', 32], ['menu', 'Menu', 'm', 'KeyM', 77],
    ['rouge', 'Rouge', 'r', 'KeyR', 82], ['vert', 'Vert', 'v', 'KeyV', 86], ['bleu', 'Bleu', 'b', 'KeyB', 66],
    ['quitter', 'Quitter', 'Escape', 'Escape', 27], ['plein_ecran', 'Plein écran', 'F11', 'F11', 122],
    ['decrire', 'Décrire les alentours', 'F1', 'F1', 112], ['repeter', 'Répéter', 'F2', 'F2', 113],
    ['voix', 'Voix', 'F3', 'F3', 114],
  ].map(([name, label, key, code, keyCode]) => ({ name, label, key, code, keyCode }));
  const byName = new Map(actions.map((a) => [a.name, a]));

  // A key as the page compares it: the letter whatever the shift, otherwise its name.
  const keyOf = (key) => (key.length === 1 ? key.toUpperCase() : key);
  const names = { ' ': 'Espace', Enter: 'Entrée', Escape: 'Échap', Tab: 'Tab',
                  ArrowUp: 'Flèche haut', ArrowDown: 'Flèche bas', ArrowLeft: 'Flèche gauche',
                  ArrowRight: 'Flèche droite', Backspace: 'Retour arrière', Delete: 'Suppr' };
  const keyName = (key) => names[key] || key;

  const storageKey = 'epee-touches', leftKey = 'epee-gaucher';
  const read = (key) => { try { return localStorage.getItem(key); } catch { return null; } };
  const write = (key, value) => {
    try { value === null ? localStorage.removeItem(key) : localStorage.setItem(key, value); } catch { /* private */ }
  };
  // The chosen keys: action name -> key; an action left out keeps its usual key.
  let chosen = {};
  try { chosen = JSON.parse(read(storageKey)) || {}; } catch { chosen = {}; }
  const keyFor = (a) => chosen[a.name] ?? keyOf(a.key);
  // The action a key pressed now stands for, if any.
  const actionOf = (key) => actions.find((a) => keyFor(a) === keyOf(key));

  const dialog = document.getElementById('keys');
  const opener = document.getElementById('keys-open');
  const list = dialog.querySelector('.keys-list');
  const said = dialog.querySelector('[role=status]');
  let waiting = null; // the action whose button waits for a key

  function send(type, a, repeat) {
    const event = new KeyboardEvent(type, { key: a.key, code: a.code, keyCode: a.keyCode,
                                            which: a.keyCode, repeat, bubbles: true, cancelable: true });
    for (const field of ['keyCode', 'which'])
      if (event[field] !== a.keyCode) Object.defineProperty(event, field, { value: a.keyCode });
    document.getElementById('canvas').dispatchEvent(event);
  }

  // Keys on their way to the game. The page's own events (these, the touch controls') go
  // through as they are; a player's key with Ctrl, Alt or Meta too, as the browser's own.
  function onKey(e) {
    if (!e.isTrusted) return;
    if (dialog.open) return inDialog(e);
    // Space and Enter on a focused page button ("Touches", "Voix"...) press it, and are not
    // the game's (which would keep the Enter that presses it).
    if (e.target instanceof HTMLButtonElement && (e.key === ' ' || e.key === 'Enter'))
      return e.stopImmediatePropagation();
    if (e.type === 'keypress') return;
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    const a = actionOf(e.key);
    // Tab, unless the player gave it to an action, moves between the page's buttons, which
    // the game would keep for itself.
    if (e.key === 'Tab' && !a) return e.stopImmediatePropagation();
    const usual = actions.find((u) => keyOf(u.key) === keyOf(e.key));
    if (a === usual) return; // the usual key of its own action, or no key of the game
    // A chosen key is its action's usual key; a usual key given away does nothing.
    e.preventDefault();
    e.stopImmediatePropagation();
    if (a) send(e.type, a, e.repeat);
  }
  for (const type of ['keydown', 'keypress', 'keyup']) window.addEventListener(type, onKey, true);

  function inDialog(e) {
    // The dialog's keys are its own: the game never hears them.
    e.stopImmediatePropagation();
    if (!waiting || e.type !== 'keydown') return;
    e.preventDefault();
    if (e.repeat || ['Shift', 'Control', 'Alt', 'Meta', 'AltGraph'].includes(e.key)) return;
    const a = waiting;
    if (e.key === 'Escape') return stopWaiting(`${a.label} : inchangé.`);
    const other = actionOf(e.key);
    if (other && other !== a) return stopWaiting(`${keyName(keyOf(e.key))} sert déjà à ${other.label}.`);
    chosen[a.name] = keyOf(e.key);
    if (chosen[a.name] === keyOf(a.key)) delete chosen[a.name];
    write(storageKey, Object.keys(chosen).length ? JSON.stringify(chosen) : null);
    stopWaiting(`${a.label} : ${keyName(keyFor(a))}.`);
  }

  function stopWaiting(message) {
    const button = waiting && list.querySelector(`[data-action="${waiting.name}"]`);
    waiting = null;
    show();
    said.textContent = message;
    button?.focus();
  }

  // Each action's row: its name and a button showing its key.
  list.innerHTML = actions.map((a) => `
    <li><span id="keys-${a.name}">${a.label}</span>
      <button type="button" data-action="${a.name}" aria-labelledby="keys-${a.name} keys-${a.name}-key">
        <span id="keys-${a.name}-key"></span></button></li>`).join('');
  function show() {
    for (const button of list.querySelectorAll('button')) {
      const a = byName.get(button.dataset.action);
      const wait = waiting === a;
      button.classList.toggle('waiting', wait);
      button.firstElementChild.textContent = wait ? 'Appuyez sur une touche… (Échap : annuler)'
                                                  : keyName(keyFor(a));
    }
  }
  list.addEventListener('click', (e) => {
    const button = e.target.closest('button');
    if (!button) return;
    waiting = byName.get(button.dataset.action);
    show();
    said.textContent = `${waiting.label} : appuyez sur la nouvelle touche, ou Échap pour annuler.`;
  });
  // Esc while a button waits cancels the wait, not the dialog.
  dialog.addEventListener('cancel', (e) => { if (waiting) { e.preventDefault(); stopWaiting(`${waiting.label} : inchangé.`); } });

  dialog.querySelector('.keys-reset').addEventListener('click', () => {
    chosen = {};
    write(storageKey, null);
    show();
    said.textContent = 'Les touches habituelles sont rétablies.';
  });

  // The touch controls for the left hand: the d-pad on the right, the buttons on the left.
  const left = dialog.querySelector('#keys-left-handed');
  const setLeft = (on) => {
    document.documentElement.classList.toggle('gaucher', on);
    left.checked = on;
  };
  setLeft(read(leftKey) === '1');
  left.addEventListener('change', () => { setLeft(left.checked); write(leftKey, left.checked ? '1' : null); });

  opener.addEventListener('mousedown', (e) => e.preventDefault());
  // The game's canvas holds the focus as the dialog opens, so closing gives it straight back,
  // before the dialog's 'close' event: a key pressed at once goes to the game, not to "Touches".
  opener.addEventListener('click', () => {
    show();
    said.textContent = '';
    document.getElementById('canvas').focus();
    dialog.showModal();
  });
  dialog.querySelector('.keys-close').addEventListener('click', () => dialog.close());
  // Closed, the dialog gives the keyboard back to the game.
  dialog.addEventListener('close', () => {
    waiting = null;
    document.getElementById('canvas').focus();
  });
  show();
})();
