"""Drives Debian's headless Chromium through its DevTools protocol for the
browser tests: serves a page's folder on http://127.0.0.1 (with faults on
demand), starts and restarts the browser on a profile of its own, and
drives one tab: navigation, keys, typed text, the console, the frames the
page has drawn and the pixels of its canvas.

Debian's own Python 3 and python3-websocket only. Waiting is always for
something to happen (a console line, a count of frames), polled, never a
fixed sleep, and every wait has a deadline.
"""

import functools
import http.server
import json
import os
import shutil
import subprocess
import threading
import time
import unittest
import urllib.request

import websocket

CHROMIUM = '/usr/bin/chromium'
# How long anything may take before a test fails: headless WebGL draws 8 to
# 13 frames a second on this machine, and two other builds may share it.
DEADLINE_SECONDS = 60
POLL_SECONDS = 0.05

# Software WebGL (SwiftShader through ANGLE) in a headless browser; root in a
# container needs --no-sandbox.
HEADLESS_FLAGS = [
    '--headless=new', '--no-sandbox', '--use-gl=angle', '--use-angle=swiftshader',
    '--enable-unsafe-swiftshader', '--no-first-run', '--no-default-browser-check',
    '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
    '--window-size=1024,768',
]
NO_WEBGL_FLAGS = ['--disable-webgl', '--disable-3d-apis']


class Timeout(AssertionError):
    pass


def wait_until(what, check, deadline=DEADLINE_SECONDS):
    """Polls check() until it gives something true, and returns that."""
    end = time.monotonic() + deadline
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise Timeout('waited %d s for %s' % (deadline, what))
        time.sleep(POLL_SECONDS)


class _Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{'.wasm': 'application/wasm', '.data': 'application/octet-stream',
                             '.js': 'text/javascript'})

    def __init__(self, *args, faults, **kwargs):
        self.faults = faults
        super().__init__(*args, **kwargs)

    def end_headers(self):
        self.send_header('Cache-Control', 'no-store')
        super().end_headers()

    def do_GET(self):
        name = self.path.split('?')[0].lstrip('/')
        fault = self.faults.get(name)
        if fault == 'missing':
            self.send_error(404, 'Not Found')
            return
        if fault in ('damaged', 'truncated'):
            with open(os.path.join(self.directory, name), 'rb') as f:
                body = bytearray(f.read())
            if fault == 'truncated':
                body = body[:len(body) // 2]
            else:
                body[len(body) // 2] ^= 0xFF
            self.send_response(200)
            self.send_header('Content-Type', 'application/octet-stream')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(bytes(body))
            return
        super().do_GET()

    def log_message(self, format, *args):
        pass


class PageServer:
    """Serves folder on http://127.0.0.1:<free port>/ in a thread. faults maps
    a file name to 'missing' (404), 'damaged' (one byte changed) or
    'truncated' (half of it sent)."""

    def __init__(self, folder):
        self.faults = {}
        handler = functools.partial(_Handler, directory=folder, faults=self.faults)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Tab:
    """One tab of the browser, driven through its DevTools connection."""

    def __init__(self, socket_url):
        self.socket = websocket.create_connection(socket_url, timeout=DEADLINE_SECONDS)
        self.next_id = 0
        self.events = []
        self.console = []
        for domain in ('Page', 'Runtime'):
            self.send(domain + '.enable')

    def close(self):
        self.socket.close()

    def _take(self, message):
        if message.get('method') == 'Runtime.consoleAPICalled':
            params = message['params']
            text = ' '.join(str(arg.get('value', arg.get('description', ''))) for arg in params['args'])
            self.console.append((params['type'], text))
        elif 'method' in message:
            self.events.append(message)

    def send(self, method, **params):
        """Sends one command and returns its result; events that arrive in
        between are kept."""
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error']))
                return message.get('result', {})
            self._take(message)

    def pump(self):
        """Takes the events and console lines that have arrived."""
        self.socket.settimeout(POLL_SECONDS)
        try:
            while True:
                self._take(json.loads(self.socket.recv()))
        except (websocket.WebSocketTimeoutException, TimeoutError):
            pass
        finally:
            self.socket.settimeout(DEADLINE_SECONDS)

    def evaluate(self, expression, await_promise=False):
        result = self.send('Runtime.evaluate', expression=expression, returnByValue=True,
                           awaitPromise=await_promise)
        if 'exceptionDetails' in result:
            raise RuntimeError('%s: %s' % (expression, result['exceptionDetails']))
        return result['result'].get('value')

    def navigate(self, url):
        self.events.clear()
        self.console.clear()
        self.send('Page.navigate', url=url)
        self.wait_for_event('the page at ' + url, 'Page.loadEventFired')

    def reload(self):
        self.events.clear()
        self.console.clear()
        self.send('Page.reload', ignoreCache=True)
        self.wait_for_event('the page reloaded', 'Page.loadEventFired')

    def wait_for_event(self, what, method):
        def arrived():
            self.pump()
            return any(event['method'] == method for event in self.events)
        wait_until(what, arrived)

    def console_line(self, start, deadline=DEADLINE_SECONDS):
        """The first console line that starts with start, waited for."""
        def found():
            self.pump()
            return next((text for _, text in self.console if text.startswith(start)), None)
        return wait_until('a console line "%s..."' % start, found, deadline)

    def frames(self):
        return self.evaluate('window.Module ? Module.thraskFrames : 0') or 0

    def wait_frames(self, count):
        """Waits until count more frames than now have been drawn."""
        goal = self.frames() + count
        wait_until('%d frames' % goal, lambda: self.frames() >= goal)

    def pixels(self, x, y, width=1, height=1):
        """RGBA bytes of the canvas at (x, y) from its top left, in the next frame."""
        return self.evaluate('Module.thraskPixels(%d, %d, %d, %d)' % (x, y, width, height), await_promise=True)

    def key(self, key, code, key_code, text=None):
        """Presses and lets go of one key, as the keyboard would."""
        down = {'type': 'keyDown', 'key': key, 'code': code, 'windowsVirtualKeyCode': key_code,
                'nativeVirtualKeyCode': key_code}
        if text is not None:
            down['text'] = text
        self.send('Input.dispatchKeyEvent', **down)
        self.send('Input.dispatchKeyEvent', type='keyUp', key=key, code=code, windowsVirtualKeyCode=key_code,
                  nativeVirtualKeyCode=key_code)

    def type_text(self, text):
        """Types letters, digits and "-" one key at a time."""
        for character in text:
            if character == '-':
                self.key('-', 'Minus', 189, '-')
            elif character.isdigit():
                self.key(character, 'Digit' + character, ord(character), character)
            else:
                self.key(character, 'Key' + character.upper(), ord(character.upper()), character)

    ARROWS = {'Left': 37, 'Up': 38, 'Right': 39, 'Down': 40}

    def arrow(self, name):
        self.key('Arrow' + name, 'Arrow' + name, self.ARROWS[name])

    def enter(self):
        self.key('Enter', 'Enter', 13, '\r')

    def screenshot(self, path):
        import base64
        data = self.send('Page.captureScreenshot', format='png')['data']
        with open(path, 'wb') as f:
            f.write(base64.b64decode(data))


class Chromium:
    """Debian's Chromium, headless, on a profile folder that outlives it
    (a restart with the same profile keeps the page's storage)."""

    def __init__(self, profile, flags=()):
        self.profile = profile
        self.flags = list(flags)
        self.process = None
        self.tab = None

    def start(self):
        os.makedirs(self.profile, exist_ok=True)
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        if os.path.exists(port_file):
            os.remove(port_file)
        log = open(os.path.join(self.profile, 'chromium.log'), 'ab')
        self.process = subprocess.Popen(
            [CHROMIUM] + HEADLESS_FLAGS + self.flags +
            ['--remote-debugging-port=0', '--user-data-dir=' + self.profile, 'about:blank'],
            stdout=log, stderr=log, stdin=subprocess.DEVNULL)
        log.close()

        def port():
            if self.process.poll() is not None:
                raise RuntimeError('chromium ended with status %d (see %s/chromium.log)'
                                   % (self.process.returncode, self.profile))
            try:
                with open(port_file) as f:
                    lines = f.read().split()
            except OSError:
                return None
            return lines if len(lines) == 2 else None
        number, self.browser_path = wait_until('chromium\'s DevTools port', port)
        self.port = number

        def page_socket():
            with urllib.request.urlopen('http://127.0.0.1:%s/json/list' % number) as answer:
                targets = json.load(answer)
            return next((t['webSocketDebuggerUrl'] for t in targets if t['type'] == 'page'), None)
        self.tab = Tab(wait_until('chromium\'s first tab', page_socket))
        return self.tab

    def stop(self):
        """Closes the browser as a player would, so its storage is written out."""
        if self.process is None:
            return
        try:
            browser = websocket.create_connection('ws://127.0.0.1:%s%s' % (self.port, self.browser_path),
                                                  timeout=DEADLINE_SECONDS)
            browser.send(json.dumps({'id': 1, 'method': 'Browser.close'}))
            browser.close()
        except (OSError, websocket.WebSocketException):
            pass
        try:
            self.process.wait(timeout=DEADLINE_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.tab.close()
        self.process = None

    def restart(self):
        self.stop()
        return self.start()

    def remove_profile(self):
        shutil.rmtree(self.profile, ignore_errors=True)


class BrowserCase(unittest.TestCase):
    """A test case whose browsers each start on a fresh profile, in a folder
    under profile_root(), and are stopped after the test."""

    def profile_root(self):
        raise NotImplementedError

    def setUp(self):
        self.browsers = []

    def tearDown(self):
        for browser in self.browsers:
            browser.stop()

    def browser(self, name, flags=()):
        """A browser on a fresh profile of this test's own."""
        browser = Chromium(os.path.join(self.profile_root(), name), flags)
        browser.remove_profile()
        self.browsers.append(browser)
        return browser
