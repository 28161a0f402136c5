// The page's weight and its first seconds, in the system's headless Chromium: what a first
// visit sends served compressed as hosts do, the site's size on disk, and the loading screen
// while the module is still on its way, gone with the title.
//   node weight.mjs SITE_DIR [SHOTS_DIR]
import { createServer } from 'node:http';
import { existsSync, mkdirSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { launchChromium } from './chromium.mjs';

const site = process.argv[2];
const shots = process.argv[3] || join(site, '..', 'shots');
mkdirSync(shots, { recursive: true });
// The page was 339 KB before it spoke and let the player choose the keys; those two cost
// about 15 KB (the narrator and its words in the module, speech.js, keys.js and keys.css).
const SENT_LIMIT = 360 * 1000, SITE_LIMIT = 1000 * 1000;

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png', '.json': 'application/json',
                '.webmanifest': 'application/manifest+json' };

// Serves the site's .gz copies to a browser that accepts them. While `held` is set, the
// module stops after its first `held` bytes until release() is called.
async function serve(root) {
  let held = 0, release = () => {};
  const requests = [];
  const server = createServer(async (req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
    let file = join(root, path.endsWith('/') ? path + 'index.html' : path);
    if (!existsSync(file)) return res.writeHead(404).end();
    requests.push(path);
    const headers = { 'Content-Type': types[extname(file)] || 'application/octet-stream' };
    if (/gzip/.test(req.headers['accept-encoding'] || '') && existsSync(file + '.gz')) {
      file += '.gz';
      headers['Content-Encoding'] = 'gzip';
    }
    const body = readFileSync(file);
    res.writeHead(200, { ...headers, 'Content-Length': body.length });
    if (extname(path) === '.wasm' && held) {
      res.write(body.subarray(0, held));
      await new Promise((ok) => { release = ok; });
      return res.end(body.subarray(held));
    }
    res.end(body);
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  return { server, requests, url: `http://127.0.0.1:${server.address().port}/`,
           hold: (bytes) => { held = bytes; }, release: () => release() };
}

let failures = 0, passes = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  ok ? passes++ : failures++;
}

async function waitFor(seconds, condition) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end;) {
    if (await condition()) return true;
    await new Promise((ok) => setTimeout(ok, 50));
  }
  return false;
}

// The blue of the title's lower band, read from the canvas as the game places its play area.
const titleBlue = (page) => page.evaluate(() => {
  const c = document.getElementById('canvas');
  const context = c.width && c.getContext('2d');
  if (!context) return false;
  const scale = Math.min(c.width / 751, c.height / 600);
  const left = Math.floor((c.width - Math.round(751 * scale)) / 2);
  const top = Math.floor((c.height - Math.round(600 * scale)) / 2);
  const d = context.getImageData(left, top + Math.round(570 * scale), Math.round(100 * scale), 4).data;
  let r = 0, g = 0, b = 0;
  for (let i = 0; i < d.length; i += 4) r += d[i], g += d[i + 1], b += d[i + 2];
  const n = d.length / 4;
  return b / n > 150 && r / n < 60 && g / n < 60;
});

const kb = (bytes) => `${(bytes / 1000).toFixed(1)} KB`;
const files = readdirSync(site).filter((f) => !/\.(gz|br)$/.test(f));
const siteBytes = files.reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
check(siteBytes <= SITE_LIMIT, `the site weighs ${kb(siteBytes)} uncompressed (at most ${kb(SITE_LIMIT)})`);
const wasmBytes = statSync(join(site, 'epee.wasm')).size;
check(['index.html', 'epee.js', 'epee.wasm'].every((f) => existsSync(join(site, f + '.gz')) &&
                                                       existsSync(join(site, f + '.br'))),
      'the page and the module have their .gz and .br copies');

const browser = await launchChromium();
const host = await serve(site);
try {
  // A first visit on a phone, the module held back at about a third of its bytes.
  host.hold(Math.round(statSync(join(site, 'epee.wasm.gz')).size * 0.35));
  const page = await browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  let sent = 0;
  cdp.on('Network.loadingFinished', (e) => { sent += e.encodedDataLength; });
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  await page.goto(host.url);
  const progress = () => page.$eval('#loading-text', (e) => e.textContent);
  const counting = await waitFor(10, async () => /Chargement… [1-9][\d  ]* Ko sur [\d  ]+ Ko/.test(await progress()));
  const bar = await page.$eval('#loading-bar', (e) => e.firstElementChild.offsetWidth / e.clientWidth);
  const shown = await page.$eval('#loading', (e) => !e.hidden && e.offsetHeight > 0);
  const name = await page.$eval('#loading h1', (e) => e.textContent);
  check(counting && shown && name === "L'Épée légendaire" && bar > 0.1 && bar < 0.6,
        `while the module downloads, the page shows the game's name and "${await progress()}" (bar ${(bar * 100).toFixed(0)} %)`);
  await page.screenshot({ path: join(shots, 'loading.png') });
  check(!(await titleBlue(page)), 'the title waits for the module');
  host.release();
  const title = await waitFor(20, () => titleBlue(page));
  check(title && await page.$eval('#loading', (e) => e.hidden), 'the loading screen is gone once the title shows');
  await page.screenshot({ path: join(shots, 'title-phone.png') });
  await new Promise((ok) => setTimeout(ok, 500));
  check(sent <= SENT_LIMIT, `a first visit sends ${kb(sent)} compressed (at most ${kb(SENT_LIMIT)})`);
  check(host.requests.filter((p) => p === '/epee.wasm').length === 1,
        `the module is fetched once, early (${host.requests.join(' ')})`);
  check(errors.length === 0, `no console error (${errors.join(' | ')})`);
  console.log(`epee.wasm: ${kb(wasmBytes)}, site: ${kb(siteBytes)}, sent: ${kb(sent)}`);
} finally {
  await browser.close();
  host.server.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
