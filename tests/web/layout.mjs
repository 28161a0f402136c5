// The layout rules of the page's touch controls, shared by the browser checks: every
// control the player may touch at least 44 x 44 CSS px, over neither the play area nor
// another control, and within the screen's safe area.
import { sleep } from './page.mjs';

// The play area as the game places it in its canvas, in CSS pixels of the page.
export const playArea = (page) => page.evaluate(() => {
  const c = document.getElementById('canvas').getBoundingClientRect();
  const scale = Math.min(c.width / 751, c.height / 600);
  return { left: c.left + (c.width - 751 * scale) / 2, top: c.top + (c.height - 600 * scale) / 2,
           width: 751 * scale, height: 600 * scale };
});

// Every control the player may touch now, with its box in CSS pixels.
export const controls = (page) => page.evaluate(() =>
  [...document.querySelectorAll('#touch [aria-label], #fullscreen, #keys-open, #voice')]
    .filter((e) => e.checkVisibility({ visibilityProperty: true }))
    .map((e) => { const r = e.getBoundingClientRect();
                  return { name: e.getAttribute('aria-label') || e.id, left: r.left, top: r.top,
                           width: r.width, height: r.height }; }));
// What breaks the layout rules at this size: a control over the play area, smaller than
// 44 x 44, or outside the screen's safe area.
export async function layoutFaults(page, insets = { left: 0, right: 0, top: 0, bottom: 0 }) {
  const area = await playArea(page);
  const { w, h } = await page.evaluate(() => ({ w: innerWidth, h: innerHeight }));
  const faults = [];
  const overlaps = (a, b) => a.left < b.left + b.width - 0.5 && b.left < a.left + a.width - 0.5 &&
                             a.top < b.top + b.height - 0.5 && b.top < a.top + a.height - 0.5;
  const all = await controls(page);
  for (const c of all) {
    if (overlaps(c, area)) faults.push(`${c.name} covers the play area`);
    if (c.width < 44 || c.height < 44) faults.push(`${c.name} is ${c.width}x${c.height}`);
    if (c.left < insets.left || c.top < insets.top || c.left + c.width > w - insets.right ||
        c.top + c.height > h - insets.bottom) faults.push(`${c.name} is outside the safe area`);
    for (const d of all) if (c !== d && overlaps(c, d)) faults.push(`${c.name} covers ${d.name}`);
  }
  if (area.top < insets.top - 0.5 || area.left < insets.left - 0.5 || area.top + area.height > h - insets.bottom + 0.5)
    faults.push('the play area is outside the safe area');
  return { faults: [...new Set(faults)], count: all.length, area };
}

// Sets the screen's safe-area insets as a phone with a notch has them.
export async function setInsets(page, cdp, insets) {
  const set = await cdp.send('Emulation.setSafeAreaInsetsOverride', { insets }).then(() => true, () => false);
  // Without the protocol's override, the page's own names for the insets stand in for them.
  if (!set) await page.evaluate((i) => {
    for (const [side, name] of [['left', '--safe-left'], ['right', '--safe-right'],
                                ['top', '--safe-top'], ['bottom', '--safe-bottom']])
      document.documentElement.style.setProperty(name, `${i[side] || 0}px`);
  }, insets);
  await sleep(200);
}

