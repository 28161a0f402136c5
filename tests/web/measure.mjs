// Times first visits of the page in headless Chromium, up to the game's first picture (the
// mark the page sets when the title is drawn), on a slow phone and on a desktop; prints each
// profile's runs, their median and the bytes sent. Used by tools/measure-web.sh.
//   node measure.mjs URL [RUNS]
import { launchChromium } from './chromium.mjs';

const [url, runs = '5'] = process.argv.slice(2);
const profiles = {
  phone: { viewport: { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
           network: { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 },
           cpu: 4 },
  desktop: { viewport: { width: 1280, height: 800 }, network: null, cpu: 1 },
};

const browser = await launchChromium();

// One first visit in a fresh profile: ms from navigation to the first picture, bytes sent.
async function visit({ viewport, network, cpu }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  if (network) await cdp.send('Network.emulateNetworkConditions', network);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: cpu });
  let sent = 0;
  cdp.on('Network.loadingFinished', (e) => { sent += e.encodedDataLength; });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('epee-first-picture').length > 0,
                             { timeout: 60000, polling: 50 });
  const ms = await page.evaluate(() => performance.getEntriesByName('epee-first-picture')[0].startTime);
  await context.close();
  return { ms, sent };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
try {
  for (const [name, profile] of Object.entries(profiles)) {
    const results = [];
    for (let i = 0; i < +runs; ++i) results.push(await visit(profile));
    const times = results.map((r) => r.ms);
    console.log(`${name}: title after ${median(times).toFixed(0)} ms (median of ${runs}: ` +
                `${times.map((t) => t.toFixed(0)).join(', ')}), ${(median(results.map((r) => r.sent)) / 1000).toFixed(1)} KB sent`);
  }
} finally {
  await browser.close();
}
