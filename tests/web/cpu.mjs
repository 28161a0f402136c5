// The page's processor time, beside a bare page drawing the same changes (bare.html), in the
// system's headless Chromium: 10 s at the title's prompt, then 10 s walking to and fro; and
// the animation frames each page asks for at the title, where nothing else moves.
//   node cpu.mjs SITE_DIR
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const folders = { '/': process.argv[2], '/bare/': new URL('.', import.meta.url).pathname };
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png' };
const server = createServer((req, res) => {
  const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
  const [prefix, folder] = Object.entries(folders).findLast(([p]) => path.startsWith(p));
  try {
    const file = join(folder, path.slice(prefix.length) || 'index.html');
    const body = readFileSync(file);
    res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    res.end(body);
  } catch {
    res.writeHead(404).end();
  }
});
await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
const url = `http://127.0.0.1:${server.address().port}/`;
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));
const seconds = 10;
const quest = readFileSync(new URL('../replays/quest.replay', import.meta.url), 'utf8').split('\n')
  .filter((l) => /^\d+ /.test(l));
const keys = { Space: 'Space', Left: 'ArrowLeft', Up: 'ArrowUp', Right: 'ArrowRight',
               Down: 'ArrowDown', M: 'KeyM', R: 'KeyR' };

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
  userDataDir: mkdtempSync(join(tmpdir(), 'epee-chromium-')),
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-background-timer-throttling',
         '--disable-renderer-backgrounding'],
});

// Processor time of the page's main thread over `seconds` while `act` runs, in ms per s.
async function cpu(page, act) {
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const read = async () => Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics
    .map(({ name, value }) => [name, value]));
  const before = await read(), frames = await page.evaluate(() => window.frames_);
  const started = Date.now();
  await act();
  const after = await read(), took = (Date.now() - started) / 1000;
  return { task: (after.TaskDuration - before.TaskDuration) * 1000 / took,
           script: (after.ScriptDuration - before.ScriptDuration) * 1000 / took,
           frames: (await page.evaluate(() => window.frames_) - frames) / took };
}

async function measure(address) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 700 });
  // Counts the animation frames the page asks for.
  await page.evaluateOnNewDocument(() => {
    window.frames_ = 0;
    const ask = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (f) => { window.frames_++; return ask(f); };
  });
  await page.goto(address);
  await page.bringToFront();
  await sleep(3000);
  const title = await cpu(page, () => sleep(seconds * 1000));
  // Into the game by the recorded quest's keys, up to its first steps.
  let last = 0;
  for (const line of quest.slice(0, quest.findIndex((l) => l.includes('e2e: walking')))) {
    const [ms, key] = line.split(/\s+/);
    await sleep(ms - last);
    last = +ms;
    if (keys[key]) await page.keyboard.press(keys[key]);
  }
  await sleep(300);
  const walk = await cpu(page, async () => {
    for (let i = 0; i < seconds * 1000 / 150; i++) {
      await page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
      await sleep(150);
    }
  });
  await page.close();
  return { title, walk };
}

const game = await measure(url), bare = await measure(url + 'bare/bare.html');
const show = (m) => `${m.task.toFixed(1)} ms/s of tasks (${m.script.toFixed(1)} of script), ` +
                    `${m.frames.toFixed(1)} frames/s asked`;
for (const part of ['title', 'walk']) {
  console.log(`${part}: game ${show(game[part])}; bare page ${show(bare[part])}; ` +
              `ratio ${(game[part].task / bare[part].task).toFixed(2)}`);
}
await browser.close();
server.close();
