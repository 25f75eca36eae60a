"""The browser build's figures, in Debian's headless Chromium (software
WebGL), driven through the DevTools protocol as the browser tests are
(tests/web/devtools.py):

  - the download: the page's .wasm, .js and .data, raw and gzip -9;
  - from the page's request to the title menu drawn, over several runs;
  - the CPU time of the game's frames at 640x480 on level 15 (p50, p99,
    max): the time the program spends in each of the page's animation
    frames (Module.thraskFrameTimes) while a saved game of level 15 plays,
    loaded from the load list of the test page (build-web/test-page).

  tools/bench/web_bench.py [--page build-web] [--test-page build-web/test-page]
                           [--runs 5] [--frames 300] [--work DIR]

Speed belongs here, never in a test: nothing is asserted, only printed.
"""

import argparse
import gzip
import struct
import os
import sys
import tempfile

sys.dont_write_bytecode = True
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
import devtools  # noqa: E402

SAVES = '/home/web_user/.local/share/thrask/Save'
# A saved game (play/SaveRecord.h): level, hp, score, intro flag.
LEVEL_15_SAVE = struct.pack('<iiiB', 15, 30, 0, 0)
# Points of the 640x480 canvas the title menu is looked for at.
GRID = [(x, y) for x in range(20, 640, 60) for y in range(20, 480, 60)]
def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]


def download(page):
    total_raw = total_gzip = 0
    for name in ('index.wasm', 'index.js', 'index.data'):
        with open(os.path.join(page, name), 'rb') as f:
            data = f.read()
        packed = len(gzip.compress(data, 9))
        total_raw += len(data)
        total_gzip += packed
        print('%-11s %9d bytes raw, %9d gzip -9' % (name, len(data), packed))
    print('%-11s %9d bytes raw, %9d gzip -9 (%.2f MB, %.2f MB)'
          % ('in all', total_raw, total_gzip, total_raw / 1e6, total_gzip / 1e6))


def title_drawn(tab):
    """ms from the page's request to the first frame whose pixels show the
    title menu (most of the grid lit), polled frame by frame."""
    def check():
        if not tab.evaluate('Boolean(window.Module && Module.calledRun)'):
            return None
        at, pixels = tab.evaluate(
            'Promise.all([%s]).then(function (p) { return [performance.now(), p]; })'
            % ', '.join('Module.thraskPixels(%d, %d, 1, 1)' % point for point in GRID), await_promise=True)
        lit = sum(1 for p in pixels if max(p[:3]) > 24)
        return at if lit > len(GRID) * 0.7 else None
    return devtools.wait_until('the title menu', check)


def page_state(tab):
    return tab.evaluate("Module.calledRun ? Module.ccall('thrask_page_state', 'string') : ''") or ''


def level_15_frames(tab, frames):
    """The frame times of level 15: a saved game of level 15 is loaded from
    the load list and its frames timed while the cook stands there, until
    it dies (within seconds: level 15 is the last); again until `frames`
    frames are timed."""
    times = []
    while len(times) < frames:
        try:
            devtools.wait_until('the main menu', lambda: 'screen main-menu\n' in page_state(tab))
        except devtools.Timeout:
            # The game went elsewhere after a death (the best scores' name
            # prompt): what was timed stands.
            if times:
                break
            raise
        tab.evaluate("try { FS.mkdir('%s'); } catch (e) {} FS.writeFile('%s/bench.sav', new Uint8Array(%s))"
                     % (SAVES, SAVES, list(LEVEL_15_SAVE)))
        # Down twice marks Load Game; Enter opens the list and loads its first game.
        tab.arrow('Down')
        tab.arrow('Down')
        tab.enter()
        devtools.wait_until('the load list', lambda: 'screen load-list\n' in page_state(tab))
        tab.enter()
        devtools.wait_until('level 15', lambda: 'screen play\nlevel 15\n' in page_state(tab))
        tab.wait_frames(5)
        tab.evaluate('Module.thraskFrameTimes.length = 0')
        devtools.wait_until('the end of level 15', lambda: 'screen play\n' not in page_state(tab)
                            or tab.evaluate('Module.thraskFrameTimes.length') >= frames, deadline=300)
        # The frames of the death sequence's hand-over are not level 15's.
        times += tab.evaluate('Module.thraskFrameTimes.slice(0, -2)')
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', default=os.path.join(ROOT, 'build-web'))
    parser.add_argument('--test-page', default=os.path.join(ROOT, 'build-web', 'test-page'))
    parser.add_argument('--runs', type=int, default=5)
    parser.add_argument('--frames', type=int, default=300)
    parser.add_argument('--work', default=None)
    args = parser.parse_args()
    work = args.work or tempfile.mkdtemp(prefix='thrask-web-bench-')

    download(args.page)

    server = devtools.PageServer(args.page)
    browser = devtools.Chromium(os.path.join(work, 'title'))
    try:
        tab = browser.start()
        times = []
        for _ in range(args.runs):
            tab.navigate(server.url + '?nosound=1')
            times.append(title_drawn(tab))
        print('title menu drawn after %s ms (median %.0f ms)'
              % (', '.join('%.0f' % t for t in times), percentile(times, 0.5)))
    finally:
        browser.stop()
        server.close()

    server = devtools.PageServer(args.test_page)
    browser = devtools.Chromium(os.path.join(work, 'level15'))
    browser.remove_profile()
    try:
        tab = browser.start()
        # The page's canvas takes its box's size: a 640x480 window makes it 640x480.
        tab.send('Emulation.setDeviceMetricsOverride', width=640, height=480, deviceScaleFactor=1, mobile=False)
        tab.navigate(server.url + '?nosound=1&w=640&h=480&aspect=1')
        times = level_15_frames(tab, args.frames)
        size = tab.evaluate('[canvas.width, canvas.height]')
        print('level 15 at %dx%d, %d frames: CPU per frame p50 %.2f ms, p99 %.2f ms, max %.2f ms'
              % (size[0], size[1], len(times), percentile(times, 0.5), percentile(times, 0.99), max(times)))
    finally:
        browser.stop()
        server.close()


if __name__ == '__main__':
    main()
