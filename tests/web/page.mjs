// What the web tests share: a static server for the site, the browser, the play area read
// from the canvas, the recorded quest's lines, and the tally of checks.
import { createServer } from 'node:http';
import { readdirSync, readFileSync } from 'node:fs';
import { getPriority, setPriority } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { launchChromium } from './chromium.mjs';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

// A static server for a folder on the loopback, or for several, each under its own prefix
// ({ '/': site, '/bare/': other }); a port may be asked for, to serve another version of the
// site at the same address.
export async function serve(root, port = 0) {
  const folders = Object.entries(typeof root === 'string' ? { '/': root } : root);
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
    const [prefix, folder] = folders.findLast(([p]) => path.startsWith(p)) || folders[0];
    const inside = path.slice(prefix.length - 1);
    const file = join(folder, inside.endsWith('/') ? inside + 'index.html' : inside);
    try {
      const body = readFileSync(file);
      res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((ok) => server.listen(port, '127.0.0.1', ok));
  const stop = () => { server.closeAllConnections(); return new Promise((ok) => server.close(ok)); };
  return { server, stop, port: server.address().port, url: `http://127.0.0.1:${server.address().port}/` };
}

export const launch = launchChromium;

// The checks' tally: check() prints each, done() exits with the verdict.
const tally = { passes: 0, failures: 0 };
export function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  ok ? tally.passes++ : tally.failures++;
}
export function done() {
  console.log(`${tally.passes} passed, ${tally.failures} failed`);
  process.exit(tally.failures ? 1 : 0);
}

export const sleep = (ms) => new Promise((ok) => setTimeout(ok, Math.max(0, ms)));

export async function waitFor(what, seconds, test) {
  const end = Date.now() + seconds * 1000;
  while (Date.now() < end) {
    if (await test().catch(() => false)) return true;
    await sleep(50);
  }
  return false;
}

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
export async function open(browser, url, viewport) {
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
  givePriority(browser.process().pid);
  return { page, errors, trace, opened };
}

// The average colour [r, g, b] of a region given in play-area pixels (751 x 600), from the
// canvas itself, placed as the game places the play area between its black bars.
export async function average(page, x, y, w, h) {
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

export const titleBlue = async (page) => {
  const [r, g, b] = await average(page, 0, 560, 120, 40);
  return b > 150 && r < 60 && g < 60;
};
// The yellow frame of a message, left of its text.
export const messageShown = async (page) => {
  const [r, g, b] = await average(page, 8, 20, 6, 80);
  return r > 200 && g > 200 && b < 80;
};

const quest = readFileSync(new URL('../replays/quest.replay', import.meta.url), 'utf8');

// The recorded quest's lines "ms key # comment" after the mark FROM up to the mark TO.
export function questLines(from, to) {
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

// Plays the quest's keys in real time with press(what), after the mark FROM up to the mark
// TO, or up to the moment TO when it is a number; each pause is kept whole even when a key
// went out late, so that a busy machine never brings two keys closer together. press()
// resolves once the key is taken, and returns the release to send after.
// The keyboard's keys for the quest's names of them.
export const keyNames = { Space: 'Space', Enter: 'Enter', Esc: 'Escape', Left: 'ArrowLeft', Up: 'ArrowUp',
                          Right: 'ArrowRight', Down: 'ArrowDown', M: 'KeyM', R: 'KeyR', V: 'KeyV', B: 'KeyB' };

// Plays the quest on the page's keyboard, each key by its name in NAMES (a key without one
// is only waited for); BEFORE, if given, is awaited before each key.
export const playKeys = (page, from, to, { names = keyNames, start, before } = {}) =>
  playQuest(async (what) => {
    if (!names[what]) return null;
    if (before) await before();
    await page.keyboard.down(names[what]);
    return () => page.keyboard.up(names[what]);
  }, from, to, start);

export async function playQuest(press, from, to, start = Date.now()) {
  const lines = typeof to === 'number' ? questLines(from).filter((l) => l.ms <= to) : questLines(from, to);
  let sent = start, last = from ? null : 0;
  for (const { ms, what } of lines) {
    if (last !== null) await sleep(sent + ms - last - Date.now());
    sent = Date.now();
    last = ms;
    const release = await press(what);
    if (!release) continue;
    // The pause counts from the moment the page took the key, which a busy page delays.
    sent = Date.now();
    await release();
  }
}
