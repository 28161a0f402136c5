// The game's web page in the system's headless Chromium, played as a person would: real key
// events at the moments of the recorded quest up to its first door, what the canvas shows,
// the page's own screens, and the game's trace (EPEE_TRACE, written to the console) for its
// timers. The rest of the quest is the same keys: the recorded games' digests in the page's
// build prove its game (make web-test).
//   node play.mjs SITE_DIR [SHOTS_DIR]
import { cpSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { average, check, done, launch, messageShown, open, playKeys, serve, sleep, titleBlue,
         waitFor } from './page.mjs';

const site = process.argv[2];
const shots = process.argv[3] || join(site, '..', 'shots');
mkdirSync(shots, { recursive: true });

const shown = (page, id) => page.$eval('#' + id, (e) => !e.hidden);

// Plays the quest's keys from the keyboard.
const play = (page, from, to, start) => playKeys(page, from, to, { start });

// Mean gap in ms and count of the ticks of a timer in a trace between two moments (ms).
function ticks(trace, timer, from, to) {
  const times = trace.filter(([t, kind, name]) => kind === 'tick' && name === timer &&
                                                  t / 1000 >= from && t / 1000 <= to).map(([t]) => t / 1000);
  return { count: times.length, gap: (times.at(-1) - times[0]) / (times.length - 1) };
}

// From each arrow key to the fifth tick of tmrI after it, in ms.
function stepTimes(trace, from) {
  const steps = [];
  let start = null, n = 0;
  for (const [t, kind, name] of trace) {
    if (t / 1000 < from) continue;
    if (kind === 'key' && (name === '37' || name === '39')) { start = +t; n = 0; }
    else if (kind === 'tick' && name === 'tmrI' && start !== null && ++n === 5) {
      steps.push((t - start) / 1000);
      start = null;
    }
  }
  return steps;
}

const browser = await launch();
const { server, url } = await serve(site);
const traced = url + '?EPEE_TRACE=/dev/stdout';

// The parts to play, all by default: EPEE_WEB_TESTS=timers,quest plays some.
const parts = (process.env.EPEE_WEB_TESTS || 'timers,quest,missing').split(',');
const saveTrace = (name, trace) =>
  writeFileSync(join(shots, name), trace.map((l) => l.join(' ')).join('\n') + '\n');

try {
  // First, on an empty cache: the time to the title, a crisp canvas at twice the pixels, the timers in the browser, and Esc during a step.
  if (parts.includes('timers')) {
    const { page, errors, trace, opened } = await open(browser, traced, { width: 800, height: 600 });
    await waitFor('title', 5, () => titleBlue(page));
    const firstFrame = trace.find(([, kind]) => kind === 'frame');
    const toFrame = firstFrame ? firstFrame[0] / 1000 - opened : Infinity;
    console.log(`opening the page to the title's first picture: ${toFrame.toFixed(0)} ms`);
    check(toFrame < 2000, 'the title shows within 2 s');
    const canvasSize = () => page.$eval('#canvas', (c) => [c.width, c.height].join('x'));
    await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 2 });
    const sharp = await waitFor('resize', 3, async () => await canvasSize() === '1600x1200');
    check(sharp, `at twice the pixels, the canvas holds one pixel per device pixel (${await canvasSize()})`);
    await page.setViewport({ width: 800, height: 600 });
    await waitFor('resize', 3, async () => await canvasSize() === '800x600');
    const titleFrom = Date.now();
    await sleep(6000);
    const blink = ticks(trace, 'tmrTouche', titleFrom, Date.now());
    await play(page, 'title', 'walking');
    const walkFrom = Date.now();
    for (let i = 0; i < 20; i++) {
      await page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
      await sleep(150);
    }
    const cursor = ticks(trace, 'tmrCurseur', walkFrom, Date.now());
    const steps = stepTimes(trace, walkFrom);
    const step = steps.reduce((a, b) => a + b, 0) / steps.length;
    const rate = 1000 / cursor.gap;
    console.log(`step of five ticks: ${step.toFixed(1)} ms over ${steps.length} steps (100 +-10%)`);
    console.log(`prompt blink: ${blink.gap.toFixed(1)} ms over ${blink.count} ticks (500 +-5%)`);
    console.log(`"1 ms" timer: ${rate.toFixed(1)}/s over ${cursor.count} ticks (64 +-5%)`);
    check(steps.length >= 15 && step >= 90 && step <= 110, 'a step of five ticks takes 100 ms +-10%');
    check(blink.count >= 10 && blink.gap >= 475 && blink.gap <= 525, 'the prompt blinks every 500 ms +-5%');
    check(rate >= 60.8 && rate <= 67.2, 'the "1 ms" timer ticks 64 times a second +-5%');
    await page.keyboard.press('ArrowRight');
    await sleep(30);
    await page.keyboard.press('Escape');
    const escaped = Date.now();
    const ended = await waitFor('end', 5, () => shown(page, 'end'));
    saveTrace('timers.trace', trace);
    const [r, g, b] = await average(page, 0, 0, 751, 600);
    check(ended && r + g + b < 30,
          `Esc during a step shows the end screen after the fade to black (${Date.now() - escaped} ms)`);
    check(errors.length === 0, `no console error (${errors.join(' | ')})`);
    await page.close();
  }

  // The quest to its first door: its title, its island, the door; then Esc, the end screen
  // and "Rejouer".
  if (parts.includes('quest')) {
    const { page, errors } = await open(browser, url, { width: 1000, height: 700 });
    check(await waitFor('title', 5, () => titleBlue(page)), 'the title turns blue');
    check(await page.title() === "L'Épée légendaire", 'the page is titled "L\'Épée légendaire"');
    const start = await page.evaluate(() => performance.timeOrigin + started);
    await play(page, '', 'title', start);
    await page.screenshot({ path: join(shots, 'title.png') });
    await play(page, 'title', 'island');
    check(await messageShown(page), 'the island shows the opening message');
    const island = await average(page, 0, 0, 751, 600);
    await page.screenshot({ path: join(shots, 'island.png') });
    await play(page, 'island', 'door');
    const inside = await average(page, 0, 0, 751, 600);
    check(inside[1] < island[1], `the first door leads indoors (${inside}, from ${island})`);
    check(!(await shown(page, 'end')), 'no end screen while the game goes on');
    await page.keyboard.press('Escape');
    const ended = await waitFor('end', 5, () => shown(page, 'end'));
    check(ended, 'Esc in the game shows the end screen');
    if (ended) {
      await page.screenshot({ path: join(shots, 'end.png') });
      await page.click('#replay');
      check(await waitFor('title', 5, () => titleBlue(page)) && !(await shown(page, 'end')),
            '"Rejouer" brings back the title');
    }
    check(errors.length === 0, `no console error (${errors.join(' | ')})`);
    await page.close();
  }

  // Without its module the page says so, in French.
  if (parts.includes('missing')) {
    const broken = mkdtempSync(join(tmpdir(), 'epee-site-'));
    cpSync(site, broken, { recursive: true });
    rmSync(join(broken, 'epee.wasm'));
    const other = await serve(broken);
    const { page } = await open(browser, other.url, { width: 800, height: 600 });
    const said = await waitFor('error', 10, () => shown(page, 'error'));
    const text = await page.$eval('#error', (e) => e.innerText);
    check(said && text.includes('epee.wasm') && text.includes('ne peut pas démarrer'),
          `with the module missing, the page says why (${text.replace(/\s+/g, ' ')})`);
    await page.close();
    other.server.close();
    rmSync(broken, { recursive: true });
  }
} finally {
  await browser.close();
  server.close();
}
done();
