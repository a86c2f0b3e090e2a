"""Drives the built site in headless Chromium as a user would: served from a
folder on loopback, with real clicks and keys through ChromeDriver."""

import functools
import http.server
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

# As root Chromium needs --no-sandbox; the rest keeps it off the network.
CHROMIUM_FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-sync',
                  '--disable-background-networking', '--disable-component-update', '--hide-scrollbars']


class Site:
    """A folder served over http on a free loopback port until stop()."""

    def __init__(self, folder):
        handler = functools.partial(Quiet, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = f'http://127.0.0.1:{self.server.server_address[1]}/'
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def chromium(width, height):
    options = Options()
    options.binary_location = '/usr/bin/chromium'
    for flag in CHROMIUM_FLAGS + [f'--window-size={width},{height}']:
        options.add_argument(flag)
    return webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))


def wait_until(condition, seconds=10):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise TimeoutError('the page did not get there')
        time.sleep(0.02)


class Page:
    """One browser on one page of the site."""

    def __init__(self, browser):
        self.browser = browser

    def open(self, url):
        self.browser.get(url)
        wait_until(lambda: self.js("return !!document.querySelector('.tarvo-main.tarvo-shown')"))

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def control(self, name, window='Form1'):
        return self.browser.find_element(By.CSS_SELECTOR, f'[data-name="{window}"] [data-name="{name}"]')

    def click(self, name, window='Form1'):
        self.control(name, window).click()

    def type_into(self, box, text):
        """Clicks into the box, which selects its text, and types over it."""
        self.click(box)
        self.control(box).send_keys(text)

    def value(self, box):
        return self.control(box).get_property('value')

    def caption(self, label, window='Form1'):
        return self.js('return TarvoPage.caption(arguments[0], arguments[1])', window, label)

    def modal(self):
        """The open modal box's title, text and buttons, or None."""
        return self.js("""const box = document.querySelector('dialog[open]');
            return box && [box.querySelector('.tarvo-title span').textContent, box.querySelector('p').textContent,
                           [...box.querySelectorAll('.tarvo-modal-buttons button')].map(b => b.textContent)];""")

    def heard(self, role, name):
        """What a screen reader reads of the window of this role and name, in the order of Chromium's
        accessibility tree: each box and button by its name, each text as it is; and its description."""
        nodes = {node['nodeId']: node for node in self.browser.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']}
        value = lambda node, key: node.get(key, {}).get('value', '')
        said = []

        def read(node):
            if not node['ignored'] and value(node, 'role') in ('textbox', 'button', 'StaticText'):
                return said.append(value(node, 'name'))
            for child in node.get('childIds', []):
                read(nodes[child])
        [window] = [node for node in nodes.values() if value(node, 'role') == role and value(node, 'name') == name]
        read(window)
        return said, value(window, 'description')

    def idle(self):
        wait_until(lambda: not self.js('return TarvoPage.isBusy()'))
