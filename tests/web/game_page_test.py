"""The game itself on its page, in Debian's headless Chromium: the title menu
is drawn, the keys start a game and move the cook, a game saved from the
in-game menu is listed again after a reload and after the browser is
closed and started again, golden replays played on the page end with the
same state lines as this machine's thrask-replay prints, and a browser
without WebGL gets the message instead of the game.

The tests drive build-web/test-page/ (the game with the golden replays at
/replays and tests/web/PageProbe.cpp, which tells the game's state);
the message for a missing WebGL is checked on the page players get,
build-web/.

  game_page_test.py --page build-web --test-page build-web/test-page --work DIR \\
      [--native-replay TOOL] [unittest arguments]
"""

import argparse
import os
import subprocess
import sys
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import devtools  # noqa: E402

PAGE = None
TEST_PAGE = None
WORK = None
NATIVE_REPLAY = None
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# The saved games' folder in the page's file system.
SAVES = '/home/web_user/.local/share/thrask/Save'


def grid(tab):
    """Points of the canvas to sample a picture at: 11 x 9 over the whole of it."""
    width, height = tab.evaluate('[canvas.width, canvas.height]')
    return [(width * (2 * i + 1) // 22, height * (2 * j + 1) // 18) for i in range(11) for j in range(9)]


def visible_text(tab, element):
    return tab.evaluate("(function(e){ return e.style.display === 'block' ? e.textContent : ''; })"
                        "(document.getElementById('%s'))" % element)


def state(tab):
    """The game's state as its lines name it: {'screen': 'main-menu', ...}."""
    text = tab.evaluate("Module.calledRun ? Module.ccall('thrask_page_state', 'string') : ''") or ''
    lines = {}
    for line in text.splitlines():
        name, _, value = line.partition(' ')
        lines.setdefault(name, []).append(value)
    return {name: values[0] if len(values) == 1 and name != 'listed' else values
            for name, values in lines.items()}


def wait_for_screen(tab, screen):
    return devtools.wait_until('the screen "%s"' % screen, lambda: state(tab).get('screen') == screen and state(tab))


def sample(tab, points):
    """The colours at points, all of one frame that draws the whole picture."""
    pixels = tab.evaluate("Module.ccall('thrask_page_redraw', null); Promise.all([%s])"
                          % ', '.join('Module.thraskPixels(%d, %d, 1, 1)' % point for point in points),
                          await_promise=True)
    return [tuple(p) for p in pixels]


class GamePageTest(devtools.BrowserCase):
    @classmethod
    def setUpClass(cls):
        cls.server = devtools.PageServer(TEST_PAGE)
        cls.page_server = devtools.PageServer(PAGE)

    @classmethod
    def tearDownClass(cls):
        cls.server.close()
        cls.page_server.close()

    def profile_root(self):
        return WORK

    def open(self, tab, query='?nosound=1'):
        tab.navigate(self.server.url + query)
        return wait_for_screen(tab, 'main-menu')

    def hold(self, tab, name, frames):
        """Holds an arrow key down for a number of frames drawn."""
        code = tab.ARROWS[name]
        tab.send('Input.dispatchKeyEvent', type='keyDown', key='Arrow' + name, code='Arrow' + name,
                 windowsVirtualKeyCode=code, nativeVirtualKeyCode=code)
        tab.wait_frames(frames)
        tab.send('Input.dispatchKeyEvent', type='keyUp', key='Arrow' + name, code='Arrow' + name,
                 windowsVirtualKeyCode=code, nativeVirtualKeyCode=code)

    def escape(self, tab):
        tab.key('Escape', 'Escape', 27)

    def tab_key(self, tab):
        tab.key('Tab', 'Tab', 9)

    def start_game(self, tab):
        """Down marks New Game, Enter starts it, Enter ends the level's intro."""
        tab.arrow('Down')
        tab.enter()
        wait_for_screen(tab, 'play')
        tab.enter()
        tab.wait_frames(3)

    def test_the_title_menu_is_drawn_and_the_keys_start_a_game_and_move_the_cook(self):
        tab = self.browser('play').start()
        self.open(tab)
        self.assertEqual(visible_text(tab, 'message'), '')
        tab.wait_frames(2)
        # The title picture and its menu: most of the canvas is lit, in many colours.
        points = grid(tab)
        colours = sample(tab, points)
        lit = [c for c in colours if max(c[:3]) > 24]
        self.assertGreater(len(lit), len(points) * 0.7, colours)
        self.assertGreater(len(set(colours)), 12, colours)
        self.assertTrue(all(c[3] == 255 for c in colours))

        self.start_game(tab)
        before = state(tab)
        self.assertEqual(before['level'], '1')
        x, y = (float(v) for v in before['cook'].split())
        self.hold(tab, 'Right', 8)
        self.assertGreater(float(state(tab)['cook'].split()[0]), x)
        self.hold(tab, 'Up', 8)
        self.assertNotEqual(float(state(tab)['cook'].split()[1]), y)
        # The game's picture is not the title's.
        self.assertNotEqual(sample(tab, points), colours)

    def test_f11_and_the_options_screen_ask_the_page_for_full_screen(self):
        tab = self.browser('full-screen').start()
        self.open(tab)
        full = 'Boolean(document.fullscreenElement)'
        tab.key('F11', 'F11', 122)
        devtools.wait_until('full screen', lambda: tab.evaluate(full))
        tab.key('F11', 'F11', 122)
        devtools.wait_until('the window again', lambda: not tab.evaluate(full))
        # Up twice marks Options; its fourth line is the display: Right changes it.
        tab.arrow('Up')
        tab.arrow('Up')
        tab.enter()
        wait_for_screen(tab, 'options')
        for _ in range(3):
            tab.arrow('Down')
        tab.arrow('Right')
        devtools.wait_until('full screen from the Options screen', lambda: tab.evaluate(full))

    def save_from_the_game(self, tab, name):
        """Esc opens the in-game menu; Tab marks Return Game, two more Save
        Game; Enter opens the prompt, the name is typed and Enter saves."""
        self.escape(tab)
        wait_for_screen(tab, 'in-game-menu')
        for _ in range(3):
            self.tab_key(tab)
        tab.enter()
        tab.wait_frames(2)
        tab.type_text(name)
        tab.enter()
        devtools.wait_until('the save file', lambda: name + '.sav' in self.saves(tab))
        devtools.wait_until('the write to IndexedDB', lambda: not tab.evaluate('Module.thraskStorageBusy()'))

    def saves(self, tab):
        return tab.evaluate("(function(){ try { return FS.readdir('%s'); } catch (e) { return []; } })()" % SAVES)

    def listed(self, tab):
        """Opens the load list from the main menu (Down twice marks Load Game)
        and gives the saved games it lists."""
        tab.arrow('Down')
        tab.arrow('Down')
        tab.enter()
        return wait_for_screen(tab, 'load-list').get('listed', [])

    def test_a_saved_game_is_listed_after_a_reload_and_after_a_browser_restart(self):
        browser = self.browser('saves')
        tab = browser.start()
        self.open(tab)
        self.start_game(tab)
        self.hold(tab, 'Right', 4)
        self.save_from_the_game(tab, 'kept1')

        tab.reload()
        wait_for_screen(tab, 'main-menu')
        self.assertIn('kept1.sav', self.listed(tab))
        self.assertEqual(visible_text(tab, 'notice'), '')

        tab = browser.restart()
        self.open(tab)
        self.assertIn('kept1.sav', self.listed(tab))
        # The load list starts the saved game.
        tab.enter()
        self.assertEqual(wait_for_screen(tab, 'play')['level'], '1')

    def native_lines(self, name):
        """thrask-replay --expect's lines for a golden replay, its name left out."""
        out = subprocess.run([NATIVE_REPLAY, '--expect', '--renderer', 'null', '--data',
                              os.path.join(SOURCE, 'data'), os.path.join(SOURCE, 'tests', 'replays', name + '.replay')],
                             stdout=subprocess.PIPE, universal_newlines=True, check=True).stdout
        return out.splitlines()[1:]

    def test_golden_replays_end_on_the_page_as_natively(self):
        if NATIVE_REPLAY is None:
            self.skipTest('no native thrask-replay named (--native-replay) to compare with')
        tab = self.browser('replays').start()
        for name in ('menu-flow', 'level1-cleared', 'whole-game'):
            with self.subTest(replay=name):
                expected = self.native_lines(name)
                tab.navigate(self.server.url + '?replay=%s&fast=1&nosound=1' % name)
                verdict = tab.console_line('ends as recorded', deadline=600)
                lines = [text for _, text in tab.console]
                start = max(i for i, text in enumerate(lines) if text.startswith('frames '))
                self.assertEqual(lines[start:lines.index(verdict) + 1], expected)

    def test_a_browser_without_webgl_shows_why_on_the_game_page(self):
        tab = self.browser('no-webgl', devtools.NO_WEBGL_FLAGS).start()
        tab.navigate(self.page_server.url)
        message = devtools.wait_until('the message', lambda: visible_text(tab, 'message'))
        self.assertIn('Thrask needs WebGL', message)
        self.assertFalse(tab.evaluate('Boolean(Module.calledRun)'), 'the game never starts')


def main():
    global PAGE, TEST_PAGE, WORK, NATIVE_REPLAY
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', required=True)
    parser.add_argument('--test-page', required=True)
    parser.add_argument('--work', required=True)
    parser.add_argument('--native-replay', default=None)
    args, rest = parser.parse_known_args()
    PAGE = os.path.abspath(args.page)
    TEST_PAGE = os.path.abspath(args.test_page)
    WORK = os.path.abspath(args.work)
    NATIVE_REPLAY = args.native_replay and os.path.abspath(args.native_replay)
    os.makedirs(WORK, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == '__main__':
    main()
