// The game's words on the page as a screen reader gets them: the live region read through
// Chromium's accessibility tree while a player goes from the title to the first chest, with
// the browser's voice on ("Voix", its speechSynthesis recorded in place of the real one):
// what the voice says in French; F1, F2 and F3; the button from the keyboard and remembered.
// (Where the button stands on a phone, the layout checks of touch.mjs and keys.mjs say.)
//   node speech.mjs SITE_DIR
import { check, done, launch, open, playKeys, serve, sleep, titleBlue,
         waitFor } from './page.mjs';

const site = process.argv[2];

const ON = 'Lecture à voix haute activée';

// Runs in the page before its scripts: the browser's voice only records what it is asked.
function recordVoice() {
  window.spoken = [];
  const voice = { speak: (u) => spoken.push({ text: u.text, lang: u.lang }),
                  cancel: () => spoken.push({ cancel: true }), getVoices: () => [],
                  addEventListener() {}, removeEventListener() {} };
  Object.defineProperty(window, 'speechSynthesis', { value: voice, configurable: true });
}

async function openPage(browser, url, viewport) {
  const game = await open(browser, url, viewport);
  await game.page.evaluateOnNewDocument(recordVoice);
  await game.page.reload();
  await waitFor('title', 5, () => titleBlue(game.page));
  return game;
}

// The text of an accessibility node and its descendants, as a screen reader reads it.
const textOf = (node) => !node ? '' : node.role === 'StaticText' ? node.name
  : (node.children || []).map(textOf).filter(Boolean).join(' ');
const regionText = async (page, region) => textOf(await page.accessibility.snapshot(
  { root: region || await page.$('#speech'), interestingOnly: false }));
const voiceButton = async (page) => (await page.accessibility.snapshot()).children
  .find((n) => n.role === 'button' && n.name === 'Voix');
const spoken = (page) => page.evaluate(() => spoken);
const said = async (page) => (await spoken(page)).filter((s) => s.text);

// Reads the live region ten times a second while the game plays: each text once, in order.
// (Each reading makes the page bring its accessibility tree up to date, which a busy
// machine feels: more often, the game would take the keys late.)
function listen(page) {
  const heard = [];
  let on = true;
  const reading = (async () => {
    const region = await page.waitForSelector('#speech');
    while (on) {
      const text = await regionText(page, region).catch(() => '');
      if (text && text !== heard.at(-1)) heard.push(text);
      await sleep(100);
    }
  })();
  return { heard, stop: () => { on = false; return reading; } };
}

// When the hero last moved or the screen last changed, from the game's trace, on the page's
// own clock: a busy machine may slow a step, and an arrow that comes before it ends is
// dropped, as it would be from a player, so the route waits for the hero to stand still.
// The page's clock, not this script's, so that trace lines reaching the script late never
// make a step look ended.
function watchSteps(page) {
  const moved = { at: 0 };
  page.on('console', (m) => {
    const [at, kind, timer] = m.text().split(' ');
    if (kind === 'tick' && /^tmr(I|ChangeLieu2?)$/.test(timer)) moved.at = at / 1000;
  });
  const now = () => page.evaluate(() => Date.now());
  return () => waitFor('the hero stands still', 2, async () => await now() - moved.at > 150);
}


// Whether a text was heard after another (both given by their beginnings).
const heardAfter = (heard, first, then) => {
  const i = heard.findIndex((t) => t.startsWith(first));
  return i >= 0 && heard.slice(i + 1).some((t) => t.startsWith(then));
};
const heardOne = (heard, start) => heard.some((t) => t.startsWith(start));

const browser = await launch();
const { server, url } = await serve(site);

try {
  // From the title to the first chest, the voice on from the first second, as last left.
  {
    const { page, errors } = await openPage(browser, url + '?EPEE_TRACE=/dev/stdout',
                                            { width: 1000, height: 700 });
    const still = watchSteps(page);
    await page.evaluate(() => localStorage.setItem('epee-voix', '1'));
    await page.reload();
    const region = listen(page);
    await waitFor('title', 5, () => titleBlue(page));
    const button = await voiceButton(page);
    check(button?.pressed === true, `a "Voix" button, pressed as last left (${JSON.stringify(button)})`);
    const cdp = await page.createCDPSession();
    const { root } = await cdp.send('DOM.getDocument');
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: '#speech' });
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    const live = nodes[0].properties?.find((p) => p.name === 'live')?.value.value;
    check(live === 'polite', `the words go to a polite live region (${live})`);

    // The prompt waits its turn behind the credit: the player listens before pressing Space.
    check(await waitFor('prompt', 6, async () => heardOne(region.heard, 'Appuyez sur space.')) &&
          heardAfter(region.heard, "L'Épée légendaire, par notre studio", 'Appuyez sur space.'),
          `the title says its credit, then its prompt (${region.heard.slice(0, 3).join(' | ')})`);
    await playKeys(page, 'title', 'name-entry');
    await sleep(300);
    check((await regionText(page)).startsWith('Écrivez le nom du héro'), 'the name entry says what to do');
    await playKeys(page, 'name-entry', 'island');
    await sleep(300);
    const letters = region.heard.filter((t) => t.length === 1 || t === 'FIN');
    check(letters.length >= 10 && heardOne(region.heard, 'Elaine'),
          `the letters under the box and the name as it grows are said (${letters.join(' ')})`);
    check((await regionText(page)).startsWith("L'épée légendaire se trouve sur cette île."),
          'the island says its opening message as it opens');
    await playKeys(page, 'island', 'menu');
    await playKeys(page, 'menu', 52400, { before: still });
    await region.stop();
    check(heardAfter(region.heard, "L'épée légendaire se trouve", 'INVENTAIRE: AIDE:') &&
          heardAfter(region.heard, 'INVENTAIRE: AIDE:', 'R= 1'),
          'the menu says what it holds as it opens, then the red as R changes it');
    check(heardOne(region.heard, 'Mage: Je suis le magicien Oldavir.'), "the mage's words are said");
    check(heardAfter(region.heard, 'Mage: Je suis', 'Elaine: IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!'),
          `then the chest's message, with the hero's name (${region.heard.slice(-8).join(' | ')})`);

    const voice = await said(page);
    const unsaid = region.heard.filter((t) => !voice.some((s) => s.text === t));
    check(unsaid.length === 0, `the voice said every text the region showed (${unsaid.join(' | ')})`);
    check(voice.every((s) => s.lang === 'fr-FR'), 'the voice speaks every text in French');
    const all = await spoken(page);
    const island = all.findIndex((s) => s.text?.startsWith("L'épée légendaire se trouve"));
    check(island > 0 && all[island - 1].cancel, 'a newer message cuts off the voice before it speaks');

    // F2 says the last texts again, F1 where the hero stands; neither reaches the game.
    const phase = await page.evaluate(() => Module.phase);
    const before = voice.length;
    await page.keyboard.press('F2');
    await sleep(300);
    const again = (await said(page)).slice(before).map((s) => s.text);
    check(again.length > 0 && again.every((t) => voice.some((s) => s.text === t)) &&
          again.includes(await regionText(page)), `F2 says the last texts again (${again.join(' | ')})`);
    await page.keyboard.press('F1');
    await sleep(300);
    const described = await regionText(page);
    check(/Devant|En haut/.test(described), `F1 describes where the hero stands (${described})`);
    check(await page.evaluate(() => Module.phase) === phase, 'F1 and F2 leave the game as it was');

    // F3 turns the voice off as the button does: silent, and the region still reads.
    await page.keyboard.press('F3');
    check((await voiceButton(page))?.pressed === false, 'F3 lets the button go');
    const silent = (await said(page)).length;
    await page.keyboard.press('F2');
    await sleep(300);
    const shown = await regionText(page);
    check((await said(page)).length === silent && again.includes(shown),
          `with the voice off, the live region alone says the words (${shown})`);
    await page.click('#voice');
    const on = (await said(page)).at(-1);
    check((await voiceButton(page))?.pressed === true && on?.text === ON && on.lang === 'fr-FR',
          `a click on "Voix" turns the voice on, and it says "${ON}" in French`);
    check(errors.length === 0, `no console error (${errors.join(' | ')})`);

    // From the keyboard, the button takes its own Space and Enter; the choice outlives the page.
    await page.reload();
    await waitFor('title', 5, () => titleBlue(page));
    await page.focus('#voice');
    await page.keyboard.press('Space');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Space');
    await sleep(1500);
    const state = [(await voiceButton(page))?.pressed, await page.evaluate(() => Module.phase)];
    check(state[0] === false && state[1] === 'title',
          `Space, Enter, Space on the focused button: the voice off, and the title stays (${state})`);
    await page.reload();
    check((await voiceButton(page))?.pressed === false, 'the voice is still off after a reload');
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
done();

