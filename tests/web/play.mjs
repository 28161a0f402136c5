// The game's web page in the system's headless Chromium, played as a person would: real key
// events at the moments of the recorded whole quest, what the canvas shows, the page's own
// screens, and the game's trace (EPEE_TRACE, written to the console) for its timers.
//   node play.mjs SITE_DIR [SHOTS_DIR]
import { createServer } from 'node:http';
import { cpSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { getPriority, setPriority, tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const site = process.argv[2];
const shots = process.argv[3] || join(site, '..', 'shots');
const quest = readFileSync(new URL('../replays/quest.replay', import.meta.url), 'utf8');
mkdirSync(shots, { recursive: true });

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
                '.wasm': 'application/wasm', '.png': 'image/png' };

// A static server for a folder on a free port of the loopback.
async function serve(root) {
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
    const file = join(root, path.endsWith('/') ? path + 'index.html' : path);
    try {
      const body = readFileSync(file);
      res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

let failures = 0, passes = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  ok ? passes++ : failures++;
}

const sleep = (ms) => new Promise((ok) => setTimeout(ok, Math.max(0, ms)));

// Chromium gives its page processes a priority of its own; they get the test's instead, which
// the Makefile raises where it may, as a game in the foreground would have on a desktop.
function givePriority(pid) {
  for (const task of readdirSync(`/proc/${pid}/task`)) {
    try { setPriority(+task, getPriority()); } catch { /* a thread that has just ended */ }
    const children = readFileSync(`/proc/${pid}/task/${task}/children`, 'utf8').trim();
    for (const child of children ? children.split(' ') : []) givePriority(child);
  }
}

// A page with the game; its console errors and trace lines are kept.
async function open(browser, url, viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [], trace = [];
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(m.text());
    else if (/^\d+ (tick|key|frame) /.test(m.text())) trace.push(m.text().split(' '));
  });
  page.on('pageerror', (e) => errors.push(String(e)));
  const opened = Date.now();
  await page.goto(url);
  await page.bringToFront();
  givePriority(page.browser().process().pid);
  return { page, errors, trace, opened };
}

// The average colour [r, g, b] of a region given in play-area pixels (751 x 600), from the
// canvas itself, placed as the game places the play area between its black bars.
async function average(page, x, y, w, h) {
  return page.evaluate((x, y, w, h) => {
    const c = document.getElementById('canvas');
    const scale = Math.min(c.width / 751, c.height / 600);
    const left = Math.floor((c.width - Math.round(751 * scale)) / 2);
    const top = Math.floor((c.height - Math.round(600 * scale)) / 2);
    const picture = c.getContext('2d');
    if (!picture) throw new Error('the canvas holds no 2d picture: the game drew it with WebGL');
    const d = picture.getImageData(left + Math.round(x * scale), top + Math.round(y * scale),
                                   Math.round(w * scale), Math.round(h * scale)).data;
    const sum = [0, 0, 0];
    for (let i = 0; i < d.length; i += 4) for (let k = 0; k < 3; k++) sum[k] += d[i + k];
    return sum.map((s) => Math.round(s / (d.length / 4)));
  }, x, y, w, h);
}

async function waitFor(what, seconds, test) {
  const end = Date.now() + seconds * 1000;
  while (Date.now() < end) {
    if (await test()) return true;
    await sleep(50);
  }
  return false;
}

const titleBlue = async (page) => {
  const [r, g, b] = await average(page, 0, 560, 120, 40);
  return b > 150 && r < 60 && g < 60;
};
// The yellow frame of a message, left of its text.
const messageShown = async (page) => {
  const [r, g, b] = await average(page, 8, 20, 6, 80);
  return r > 200 && g > 200 && b < 80;
};
const shown = (page, id) => page.$eval('#' + id, (e) => !e.hidden);

const keyNames = { Space: 'Space', Enter: 'Enter', Esc: 'Escape', Left: 'ArrowLeft', Up: 'ArrowUp',
                   Right: 'ArrowRight', Down: 'ArrowDown', M: 'KeyM', R: 'KeyR', V: 'KeyV', B: 'KeyB' };

// The recorded quest's lines "ms key # comment" after the mark FROM up to the mark TO.
function questLines(from, to) {
  const lines = [];
  let playing = !from;
  for (const line of quest.split('\n')) {
    const [ms, what] = line.split(/\s+/);
    if (!/^\d+$/.test(ms)) continue;
    if (!playing) {
      playing = line.includes(`e2e: ${from}`);
      if (playing) lines.push({ ms: +ms, what: 'wait' });
      continue;
    }
    lines.push({ ms: +ms, what, line });
    if (to && line.includes(`e2e: ${to}`)) return lines;
  }
  if (to) throw new Error(`no mark '${to}' in the quest`);
  return lines;
}

// Plays the quest's keys in real time; each pause is kept whole even when a key went out
// late, so that a busy machine never brings two keys closer together.
async function play(page, from, to, start = Date.now()) {
  let sent = start, last = from ? null : 0;
  for (const { ms, what } of questLines(from, to)) {
    if (last !== null) await sleep(sent + ms - last - Date.now());
    sent = Date.now();
    last = ms;
    if (!keyNames[what]) continue;
    // The pause counts from the moment the page took the key, which a busy page delays.
    await page.keyboard.down(keyNames[what]);
    sent = Date.now();
    await page.keyboard.up(keyNames[what]);
  }
}

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

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: mkdtempSync(join(tmpdir(), 'epee-chromium-')),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--disable-background-timer-throttling', '--disable-renderer-backgrounding'],
});
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

  // The whole quest, its title, its island, its victory and the end screen.
  if (parts.includes('quest')) {
    const { page, errors } = await open(browser, url, { width: 1000, height: 700 });
    check(await waitFor('title', 5, () => titleBlue(page)), 'the title turns blue');
    check(await page.title() === "L'Épée légendaire", 'the page is titled "L\'Épée légendaire"');
    const start = await page.evaluate(() => performance.timeOrigin + started);
    await play(page, '', 'title', start);
    await page.screenshot({ path: join(shots, 'title.png') });
    await play(page, 'title', 'island');
    check(await messageShown(page), 'the island shows the opening message');
    await page.screenshot({ path: join(shots, 'island.png') });
    await play(page, 'island', 'victory');
    check(await messageShown(page), 'the sword found: the victory message shows');
    check(!(await shown(page, 'end')), 'no end screen while the victory shows');
    await play(page, 'victory', '');
    const ended = await waitFor('end', 3, () => shown(page, 'end'));
    check(ended, 'the press after the victory shows the end screen');
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
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
