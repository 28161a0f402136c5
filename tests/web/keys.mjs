// The keys a player chooses on the page, in the system's headless Chromium, by the keyboard
// alone: the "Touches" dialog moves the arrows to ZQSD and the action to Enter, its keys never
// reach the game, a reload keeps them, the quest reaches the island with them, "Rétablir"
// brings the usual keys back; its controls have names a screen reader says; and the touch
// controls for the left hand keep the layout rules at the phone sizes, and are remembered.
//   node keys.mjs SITE_DIR
import { layoutFaults, playArea } from './layout.mjs';
import { check, done, launch, messageShown, open, playKeys, serve, sleep, titleBlue,
         waitFor } from './page.mjs';

const site = process.argv[2];

const desktop = { width: 1280, height: 800 };
const phone = (width, height) => ({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
                                    isLandscape: width > height });
const keyCodes = (game) => game.trace.filter(([, kind]) => kind === 'key').map(([, , code]) => +code);
const focused = (page) => page.evaluate(() => document.activeElement?.id ||
                                               document.activeElement?.dataset.action ||
                                               document.activeElement?.className);
const keyShown = (page, action) => page.$eval(`[data-action=${action}]`, (b) => b.textContent.trim());
const said = (page) => page.$eval('#keys [role=status]', (p) => p.textContent);
const dialogOpen = (page) => page.$eval('#keys', (d) => d.open);

// Tabs to the "Touches" button and opens the dialog with Enter, as a keyboard player does.
async function openDialog(page) {
  for (let i = 0; i < 10 && (await focused(page)) !== 'keys-open'; i++) await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  return waitFor('the dialog', 2, () => dialogOpen(page));
}

// Tabs to an action's button, presses Enter to make it wait, then the new key.
async function rebind(page, action, key) {
  for (let i = 0; i < 20 && (await focused(page)) !== action; i++) await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  await page.keyboard.press(key);
}

// The names a screen reader gives the dialog and its controls.
async function accessibleNames(page) {
  const tree = await page.accessibility.snapshot({ root: await page.$('#keys') });
  const names = [];
  const walk = (node) => { names.push([node.role, node.name]); (node.children || []).forEach(walk); };
  walk(tree);
  return names;
}

// The quest's keys as this player presses them.
const zqsd = { Space: 'Enter', Left: 'KeyQ', Up: 'KeyZ', Right: 'KeyD', Down: 'KeyS' };

const browser = await launch();
const main = await serve(site);
const url = main.url + '?EPEE_TRACE=/dev/stdout';

try {
  // On a desktop: ZQSD and Enter chosen with keys alone, which the game never hears.
  let game = await open(browser, url, desktop);
  let { page } = game;
  check(await waitFor('title', 10, () => titleBlue(page)), 'the title turns blue');
  const before = keyCodes(game).length;
  check(await openDialog(page), 'Tab then Enter on "Touches" opens the dialog');
  for (const [action, key] of [['haut', 'z'], ['bas', 's'], ['gauche', 'q'], ['droite', 'd'],
                               ['action', 'Enter']])
    await rebind(page, action, key);
  check(await said(page) === 'Action : Entrée.', `the choice is said (${await said(page)})`);
  const shown = [];
  for (const action of ['haut', 'bas', 'gauche', 'droite', 'action', 'menu'])
    shown.push(await keyShown(page, action));
  check(shown.join(',') === 'Z,S,Q,D,Entrée,M', `the buttons show Z, S, Q, D, Entrée, M (${shown})`);
  await rebind(page, 'menu', 'KeyZ');
  check(await keyShown(page, 'menu') === 'M' && /Z sert déjà à Haut/.test(await said(page)),
        `a key another action has is refused, and said (${await said(page)})`);
  await rebind(page, 'menu', 'Escape');
  check(await dialogOpen(page) && await keyShown(page, 'menu') === 'M' && /inchangé/.test(await said(page)),
        'Esc while a button waits cancels the wait and leaves the dialog open');
  const names = await accessibleNames(page);
  const nameOf = (role, pattern) => names.some(([r, n]) => r === role && pattern.test(n || ''));
  check(nameOf('dialog', /^Touches$/) && nameOf('button', /^Haut Z$/) && nameOf('button', /^Action Entrée$/) &&
        nameOf('button', /^Rétablir$/) && nameOf('checkbox', /gaucher/) &&
        names.filter(([r, n]) => r === 'button' && !n).length === 0,
        `the dialog and each of its controls have a name (${names.map(([r, n]) => `${r} "${n}"`).join(', ')})`);
  await page.keyboard.press('Escape');
  check(await waitFor('the dialog closed', 3,
                      async () => !(await dialogOpen(page)) && (await focused(page)) === 'canvas'),
        'Esc closes the dialog and gives the keyboard back to the game');
  await sleep(300);
  check(keyCodes(game).length === before, `no key typed in the dialog reached the game ` +
        `(${keyCodes(game).length - before} did)`);
  await page.close();

  // A reload keeps them, and the quest reaches the island played on them.
  game = await open(browser, url, desktop);
  ({ page } = game);
  check(await waitFor('title', 10, () => titleBlue(page)), 'reloaded, the title turns blue');
  check(await keyShown(page, 'haut') === 'Z' && await keyShown(page, 'action') === 'Entrée',
        'after a reload the dialog still shows Z and Entrée');
  const start = await page.evaluate(() => performance.timeOrigin + started);
  await playKeys(page, '', 'island', { names: zqsd, start });
  check(await waitFor('message', 3, () => messageShown(page)),
        'played on ZQSD and Enter, the quest reaches the island and its message');
  const codes = keyCodes(game);
  check(codes.length > 20 && codes.every((c) => [32, 37, 38, 39, 40].includes(c)),
        `the game took arrows and Space only (${codes.length} keys: ${[...new Set(codes)]})`);
  const taken = codes.length;
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Space');
  await sleep(300);
  check(keyCodes(game).length === taken, 'the arrows and Space, given away, do nothing');

  // "Rétablir" brings the usual keys back, for good.
  check(await openDialog(page), 'the dialog opens again');
  for (let i = 0; i < 30 && (await focused(page)) !== 'keys-reset'; i++) await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  const usual = [];
  for (const action of ['haut', 'bas', 'gauche', 'droite', 'action'])
    usual.push(await keyShown(page, action));
  check(usual.join(',') === 'Flèche haut,Flèche bas,Flèche gauche,Flèche droite,Espace' &&
        await page.evaluate(() => localStorage.getItem('epee-touches')) === null,
        `"Rétablir" brings back the usual keys (${usual}) and forgets the chosen ones`);
  await page.keyboard.press('Escape');
  await waitFor('the dialog closed', 3, () => page.evaluate(() => !document.getElementById('keys').open));
  await page.keyboard.press('Space');
  // A busy page hands the key to the game, and its trace to the test, a little later.
  check(await waitFor('Space taken', 3, async () => keyCodes(game).length === taken + 1),
        'Space acts again once the keys are back');
  check(game.errors.length === 0, `no console error (${game.errors.join(' | ')})`);
  await page.close();

  // On a phone: the dialog, and the controls for the left hand, remembered.
  game = await open(browser, main.url, phone(844, 390));
  ({ page } = game);
  await waitFor('title', 10, () => titleBlue(page));
  await page.evaluate(() => document.documentElement.classList.add('touch'));
  await page.tap('#keys-open');
  await waitFor('the dialog', 2, () => dialogOpen(page));
  await page.tap('#keys-left-handed');
  await page.tap('#keys .keys-close');
  await page.reload();
  await waitFor('title', 10, () => titleBlue(page));
  await page.evaluate(() => document.documentElement.classList.add('touch'));
  await sleep(300);
  const area = await playArea(page);
  const sides = await page.evaluate(() => ({
    pad: document.querySelector('#touch .pad').getBoundingClientRect().left,
    buttons: document.querySelector('#touch .buttons').getBoundingClientRect().right }));
  check(await page.evaluate(() => document.documentElement.classList.contains('gaucher')) &&
        sides.pad >= area.left + area.width && sides.buttons <= area.left,
        'after a reload the d-pad stands right of the play area and the buttons left of it');
  // The colour buttons show as they do with the menu open, so every control is measured.
  await page.evaluate(() => { document.getElementById('touch').dataset.phase = 'menu'; });
  for (const [w, h] of [[360, 800], [390, 844], [412, 915], [820, 1180]])
    for (const upright of [false, true]) {
      await page.setViewport(upright ? phone(w, h) : phone(h, w));
      await sleep(200);
      const { faults, count } = await layoutFaults(page);
      check(count === 13 && faults.length === 0,
            `left-handed at ${upright ? w : h}x${upright ? h : w}: ${count} controls of 44x44 px or more, ` +
            `clear of the play area and of each other (${faults.join(', ')})`);
    }
  await page.close();
} catch (e) {
  check(false, `the checks ran to their end (${e.stack})`);
} finally {
  await browser.close();
  await main.stop();
}
done();
