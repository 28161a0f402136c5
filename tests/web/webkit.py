#!/usr/bin/python3
"""The page in WebKit, the engine of every browser on an iPhone or iPad: Debian's MiniBrowser
driven by WebDriver plays the opening as a player would: the loading screen, the blue title,
the name grid, the island's message, the menu; the service worker registered, no error.
Needs a display (make web-test gives it Xvfb).
    tests/web/webkit.py SITE_DIR SHOTS_DIR"""
import os
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options

HERE = os.path.dirname(os.path.abspath(__file__))
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
KEYS = {'Space': Keys.SPACE, 'Enter': Keys.ENTER, 'Esc': Keys.ESCAPE, 'Left': Keys.ARROW_LEFT,
        'Up': Keys.ARROW_UP, 'Right': Keys.ARROW_RIGHT, 'Down': Keys.ARROW_DOWN, 'M': 'm'}
failures = []


def check(ok, what):
    print(('ok: ' if ok else 'FAILED: ') + what, flush=True)
    if not ok:
        failures.append(what)


def wait_for(seconds, test):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if test():
                return True
        except Exception:  # the page between two states, or still loading
            pass
        time.sleep(0.05)
    return False


def quest_keys(last_mark):
    """The recorded quest's keys up to the line marked LAST_MARK, each with its moment in ms."""
    keys = subprocess.run(['node', os.path.join(HERE, 'quest-keys.mjs'), '', last_mark],
                          check=True, capture_output=True, text=True, timeout=30).stdout.split('\n')
    return [(int(ms), what) for ms, what in (line.split() for line in keys if line)]


def play(driver, keys):
    """Plays keys at their recorded moments, never closer together than recorded."""
    sent, last = time.monotonic(), keys[0][0] if keys else 0
    for ms, what in keys:
        time.sleep(max(0.0, sent + (ms - last) / 1000 - time.monotonic()))
        last = ms
        if what in KEYS:
            ActionChains(driver).send_keys(KEYS[what]).perform()
        sent = time.monotonic()


def phase(driver):
    return driver.execute_script('return window.Module && Module.phase')


# The average colour of a region of the play area (751 x 600), read from the canvas.
AVERAGE = '''
const [x, y, w, h] = arguments;
const c = document.getElementById('canvas');
const scale = Math.min(c.width / 751, c.height / 600);
const left = Math.floor((c.width - Math.round(751 * scale)) / 2);
const top = Math.floor((c.height - Math.round(600 * scale)) / 2);
const d = c.getContext('2d').getImageData(left + Math.round(x * scale), top + Math.round(y * scale),
                                          Math.round(w * scale), Math.round(h * scale)).data;
const sum = [0, 0, 0];
for (let i = 0; i < d.length; i += 4) for (let k = 0; k < 3; k++) sum[k] += d[i + k];
return sum.map((s) => Math.round(s / (d.length / 4)));
'''


def average(driver, x, y, w, h):
    return driver.execute_script(AVERAGE, x, y, w, h)


def title_blue(driver):
    r, g, b = average(driver, 0, 560, 120, 40)
    return b > 150 and r < 60 and g < 60


def message_shown(driver):
    r, g, b = average(driver, 8, 20, 6, 80)
    return r > 200 and g > 200 and b < 80


# Errors the page meets once the test listens: kept in the session's storage. An error
# before that shows the page's own error screen, which is checked too.
CATCH_ERRORS = '''
window.addEventListener('error', (e) => sessionStorage.errors += e.message + ' | ');
window.addEventListener('unhandledrejection', (e) => sessionStorage.errors += e.reason + ' | ');
'''


def main(site, shots):
    os.makedirs(shots, exist_ok=True)
    server = subprocess.Popen(['node', os.path.join(HERE, 'serve.mjs'), site],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    url = server.stdout.readline().strip()
    options = Options()
    options.binary_location = MINIBROWSER
    options.add_argument('--automation')
    driver = webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver', options=options)
    driver.set_script_timeout(10)
    driver.set_page_load_timeout(30)
    try:
        driver.set_window_size(1000, 800)
        driver.get(url)
        check(driver.execute_script("return !document.getElementById('loading').hidden"),
              'the loading screen shows while the game loads')
        driver.save_screenshot(os.path.join(shots, 'webkit-loading.png'))
        driver.execute_script('sessionStorage.errors = ""; ' + CATCH_ERRORS)
        check(wait_for(20, lambda: title_blue(driver)), 'the title turns blue')
        check(driver.execute_script("return document.getElementById('loading').hidden"),
              'the loading screen has given way to the title')
        driver.save_screenshot(os.path.join(shots, 'webkit-title.png'))
        keys = quest_keys('island')
        play(driver, [k for k in keys if k[0] <= 2600])
        check(wait_for(3, lambda: phase(driver) == 'name'), 'Space shows the name grid')
        driver.save_screenshot(os.path.join(shots, 'webkit-name.png'))
        play(driver, [k for k in keys if k[0] >= 2600])
        check(wait_for(5, lambda: phase(driver) == 'message' and message_shown(driver)),
              "the name chosen, the island shows its message")
        driver.save_screenshot(os.path.join(shots, 'webkit-island.png'))
        play(driver, [(0, 'Space'), (300, 'M')])
        check(wait_for(3, lambda: phase(driver) == 'menu'), 'M opens the menu')
        driver.save_screenshot(os.path.join(shots, 'webkit-menu.png'))
        registered = driver.execute_async_script(
            'const done = arguments[0];'
            'navigator.serviceWorker.ready.then((r) => done(!!r.active), () => done(false));')
        check(registered, 'the service worker is registered and active')
        shown = driver.execute_script("return document.getElementById('error').hidden")
        errors = driver.execute_script('return sessionStorage.errors')
        check(shown and not errors, f'no page error ({errors})')
    finally:
        driver.quit()
        server.stdin.close()
        server.wait(5)
    print(f'webkit: {len(failures)} failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
