"""The browser build's figures, in Debian's headless Chromium (software
WebGL), driven through the DevTools protocol as the browser tests are
(tests/web/devtools.py):

  - the download: the page's .wasm, .js and .data, raw and gzip -9;
  - from the page's request to the title menu drawn, over several runs;
  - the CPU time of the game's frames at 640x480 on level 15 (p50, p99,
    max): the time the program spends in each of the page's animation
    frames (Module.thraskFrameTimes) while the whole-game recording plays
    level 15 at its recorded pace (on the test page, build-web/test-page).

  tools/bench/web_bench.py [--page build-web] [--test-page build-web/test-page]
                           [--runs 5] [--frames 300] [--work DIR]

Speed belongs here, never in a test: nothing is asserted, only printed.
"""

import argparse
import gzip
import os
import sys
import tempfile

sys.dont_write_bytecode = True
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
import devtools  # noqa: E402

SAVES = '/home/web_user/.local/share/thrask/Save'
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


def level_15_frames(tab, frames):
    """The frame times of level 15 as the whole-game recording plays it at
    its recorded pace (the careful bot lives through it; a cook left standing
    there dies within seconds)."""
    def page_state():
        return tab.evaluate("Module.calledRun ? Module.ccall('thrask_page_state', 'string') : ''") or ''
    devtools.wait_until('level 15', lambda: 'level 15\n' in page_state(), deadline=900)
    tab.wait_frames(10)
    tab.evaluate('Module.thraskFrameTimes.length = 0')
    devtools.wait_until('%d frames of level 15' % frames,
                        lambda: tab.evaluate('Module.thraskFrameTimes.length') >= frames
                        or 'level 15\n' not in page_state(), deadline=900)
    return tab.evaluate('Module.thraskFrameTimes.slice()'), page_state()


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
        tab.navigate(server.url + '?replay=whole-game&nosound=1&w=640&h=480&aspect=1')
        times, state = level_15_frames(tab, args.frames)
        print('level 15 at 640x480, %d frames: CPU per frame p50 %.2f ms, p99 %.2f ms, max %.2f ms'
              % (len(times), percentile(times, 0.5), percentile(times, 0.99), max(times)))
        print('(the game then: %s)' % ' '.join(state.split()))
    finally:
        browser.stop()
        server.close()


if __name__ == '__main__':
    main()
