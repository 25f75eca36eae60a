"""The game's page (web/shell.html) and the browser's keeping of the
player's files (platform/KeptStorage, platform/BrowserStore), in Debian's
headless Chromium, on the harness page (tests/platform/browser/HarnessPage.cpp):
the page starts the program with the options of its query string and draws
with WebGL; keys reach it and never move the page; files typed and kept are
there again after a reload and after the browser is closed and started again;
a refused write, a missing WebGL, missing or damaged data and an option the
program refuses each end on a message the player can read.

  harness_page_test.py --page build-web/harness-page --work DIR [unittest arguments]
"""

import argparse
import os
import sys
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import devtools  # noqa: E402

PAGE = None
WORK = None

# The harness page's colours (0.8 0.2 0.1, 0.1 0.7 0.2) as WebGL writes them.
RED = [204, 51, 26, 255]
GREEN = [26, 179, 51, 255]


def visible_text(tab, element):
    return tab.evaluate("(function(e){ return e.style.display === 'block' ? e.textContent : ''; })"
                        "(document.getElementById('%s'))" % element)


class PageTest(devtools.BrowserCase):
    @classmethod
    def setUpClass(cls):
        cls.server = devtools.PageServer(PAGE)

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        super().setUp()
        self.server.faults.clear()

    def profile_root(self):
        return WORK

    def open(self, tab, query=''):
        tab.navigate(self.server.url + query)
        return tab.console_line('harness-page: files')

    def test_the_query_gives_the_options_and_the_keys_reach_the_program(self):
        tab = self.browser('options').start()
        self.open(tab, '?w=800&h=600&aspect=1&nosound=1&replay=level-1&fast=1&volume=abc&bogus=2&nohud=0')
        self.assertEqual(tab.console_line('harness-page: arguments'),
                         'harness-page: arguments: -w 800 -h 600 -aspect -nosound -replay level-1 -fast')
        notice = visible_text(tab, 'notice')
        self.assertIn('volume=abc ignored: it needs a number', notice)
        self.assertIn('bogus ignored', notice)
        self.assertEqual(visible_text(tab, 'message'), '')

        # The canvas holds the program's picture, shown in a 4:3 box.
        width, height, css_width, css_height = tab.evaluate(
            '[canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight]')
        self.assertEqual((width, height), (800, 600))
        self.assertLessEqual(abs(css_width * 3 - css_height * 4), 4, (css_width, css_height))

        tab.wait_frames(2)
        self.assertEqual(tab.pixels(400, 300), RED)
        self.assertEqual(tab.pixels(0, 0, 2, 1), RED + RED)
        tab.arrow('Right')
        tab.console_line('harness-page: colour 1')
        self.assertEqual(tab.pixels(799, 599), GREEN)
        # Keys go to the program, never to the page.
        for name in ('Down', 'Down', 'Left'):
            tab.arrow(name)
        tab.key(' ', 'Space', 32, ' ')
        tab.key('Tab', 'Tab', 9)
        tab.console_line('harness-page: colour 0')
        self.assertEqual(tab.pixels(400, 300), RED)
        self.assertEqual(tab.evaluate('[window.scrollX, window.scrollY, document.activeElement.id]'),
                         [0, 0, 'canvas'])
        first_frame = tab.evaluate('Module.thraskFirstFrameAt')
        self.assertGreater(first_frame, 0)
        sys.stderr.write('first frame drawn %.0f ms after the page was asked for\n' % first_frame)

        # The player closes the notice line; the game keeps the keys.
        tab.evaluate("document.getElementById('notice').click()")
        self.assertEqual(visible_text(tab, 'notice'), '')
        self.assertEqual(tab.evaluate('document.activeElement.id'), 'canvas')

    def test_without_aspect_the_canvas_fills_the_window(self):
        tab = self.browser('fill').start()
        self.open(tab, '?nosound=1')
        self.assertEqual(tab.evaluate('[canvas.clientWidth === innerWidth, canvas.clientHeight === innerHeight,'
                                      ' canvas.width, canvas.height]'), [True, True, 640, 480])

    def test_files_stay_after_a_reload_and_a_browser_restart(self):
        browser = self.browser('kept')
        tab = browser.start()
        self.assertEqual(self.open(tab), 'harness-page: files: (none)')
        # Sound waits for the player's first key.
        self.assertEqual(tab.evaluate('Module.SDL2.audioContext.state'), 'suspended')
        tab.type_text('first-save')
        tab.enter()
        self.assertEqual(tab.console_line('harness-page: wrote'), 'harness-page: wrote first-save.txt')
        self.assertEqual(tab.evaluate('Module.SDL2.audioContext.state'), 'running')
        devtools.wait_until('the write to IndexedDB', lambda: not tab.evaluate('Module.thraskStorageBusy()'))

        tab.reload()
        self.assertEqual(tab.console_line('harness-page: files'), 'harness-page: files: first-save.txt')
        tab.type_text('second')
        tab.enter()
        tab.console_line('harness-page: wrote second.txt')
        devtools.wait_until('the write to IndexedDB', lambda: not tab.evaluate('Module.thraskStorageBusy()'))

        tab = browser.restart()
        self.assertEqual(self.open(tab), 'harness-page: files: first-save.txt second.txt')
        self.assertEqual(visible_text(tab, 'notice'), '')

    def test_a_write_the_browser_refuses_is_shown_and_the_file_stays_for_the_visit(self):
        tab = self.browser('refused').start()
        self.open(tab, '?nosound=1')
        origin = self.server.url.rstrip('/')
        tab.send('Storage.overrideQuotaForOrigin', origin=origin, quotaSize=1)
        tab.type_text('too-big')
        tab.enter()
        tab.console_line('harness-page: wrote too-big.txt')
        notice = devtools.wait_until('the notice', lambda: visible_text(tab, 'notice'))
        self.assertIn('Your files: The browser did not keep the files in /home/web_user/.local/share/thrask/Save',
                      notice)
        self.assertIn('QuotaExceededError', notice)
        self.assertIn('did not keep', tab.console_line('Thrask: the browser did not keep'))

        # Room again: the next file written keeps both, and the notice goes.
        tab.send('Storage.overrideQuotaForOrigin', origin=origin)
        tab.type_text('next')
        tab.enter()
        devtools.wait_until('the notice to go', lambda: visible_text(tab, 'notice') == '')
        tab.reload()
        self.assertEqual(tab.console_line('harness-page: files'), 'harness-page: files: next.txt too-big.txt')

    def test_storage_the_browser_refuses_lets_the_program_play_on_and_says_so(self):
        tab = self.browser('no-storage').start()
        # As a browser that refuses storage (private browsing) does.
        tab.send('Page.addScriptToEvaluateOnNewDocument', source=
                 "indexedDB.open = function () { throw new DOMException('storage is refused', 'SecurityError'); };")
        self.assertEqual(self.open(tab, '?nosound=1'), 'harness-page: files: (none)')
        self.assertIn('SecurityError: storage is refused', tab.console_line('harness-page: storage problem'))
        notice = devtools.wait_until('the notice', lambda: visible_text(tab, 'notice'))
        self.assertIn("Your files: The browser's storage could not be read", notice)
        tab.type_text('kept-here')
        tab.enter()
        tab.console_line('harness-page: wrote kept-here.txt')
        self.assertFalse(tab.evaluate('Module.thraskStorageBusy()'), 'nothing is written over the store')
        tab.arrow('Right')
        tab.console_line('harness-page: colour 1')

    def test_a_browser_without_webgl_shows_why(self):
        tab = self.browser('no-webgl', devtools.NO_WEBGL_FLAGS).start()
        tab.navigate(self.server.url)
        message = devtools.wait_until('the message', lambda: visible_text(tab, 'message'))
        self.assertIn('Thrask needs WebGL', message)
        self.assertFalse(tab.evaluate('Boolean(Module.calledRun)'), 'the program never starts')

    def test_missing_or_damaged_data_shows_why(self):
        tab = self.browser('data').start()
        size = os.path.getsize(os.path.join(PAGE, 'index.data'))
        for fault, words in (('missing', 'the server answered 404'),
                             ('truncated', 'arrived damaged: %d bytes instead of %d' % (size // 2, size)),
                             ('damaged', 'arrived damaged: its contents are not the ones built')):
            with self.subTest(fault=fault):
                self.server.faults['index.data'] = fault
                tab.navigate(self.server.url)
                message = devtools.wait_until('the message', lambda: visible_text(tab, 'message'))
                self.assertIn(words, message)
                self.assertIn('Reload the page', message)
                self.assertFalse(tab.evaluate('Boolean(Module.calledRun)'))
        self.server.faults['index.data'] = None
        self.server.faults['index.wasm'] = 'missing'
        tab.navigate(self.server.url)
        self.assertIn('Thrask stopped', devtools.wait_until('the message', lambda: visible_text(tab, 'message')))

    def test_an_option_the_program_refuses_ends_on_its_reason(self):
        tab = self.browser('refused-option').start()
        tab.navigate(self.server.url + '?volume=500')
        message = devtools.wait_until('the message', lambda: visible_text(tab, 'message'))
        self.assertIn('Thrask could not go on (status 1)', message)
        self.assertIn('-volume needs a number from 0 to 100', message)

    def test_the_program_asks_for_full_screen(self):
        tab = self.browser('full-screen').start()
        self.open(tab, '?nosound=1')
        tab.key('F11', 'F11', 122)
        devtools.wait_until('full screen', lambda: tab.evaluate('Boolean(document.fullscreenElement)'))
        tab.key('F11', 'F11', 122)
        devtools.wait_until('the window again', lambda: not tab.evaluate('Boolean(document.fullscreenElement)'))


def main():
    global PAGE, WORK
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', required=True)
    parser.add_argument('--work', required=True)
    args, rest = parser.parse_known_args()
    PAGE = os.path.abspath(args.page)
    WORK = os.path.abspath(args.work)
    os.makedirs(WORK, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == '__main__':
    main()
