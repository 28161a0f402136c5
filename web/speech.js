// The game's words on the page: every text the game speaks ('speech' events) goes to a live
// region that the player's screen reader reads, with nothing to turn on; the "Voix" button
// (or F3) adds the browser's own French voice, for a player without a screen reader.
'use strict';
(() => {
  const region = document.getElementById('speech');
  const button = document.getElementById('voice');
  const synth = window.speechSynthesis;
  const remembered = 'epee-voix';

  // A screen reader reads a live region's change once the text before it is read; a change
  // that comes sooner may replace it unread. A newer text cuts off the older at once, as
  // the game means it to, but a short cue waits until the text it follows had its time.
  const waiting = [];
  let readUntil = 0, timer = 0;
  const readingTime = (text) => Math.min(4000, 400 + 50 * text.length);
  function show(text) {
    const line = document.createElement('p');
    line.textContent = text; // a new node, so that the same text said again is read again
    region.replaceChildren(line);
    readUntil = performance.now() + readingTime(text);
  }
  function showWaiting() {
    timer = 0;
    if (!waiting.length) return;
    const delay = readUntil - performance.now();
    if (delay > 0) { timer = setTimeout(showWaiting, delay); return; }
    show(waiting.shift());
    if (waiting.length) timer = setTimeout(showWaiting, readUntil - performance.now());
  }
  function toRegion(text, interrupt) {
    if (interrupt) {
      waiting.length = 0;
      clearTimeout(timer);
      timer = 0;
      show(text);
    } else {
      waiting.push(text);
      if (!timer) showWaiting();
    }
  }

  // The browser's voice, in French: a newer text cancels the one being said, a cue queues.
  let voiceOn = false;
  function speak(text, interrupt) {
    if (!voiceOn || !synth) return;
    if (interrupt) synth.cancel();
    const utterance = new SpeechSynthesisUtterance(text);
    utterance.lang = 'fr-FR';
    const voices = synth.getVoices();
    const french = voices.find((v) => v.lang === 'fr-FR') || voices.find((v) => /^fr\b/i.test(v.lang));
    if (french) utterance.voice = french;
    synth.speak(utterance);
  }

  function say(text, interrupt) {
    toRegion(text, interrupt);
    speak(text, interrupt);
  }
  Module.on('speech', say);

  function setVoice(on, announce) {
    voiceOn = on && !!synth;
    button.setAttribute('aria-pressed', String(voiceOn));
    try { localStorage.setItem(remembered, voiceOn ? '1' : '0'); } catch { /* private browsing */ }
    if (!announce) return;
    if (voiceOn) say('Lecture à voix haute activée', true);
    else {
      synth?.cancel();
      toRegion('Lecture à voix haute désactivée', true);
    }
  }
  const toggle = () => setVoice(!voiceOn, true);

  // A click leaves the focus where it was, so the game's keys still reach the game (from
  // the keyboard, the page's key handling gives the button its own Space and Enter).
  button.addEventListener('mousedown', (e) => e.preventDefault());
  button.addEventListener('click', toggle);
  // F3 is the button's key; F1 and F2 belong to the game, never to the browser's help or search.
  window.addEventListener('keydown', (e) => {
    if (!['F1', 'F2', 'F3'].includes(e.key)) return;
    e.preventDefault();
    if (e.key !== 'F3') return;
    e.stopPropagation();
    if (!e.repeat) toggle();
  }, true);

  let stored = null;
  try { stored = localStorage.getItem(remembered); } catch { /* private browsing */ }
  if (!synth) button.hidden = true;
  setVoice(stored === '1', false);
})();
