// The game's web page on phones and tablets, in the system's headless Chromium with touch
// emulation; fingers go through the DevTools protocol, never a key: the quest played by
// touch up to its first door, every control taking part, held and sliding fingers, the
// controls' layout at the usual sizes, no zoom or scroll, the quit control and the end
// screen, and the page installed (manifest, icons) and played offline.
//   node touch.mjs SITE_DIR [SHOTS_DIR]
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { controls, layoutFaults, setInsets } from './layout.mjs';
import { average, check, done, launch, messageShown, open, playQuest, questLines, serve, sleep, titleBlue,
         waitFor } from './page.mjs';

const site = process.argv[2];
const shots = process.argv[3] || join(site, '..', 'shots');
const root = new URL('../..', import.meta.url).pathname;
mkdirSync(shots, { recursive: true });

const phone = { width: 844, height: 390 }, tablet = { width: 1180, height: 820 };
const device = (size, portrait) => ({
  width: portrait ? size.height : size.width, height: portrait ? size.width : size.height,
  deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: !portrait });
const shotDevices = { 'phone-landscape': device(phone), 'phone-portrait': device(phone, true),
                      'tablet-landscape': device(tablet), 'tablet-portrait': device(tablet, true) };

// The game on a touch screen, with its fingers sent as the screen would.
async function openTouch(browser, url, viewport) {
  const game = await open(browser, url, viewport);
  // When the hero last took a step's tick, and the screen last changed, in the page's time.
  // and how many keys it has taken.
  game.moved = { tmrI: 0, tmrChangeLieu: 0, tmrChangeLieu2: 0 };
  game.taken = 0;
  game.page.on('console', (m) => {
    const [, us, timer] = /^(\d+) tick (tmrI|tmrChangeLieu2?)$/.exec(m.text()) || [];
    if (timer) game.moved[timer] = us / 1000;
    if (/^\d+ key /.test(m.text())) game.taken++;
  });
  const cdp = game.cdp = await game.page.createCDPSession();
  const fingers = new Map();
  const touch = (type) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: [...fingers].map(([id, [x, y]]) => ({ id, x, y, radiusX: 8, radiusY: 8 })) });
  const hand = game.hand = {
    down: (id, [x, y]) => { fingers.set(id, [x, y]); return touch('touchStart'); },
    move: (id, [x, y]) => { fingers.set(id, [x, y]); return touch('touchMove'); },
    // The protocol lifts every finger at a touchEnd, and one finger when a move leaves it out.
    up: (id) => { fingers.delete(id); return touch(fingers.size ? 'touchMove' : 'touchEnd'); },
    tap: async (at) => { await hand.down(1, at); await hand.up(1); },
  };
  return game;
}
// The key codes the game has taken, from its trace.
const keys = (game) => game.trace.filter(([, kind]) => kind === 'key').map(([, , code]) => +code);

const shown = (page, selector) => page.$eval(selector, (e) => e.checkVisibility({ visibilityProperty: true }));

const centre = async (page, selector) => {
  const r = await page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
  return [r.left + r.width / 2, r.top + r.height / 2];
};
const control = (page, name) => centre(page, `[aria-label="${name}"]`);

const keyControls = { Space: 'Action', Left: 'Gauche', Up: 'Haut', Right: 'Droite', Down: 'Bas',
                      M: 'Menu', R: 'Rouge', V: 'Vert', B: 'Bleu' };
const keyCodes = { Space: 32, Left: 37, Up: 38, Right: 39, Down: 40, M: 77, R: 82, V: 86, B: 66 };

// A player taps when the hero has stopped: a step or a change of screen that a busy machine
// has made late is let finish first (the recorded quest never presses during one).
async function stopped(game) {
  const still = () => Date.now() - game.moved.tmrI > 45 &&
                      Date.now() - Math.max(game.moved.tmrChangeLieu, game.moved.tmrChangeLieu2) > 150;
  for (const end = Date.now() + 2000; !still() && Date.now() < end;) await sleep(5);
}

// Plays the quest's keys by tapping their controls, found where they stand at the first tap.
function playByTouch(game, from, to, start) {
  const places = {};
  return playQuest(async (what) => {
    if (!keyControls[what]) return null;
    places[what] ??= await control(game.page, keyControls[what]);
    await stopped(game);
    const taken = game.taken;
    await game.hand.tap(places[what]);
    // The next pause counts from the moment the game took the key, which a busy page delays.
    await waitFor('the key taken', 1, async () => game.taken > taken);
    return () => {};
  }, from, to, start);
}

// The picture a player sees in each device and orientation, back to the phone sideways.
async function shoot(page, name) {
  for (const [where, viewport] of Object.entries(shotDevices)) {
    await page.setViewport(viewport);
    await waitFor('redraw', 3, () => page.$eval('#canvas', (c) =>
      Math.abs(c.width - c.getBoundingClientRect().width * 3) < 2));
    await sleep(250);
    await page.screenshot({ path: join(shots, `touch-${name}-${where}.png`) });
  }
  await page.setViewport(shotDevices['phone-landscape']);
  await sleep(250);
}

const browser = await launch();
const main = await serve(site);
const parts = (process.env.EPEE_TOUCH_TESTS || 'quest,fingers,desktop,offline').split(',');

try {
  // The quest on a phone held sideways, by touch alone, up to its first door, with its
  // pictures in every device and orientation, the layout rules at the usual sizes while the
  // menu is open, and each colour button recolouring the menu. Beyond the door the quest's
  // keys are the same keys, whose game the recorded games' digests prove in the page's build.
  if (parts.includes('quest')) {
    const game = await openTouch(browser, main.url + '?EPEE_TRACE=/dev/stdout', device(phone));
    const { page, hand } = game;
    check(await waitFor('title', 5, () => titleBlue(page)), 'on a phone the title turns blue');
    const start = await page.evaluate(() => performance.timeOrigin + started);
    // A first touch on the picture shows the controls, where a phone says nothing of its pointer.
    if (!(await shown(page, '[aria-label=Action]'))) await hand.tap([422, 195]);
    check(await shown(page, '[aria-label=Action]') && !(await shown(page, '[aria-label=Rouge]')),
          'the controls show on a touch screen, the colour buttons only with the menu');
    await playByTouch(game, '', 'title', start);
    await shoot(page, 'title');
    await playByTouch(game, 'title', 'name-entry');
    await sleep(300);
    await shoot(page, 'name');
    await playByTouch(game, 'name-entry', 'island');
    check(await messageShown(page), 'the island shows the opening message');
    const island = await average(page, 0, 0, 751, 600);
    await shoot(page, 'island');
    await playByTouch(game, 'island', 'menu');
    check(await waitFor('the colour buttons', 2, async () => await shown(page, '[aria-label=Rouge]') &&
                        await shown(page, '[aria-label=Vert]') && await shown(page, '[aria-label=Bleu]')),
          'with the menu open, the colour buttons show');
    await shoot(page, 'menu');
    for (const [w, h] of [[360, 800], [390, 844], [412, 915], [820, 1180]])
      for (const portrait of [false, true]) {
        await page.setViewport(device({ width: h, height: w }, portrait));
        await sleep(200);
        const { faults, count, area } = await layoutFaults(page);
        check(count === 13 && faults.length === 0,
              `${portrait ? w : h}x${portrait ? h : w}: ${count} controls of 44x44 px or more, clear of ` +
              `the ${Math.round(area.width)}x${Math.round(area.height)} play area (${faults.join(', ')})`);
      }
    for (const [portrait, insets] of [[false, { left: 47, right: 47, bottom: 21 }],
                                      [true, { top: 47, bottom: 34 }]]) {
      await page.setViewport(device({ width: 844, height: 390 }, portrait));
      await setInsets(page, game.cdp, insets);
      const { faults } = await layoutFaults(page, { left: 0, right: 0, top: 0, bottom: 0, ...insets });
      check(faults.length === 0, `with a notch ${portrait ? 'upright' : 'sideways'}, every control and ` +
            `the play area keep to the safe area (${faults.join(', ')})`);
      await setInsets(page, game.cdp, {});
    }
    await page.setViewport(device(phone));
    await sleep(300);
    const colours = keys(game).length;
    for (const name of ['Vert', 'Bleu', 'Vert', 'Bleu']) await hand.tap(await control(page, name));
    await waitFor('colours', 2, async () => keys(game).length === colours + 4);
    check(keys(game).slice(colours).join() === '86,66,86,66', `"Vert" and "Bleu" recolour the open menu ` +
          `(${keys(game).slice(colours)})`);
    await playByTouch(game, 'menu', 'door');
    const inside = await average(page, 0, 0, 751, 600);
    check(await page.evaluate(() => Module.phase) === 'game' && inside[1] < island[1],
          `the menu closed by touch, the hero walks through the first door (${inside}, from ${island})`);
    await shoot(page, 'door');
    writeFileSync(join(shots, 'touch-quest.trace'), game.trace.map((l) => l.join(' ')).join('\n') + '\n');
    const expected = questLines('', 'door').map(({ what }) => keyCodes[what]).filter(Boolean);
    const taken = keys(game).filter((k, i) => i < colours || i >= colours + 4);
    const same = taken.length === expected.length && taken.every((k, i) => k === expected[i]);
    check(same, `the game took the quest's ${expected.length} keys to the first door, in order, from ` +
                `the touches (${taken.length} taken)`);
    await hand.tap(await control(page, 'Quitter'));
    await hand.tap(await centre(page, '#touch .confirm .yes'));
    check(await waitFor('end', 5, () => shown(page, '#end')), '"Quitter la partie" shows the end screen');
    await shoot(page, 'end');
    await hand.tap(await centre(page, '#replay'));
    check(await waitFor('title', 5, () => titleBlue(page)) && !(await shown(page, '#end')),
          '"Rejouer" touched brings back the title');
    check(game.errors.length === 0, `no console error (${game.errors.join(' | ')})`);
    await page.close();
  }

  // Fingers as players use them: held, sliding, two at once, taps that must not zoom or
  // scroll, and the quit control that a stray tap cannot trigger.
  if (parts.includes('fingers')) {
    const game = await openTouch(browser, main.url + '?EPEE_TRACE=/dev/stdout', device(phone));
    const { page, hand } = game;
    await waitFor('title', 5, () => titleBlue(page));
    const start = await page.evaluate(() => performance.timeOrigin + started);
    await hand.tap([422, 195]);
    await playByTouch(game, '', 'walking', start);
    await stopped(game);
    // The keys the page holds down, as the game's keyboard state has them.
    await page.evaluate(() => {
      window.keysDown = new Set();
      addEventListener('keydown', (e) => keysDown.add(e.code), true);
      addEventListener('keyup', (e) => keysDown.delete(e.code), true);
    });
    const count = (code, from) => keys(game).slice(from).filter((k) => k === code).length;
    let mark = keys(game).length;
    await hand.down(1, await control(page, 'Droite'));
    await sleep(1500);
    await hand.up(1);
    await sleep(300);
    const held = count(39, mark);
    await sleep(300);
    check(held >= 20 && held <= 36 && keys(game).length === mark + held,
          `a held arrow repeats like a held key, and stops when lifted (${held} presses in 1.5 s)`);
    mark = keys(game).length;
    const [lx, ly] = await control(page, 'Gauche'), [ux, uy] = await control(page, 'Haut');
    await hand.down(1, [lx, ly]);
    for (let i = 1; i <= 5; i++) await hand.move(1, [lx + (ux - lx) * i / 5, ly + (uy - ly) * i / 5]);
    await hand.up(1);
    await sleep(300);
    check(keys(game).slice(mark).join() === '37,38', `a finger slid from one arrow to the next turns (${keys(game).slice(mark)})`);
    mark = keys(game).length;
    await hand.down(1, await control(page, 'Bas'));
    await sleep(100);
    await hand.down(2, await control(page, 'Action'));
    await hand.up(2);
    await sleep(900);
    await hand.up(1);
    await sleep(300);
    const both = keys(game).slice(mark);
    check(both[0] === 40 && both[1] === 32 && count(40, mark) >= 5,
          `an arrow held and the action tapped with another finger both count (${both.slice(0, 4)}...)`);
    const stuck = await page.evaluate(() => [...keysDown]);
    check(stuck.length === 0, `every finger lifted lets its key go (${stuck.join() || 'no key held'})`);

    // Taps, double taps, long presses and a pinch, on the picture and on the controls.
    await page.evaluate(() => {
      window.menus = 0;
      document.addEventListener('contextmenu', (e) => { if (!e.defaultPrevented) window.menus++; });
    });
    const picture = [422, 100], action = await control(page, 'Action');
    for (const at of [picture, action]) {
      await hand.tap(at);
      await hand.tap(at);
      await hand.down(1, at);
      await sleep(900);
      await hand.up(1);
    }
    await hand.down(1, [380, 150]);
    await hand.down(2, [460, 250]);
    for (let i = 1; i <= 8; i++) {
      await hand.move(1, [380 - 10 * i, 150 - 5 * i]);
      await hand.move(2, [460 + 10 * i, 250 + 5 * i]);
    }
    await hand.up(2);
    await hand.up(1);
    await sleep(500);
    const still = await page.evaluate(() => ({ scale: visualViewport.scale, x: scrollX, y: scrollY,
                                               selected: getSelection().toString(), menus: window.menus }));
    check(still.scale === 1 && still.x === 0 && still.y === 0 && !still.selected &&
          still.menus === 0, `no zoom, scroll, selection or menu after taps, double taps, long presses and a pinch (${JSON.stringify(still)})`);

    mark = keys(game).length;
    await hand.tap(await control(page, 'Quitter'));
    const asked = await shown(page, '#touch .confirm');
    await hand.tap(await centre(page, '#touch .confirm .no'));
    await sleep(300);
    check(asked && !(await shown(page, '#touch .confirm')) && keys(game).length === mark,
          '"Quitter" asks first, and "Continuer" goes on playing');
    await hand.tap(await control(page, 'Quitter'));
    await hand.tap(await centre(page, '#touch .confirm .yes'));
    check(await waitFor('end', 5, () => shown(page, '#end')) && keys(game).at(-1) === 27,
          '"Quitter la partie" ends the game with the end screen');
    await page.keyboard.press('Shift');
    const hidden = !(await shown(page, '#touch'));
    await hand.tap([422, 100]);
    check(hidden && await shown(page, '#touch'), 'a key hides the controls, a touch brings them back');
    check(game.errors.length === 0, `no console error (${game.errors.join(' | ')})`);
    await page.close();
  }

  // A desktop with a mouse never sees the controls.
  if (parts.includes('desktop')) {
    const page = await browser.newPage();
    await page.setViewport({ width: 1000, height: 700 });
    await page.goto(main.url);
    await waitFor('title', 5, () => titleBlue(page));
    await page.mouse.click(500, 350);
    check((await controls(page)).every((c) => ['fullscreen', 'keys-open', 'voice'].includes(c.name)) && !(await shown(page, '#touch')),
          'on a desktop with a mouse, no touch control shows');
    await page.close();
  }

  // Installed and offline: the manifest and its icons, the game with the server stopped,
  // then a changed site taken whole at the next visit.
  if (parts.includes('offline')) {
    const copy = mkdtempSync(join(tmpdir(), 'epee-site-'));
    cpSync(site, copy, { recursive: true });
    let server = await serve(copy);
    // A site of its own address, so that its service worker is its own.
    const page = await browser.newPage();
    await page.setViewport(device(phone));
    await page.goto(server.url);
    await waitFor('title', 5, () => titleBlue(page));
    const manifest = await page.evaluate(async () => {
      const href = document.querySelector('link[rel=manifest]').href;
      const m = await (await fetch(href)).json();
      for (const icon of m.icons) {
        const bitmap = await createImageBitmap(await (await fetch(new URL(icon.src, href))).blob());
        icon.real = `${bitmap.width}x${bitmap.height}`;
      }
      return m;
    });
    const icons = manifest.icons.map((i) => `${i.real}${i.purpose === 'maskable' ? ' maskable' : ''}`).join(', ');
    check(manifest.lang === 'fr' && manifest.name === "L'Épée légendaire" && manifest.short_name &&
          ['fullscreen', 'standalone'].includes(manifest.display) && manifest.orientation === 'landscape' &&
          manifest.theme_color && manifest.background_color &&
          manifest.icons.every((i) => i.real === i.sizes) && /192x192/.test(icons) &&
          /512x512 maskable/.test(icons) && /512x512(,|$)/.test(icons),
          `the manifest names the game in French, landscape, ${manifest.display}, with icons ${icons}`);
    check(await page.$$eval('meta[name=apple-mobile-web-app-capable], link[rel=apple-touch-icon]',
                            (e) => e.length) === 2, 'the page has what iOS needs to add it to the home screen');
    // Waited for a bounded time: a worker that never installs is a failure, not a hang.
    const worker = () => page.evaluate(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      return r ? ['installing', 'waiting', 'active'].filter((state) => r[state]).join(',') : 'none';
    });
    check(await waitFor('service worker', 30, async () => (await worker()).includes('active')),
          `a service worker keeps the site after the first visit (${await worker()})`);
    const cdp = await page.createCDPSession();
    const installable = await cdp.send('Page.getInstallabilityErrors').then((r) => r.installabilityErrors,
                                                                           () => []);
    check(installable.length === 0, `Chromium finds the page installable (${JSON.stringify(installable)})`);
    await server.stop();
    await page.reload();
    check(await waitFor('offline title', 10, () => titleBlue(page)), 'with the server stopped, a reload still reaches the blue title');

    // The next version: every file of the module changed, and the build's own version name.
    appendFileSync(join(copy, 'epee.js'), '\nvar epeeTestVersion = 2;\n');
    appendFileSync(join(copy, 'epee.wasm'), Buffer.from([0, 9, 7, 'v', 'e', 'r', 's', 'i', 'o', 'n', 50]
      .map((b) => typeof b === 'string' ? b.charCodeAt(0) : b)));
    execFileSync('cmake', [`-DSITE=${copy}`, `-DTEMPLATE=${join(root, 'web/sw.js')}`,
                           '-P', join(root, 'cmake/SiteVersion.cmake')]);
    server = await serve(copy, server.port);
    await page.reload();
    const whole = await waitFor('new version', 20, () => page.evaluate(async () =>
      typeof epeeTestVersion === 'number' &&
      new Uint8Array(await (await fetch('epee.wasm')).arrayBuffer()).at(-1) === 50));
    const caches = await page.evaluate(() => caches.keys());
    check(whole && await waitFor('new title', 5, () => titleBlue(page)) && caches.length === 1,
          `a changed site is taken whole at the next visit and plays (caches: ${caches})`);

    // Another version found during a game waits: the game goes on with the version it runs.
    await page.evaluate(() => { window.sameVisit = true; });
    // The title takes Space once its opening is over, as a player finds.
    const phase = () => page.evaluate(() => Module.phase);
    for (const end = Date.now() + 8000; await phase() !== 'name' && Date.now() < end;) {
      await page.keyboard.press('Space');
      await waitFor('name grid', 0.5, async () => await phase() === 'name');
    }
    appendFileSync(join(copy, 'epee.js'), '\nepeeTestVersion = 3;\n');
    execFileSync('cmake', [`-DSITE=${copy}`, `-DTEMPLATE=${join(root, 'web/sw.js')}`,
                           '-P', join(root, 'cmake/SiteVersion.cmake')]);
    const named = await phase() === 'name';
    // A reload by the new version ends this page's scripts: that is a failure, not an error.
    const found = await page.evaluate(async () => {
      const r = await navigator.serviceWorker.getRegistration();
      await r.update();
      for (let i = 0; i < 100 && !r.waiting; i++) await new Promise((ok) => setTimeout(ok, 100));
      return !!r.waiting;
    }).catch(() => false);
    await sleep(1500);
    const kept = await page.evaluate(async () => window.sameVisit && epeeTestVersion === 2 &&
      Module.phase === 'name' && !!(await navigator.serviceWorker.getRegistration()).waiting)
      .catch(() => false);
    check(named && found && kept,
          'a version found during a game waits for the title: the game goes on unreloaded');
    await page.close();
    await server.stop();
    rmSync(copy, { recursive: true });
  }
} finally {
  await browser.close();
  await main.stop();
}
done();
