// The page's processor time, beside a bare page drawing the same changes (bare.html), in the
// system's headless Chromium: 10 s at the title's prompt, then 10 s walking to and fro; and
// the animation frames each page asks for at the title, where nothing else moves.
//   node cpu.mjs SITE_DIR
import { launch, questLines, serve, sleep } from './page.mjs';

const { url, stop } = await serve({ '/': process.argv[2], '/bare/': new URL('.', import.meta.url).pathname });
const seconds = 10;
const keys = { Space: 'Space', Left: 'ArrowLeft', Up: 'ArrowUp', Right: 'ArrowRight',
               Down: 'ArrowDown', M: 'KeyM', R: 'KeyR' };

const browser = await launch();

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
  // Into the game by the recorded quest's keys, up to its first step.
  let last = 0;
  for (const { ms, what } of questLines('', 'walking')) {
    await sleep(ms - last);
    last = ms;
    if (keys[what]) await page.keyboard.press(keys[what]);
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
await stop();
