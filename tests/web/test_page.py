"""What the page adds to the shared windows: its measuring and cut, the boxes'
limit, the modal wait and its guard, the windows inside the page, the live
region, contrast themes, the scaling and the offline start.

Usage: test_page.py SITE_DIR TABLES_JSON [TEST...]"""

import json
import os
import sys
import unittest

import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

from page_driver import Page, Site, chromium, wait_until

SITE_DIR, TABLES = os.path.abspath(sys.argv[1]), json.load(open(sys.argv[2], encoding='utf-8'))
# axe-core, as scripts/install-deps installs it from tests/web/package-lock.json, and its WCAG 2.2 A
# and AA rules run on the page: what breaks them, rule by rule.
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../build/node/node_modules/axe-core/axe.min.js')
WCAG_AUDIT = """axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']}})
    .then(result => arguments[0](result.violations.map(rule => `${rule.id}: ${rule.nodes.map(node => node.target)}`)));"""

# In the page, as the tests' scripts begin: a screenshot's pixels, and the
# contrast of two colours as the contrast guidelines reckon it.
PIXELS = """const pixels = png => new Promise(resolve => {
    const image = new Image();
    image.onload = () => {
        const canvas = Object.assign(document.createElement('canvas'), {width: image.width, height: image.height});
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        resolve({data: context.getImageData(0, 0, image.width, image.height).data, width: image.width});
    };
    image.src = 'data:image/png;base64,' + png;
});
const luminance = rgb => rgb.split(',').map(Number).map(c => c / 255)
    .map(c => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
    .reduce((sum, c, i) => sum + [0.2126, 0.7152, 0.0722][i] * c, 0);
const contrast = (one, other) => {
    const [dark, light] = [luminance(one), luminance(other)].sort((a, b) => a - b);
    return (light + 0.05) / (dark + 0.05);
};
"""

# Each probe of a window's client area (in twips, as the shared rows give it):
# {control: [contrast of its ink with its background, whether a colour of its own differs from the face]}.
LEGIBILITY = PIXELS + """const [png, client, probes, done] = arguments;
pixels(png).then(({data, width}) => {
    const k = width / client.offsetWidth / 15;
    const colourAt = (x, y) => Array.from(data.subarray(4 * (y * width + x), 4 * (y * width + x) + 3)).join(',');
    const commonest = counts => [...counts].reduce((best, entry) => (entry[1] > best[1] ? entry : best))[0];
    const count = (counts, colour) => counts.set(colour, (counts.get(colour) || 0) + 1);
    const everywhere = new Map();
    for (let i = 0; i < data.length / 4; ++i)
        count(everywhere, colourAt(i % width, Math.floor(i / width)));
    const face = commonest(everywhere);
    const inside = ([left, top, w, h], x, y) => x >= left && x < left + w && y >= top && y < top + h;
    const read = {};
    for (const probe of probes) {
        const [left, top, w, h] = probe.area;
        const counts = new Map();
        for (let y = Math.ceil(top * k); y < Math.floor((top + h) * k); ++y)
            for (let x = Math.ceil(left * k); x < Math.floor((left + w) * k); ++x)
                if (!probe.covered.some(area => inside(area, (x + 0.5) / k, (y + 0.5) / k)))
                    count(counts, colourAt(x, y));
        const background = commonest(counts);
        read[probe.control] = [Math.max(...[...counts.keys()].map(colour => contrast(colour, background))),
                               !probe.ownBackground || background !== face];
    }
    done(read);
});
"""

# How many pixels differ between two screenshots in the band about a control's
# edge ([left, top, right, bottom]) where a focus mark is drawn.
FOCUS_MARK = PIXELS + """const [before, after, edge, done] = arguments;
Promise.all([pixels(before), pixels(after)]).then(([one, other]) => {
    const [left, top, right, bottom] = edge;
    const inBand = (x, y) => x < left + 5 || x >= right - 5 || y < top + 5 || y >= bottom - 5;
    let changed = 0;
    for (let y = Math.floor(top) - 3; y < bottom + 3; ++y)
        for (let x = Math.floor(left) - 3; x < right + 3; ++x) {
            const i = 4 * (y * one.width + x);
            if (inBand(x, y) && [0, 1, 2].some(c => one.data[i + c] !== other.data[i + c]))
                ++changed;
        }
    done(changed);
});
"""


class PageTest(unittest.TestCase):
    phone = False

    def setUp(self):
        self.site = Site(SITE_DIR)
        self.addCleanup(self.site.stop)
        browser = chromium(800, 600)
        self.addCleanup(browser.quit)
        if self.phone:
            browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                    {'width': 360, 'height': 640, 'deviceScaleFactor': 2, 'mobile': True})
        self.page = Page(browser)
        self.page.open(self.site.url)

    def enter(self, a, b, c):
        for box, text in zip(('Text1', 'Text2', 'Text3'), (a, b, c)):
            self.page.type_into(box, text)

    def press(self, key):
        ActionChains(self.page.browser).send_keys(key).perform()

    def focused(self):
        return self.page.js('const f = document.activeElement; return f.dataset.name || f.textContent')

    def click_at(self, x, y):
        actions = ActionBuilder(self.page.browser)
        actions.pointer_action.move_to_location(x, y).click()
        actions.perform()

    def touch(self, name, seconds):
        point = self.page.js('const r = arguments[0].getBoundingClientRect(); return {x: r.x + 4, y: r.y + 4}',
                             self.page.control(name))
        self.page.browser.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [point]})
        time.sleep(seconds)
        self.page.browser.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})

    def menu_item(self):
        return self.page.browser.find_element('css selector', '.tarvo-menu [role=menuitem]')

    def grant_clipboard(self):
        self.page.browser.execute_cdp_cmd('Browser.grantPermissions', {
            'origin': self.site.url[:-1], 'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})


class MainWindow(PageTest):
    def test_starts_in_the_first_box_with_its_text_selected(self):
        focused = self.page.js('const f = document.activeElement; return [f.dataset.name, f.selectionStart, f.selectionEnd, f.selectionDirection]')
        self.assertEqual(focused, ['Text1', 0, 1, 'backward'], 'the caret at the start, where Orca looks as the page loads')

    def test_tab_goes_round_the_focus_chain_and_each_control_says_its_name(self):
        chain = TABLES['focusChain']
        for name in chain[1:] + chain[:1]:
            ActionChains(self.page.browser).send_keys(Keys.TAB).perform()
            self.assertEqual(self.page.js('return document.activeElement.dataset.name'), name)
        for name, heard in TABLES['heard'].items():
            control = self.page.control(name)
            said = control.get_attribute('aria-label') or control.get_attribute('textContent')
            self.assertEqual(None if control.get_attribute('aria-hidden') == 'true' else said, heard, name)

    def test_a_screen_reader_reads_the_window_in_its_reading_order(self):
        self.assertEqual(self.page.heard('main', 'Tarvo')[0], TABLES['reading'])

    def test_outcomes_are_announced_in_a_live_region_without_moving_the_focus(self):
        for row in TABLES['announcements']:
            with self.subTest(row['name']):
                self.enter(row['a'], row['b'], row['c'])
                button = self.page.control('Command3' if row['clear'] else 'Command1')
                self.page.js('arguments[0].focus()', button)
                button.send_keys(Keys.SPACE)
                self.page.idle()
                region = self.page.js("const r = document.getElementById('tarvo-live'); return [r.getAttribute('aria-live'), r.textContent.trim()]")
                self.assertEqual(region, ['polite', row['heard']])
                self.assertEqual(self.page.js('return document.activeElement'), button)

    def test_the_same_words_twice_are_spoken_twice(self):
        self.page.js("""window.said = [];
            const region = document.getElementById('tarvo-live');
            new MutationObserver(() => window.said.push(region.textContent)).observe(region, {childList: true});""")
        self.page.click('Command3')
        self.page.click('Command3')
        wait_until(lambda: len(self.page.js('return window.said')) == 2)
        first, second = self.page.js('return window.said')
        self.assertNotEqual(first, second, 'Orca drops a text the same as the one it spoke last')
        self.assertEqual(first.strip(), second.strip())

    def test_a_root_is_cut_at_its_slot_edge_and_heard_whole(self):
        self.enter('1', '0', '-2')
        self.page.click('Command1')
        self.page.idle()
        slot = self.page.control('Label5')
        self.assertEqual(self.page.caption('Label5'), '1.4142135623731')
        self.assertEqual(slot.get_attribute('textContent'), 'x1 1.4142135623731')
        self.assertEqual(slot.get_attribute('title'), '1.4142135623731')
        self.grant_clipboard()
        ActionChains(self.page.browser).context_click(slot).perform()
        self.menu_item().click()
        self.assertEqual(self.page.browser.execute_async_script(
            'navigator.clipboard.readText().then(arguments[0])'), '1.4142135623731')
        # Dark ink in the slot's last column of pixels, none in the window beyond it: columns
        # at these distances from its right edge, over its height.
        columns = self.page.js("""const s = arguments[0].getBoundingClientRect();
            const layer = document.querySelector('[data-name="Form1"] .tarvo-layer'), l = layer.getBoundingClientRect();
            const k = layer.width / l.width, context = layer.getContext('2d');
            const dark = x => { const d = context.getImageData(Math.floor((s.right + x - l.left) * k), (s.top - l.top) * k, 1, s.height * k).data;
                                for (let i = 0; i < d.length; i += 4) if (d[i + 3] > 128 && d[i] + d[i + 1] + d[i + 2] < 200) return true;
                                return false; };
            return [dark(-0.5), dark(1), dark(15)];""", slot)
        self.assertEqual(columns, [True, False, False])

    def test_the_boxes_keep_to_three_characters_however_the_text_comes(self):
        astral = '\U0001D7D9\U0001D7DA\U0001D7DB\U0001D7DC'  # four characters of eight UTF-16 units
        cdp = self.page.browser.execute_cdp_cmd
        ways = {
            'typed': lambda: self.page.control('Text1').send_keys('1234'),
            'inserted': lambda: cdp('Input.insertText', {'text': astral}),
            'composed': lambda: (cdp('Input.imeSetComposition', {'text': '1234', 'selectionStart': 4, 'selectionEnd': 4}),
                                 cdp('Input.insertText', {'text': '1234'})),
            'pasted': lambda: self.input_event('insertFromPaste', '12\n34'),
            'dropped': lambda: self.input_event('insertFromDrop', '1234'),
        }
        for way, act in ways.items():
            with self.subTest(way):
                self.page.click('Text1')
                self.page.control('Text1').send_keys(Keys.DELETE)
                act()
                expected = astral[:3] if way == 'inserted' else '123'
                wait_until(lambda: self.page.value('Text1') == expected)
        self.page.type_into('Text2', '1234')
        self.page.control('Text2').send_keys(Keys.CONTROL, 'z')
        self.assertEqual(self.page.value('Text2'), '0', 'a refused character leaves the history of the box')

    def test_undo_and_redo_replay_only_what_fits(self):
        cdp = self.page.browser.execute_cdp_cmd
        for committed, kept in (('数字', '12数'), ('34', '123')):  # the last left in the box
            with self.subTest(committed):
                self.page.type_into('Text1', '12')
                cdp('Input.imeSetComposition', {'text': committed, 'selectionStart': 2, 'selectionEnd': 2})
                cdp('Input.insertText', {'text': committed})
                for keys, expected in (('', kept), ('z', '12'), ('y', kept), ('z', '12'), (Keys.SHIFT + 'z', kept),
                                       ('y', kept)):
                    self.page.control('Text1').send_keys(Keys.CONTROL + keys if keys else '')
                    self.assertEqual(self.page.value('Text1'), expected, keys)
        self.page.type_into('Text2', '999')
        self.page.type_into('Text3', '1')
        self.page.click('Command1')
        self.page.idle()
        self.assertEqual(self.page.caption('Label10'), '246', 'what 计算 reads is what the box shows')

    def test_a_click_on_a_blank_part_or_a_closed_menu_leaves_the_focus_where_it_was(self):
        chain = TABLES['focusChain']
        self.enter('1', '0', '-2')
        self.page.click('Command1')
        self.page.idle()
        form1 = self.page.js("return document.querySelector('[data-name=\"Form1\"]').getBoundingClientRect().toJSON()")
        self.click_at(int(form1['x']) + 6, int(form1['y']) + 6)
        self.assertEqual(self.focused(), 'Command1')
        ActionChains(self.page.browser).send_keys(Keys.TAB).perform()
        self.assertEqual(self.focused(), chain[chain.index('Command1') + 1])
        self.grant_clipboard()
        for way in (lambda: self.press(Keys.ESCAPE), lambda: self.menu_item().click()):
            ActionChains(self.page.browser).context_click(self.page.control('Label5')).perform()
            way()
            wait_until(lambda: self.page.browser.find_elements('css selector', '.tarvo-menu') == [])
            self.assertEqual(self.focused(), chain[chain.index('Command1') + 1])

    def test_copy_says_so_where_there_is_no_clipboard_or_it_refuses(self):
        self.enter('1', '0', '-2')
        self.page.click('Command1')
        self.page.idle()
        for clipboard, says in (('undefined', '复制'), ('{writeText: () => Promise.reject(new Error())}', '无法复制')):
            with self.subTest(clipboard):
                self.page.js(f"Object.defineProperty(navigator, 'clipboard', {{value: {clipboard}, configurable: true}})")
                ActionChains(self.page.browser).context_click(self.page.control('Label5')).perform()
                item = self.menu_item()
                item.click()
                wait_until(lambda: item.text == says)
                self.assertTrue(item.get_property('disabled') or item.get_attribute('aria-disabled') == 'true')
                self.press(Keys.ESCAPE)

    def test_the_label_layer_is_painted_afresh_at_each_screen_density(self):
        # Chromium's emulation changes the density without telling the page's
        # queries: the test tells the newest one, as a screen would.
        self.page.browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': """
            const query = matchMedia.bind(window); window.queries = [];
            window.matchMedia = text => { const made = query(text); queries.push(made); return made; };"""})
        self.page.open(self.site.url)
        for density in (2, 3):
            self.page.js("""Object.defineProperty(window, 'devicePixelRatio', {value: arguments[0], configurable: true});
                queries.filter(q => q.media.startsWith('(resolution')).pop().dispatchEvent(new Event('change'));""", density)
            width, css_width, media = self.page.js("""const layer = document.querySelector('[data-name="Form1"] .tarvo-layer');
                return [layer.width, layer.getBoundingClientRect().width, queries.filter(q => q.media.startsWith('(resolution')).pop().media]""")
            self.assertEqual([width, media], [round(css_width * density), f'(resolution: {density}dppx)'])

    def input_event(self, kind, text):
        self.page.js("""const data = new DataTransfer(); data.setData('text/plain', arguments[2]);
            arguments[0].dispatchEvent(new InputEvent('beforeinput', {inputType: arguments[1], dataTransfer: data,
                                                                       cancelable: true, bubbles: true}));""",
                     self.page.control('Text1'), kind, text)


class ModalBoxes(PageTest):
    def test_a_waiting_handler_lets_no_other_start(self):
        self.enter('0', '0', '5')
        self.page.click('Command1')
        self.assertEqual(self.page.modal(), ['提示', '方程无解', ['是', '否']])
        self.page.js("""for (const name of ['Command3', 'Command1', 'Text2'])
                            document.querySelector(`[data-name="${name}"]`).click();""")
        ActionChains(self.page.browser).send_keys('7').perform()
        self.assertEqual([self.page.value(box) for box in ('Text1', 'Text2', 'Text3')], ['0', '0', '5'])
        self.assertEqual(len(self.page.browser.find_elements('css selector', 'dialog')), 1)
        self.assertTrue(self.page.js('return TarvoPage.isBusy()'))
        ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform()
        self.page.idle()
        self.assertIsNone(self.page.modal())

    def test_a_screen_reader_hears_the_box_whole_and_the_focus_come_back(self):
        self.page.click('Command3')  # 已清零 in the live region
        self.page.click('Command1')  # 0, 0, 0
        self.assertEqual(self.page.js("""return [document.querySelector('dialog[open]').getAttribute('role'),
                                                 document.getElementById('tarvo-live').textContent]"""), ['alertdialog', ''])
        ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform()
        wait_until(lambda: self.page.js('return document.activeElement.dataset.name') == 'Command1')
        self.assertTrue(self.page.js("return !!document.querySelector('dialog button')"),
                        'the box is still there as the focus comes back, or Orca takes its button for dead')
        wait_until(lambda: not self.page.js("return document.querySelector('dialog')"))

    def test_each_way_out_gives_its_answer(self):
        ways = {'是': (lambda: self.modal_button('是'), 0), '否': (lambda: self.modal_button('否'), 1),
                'Escape': (lambda: ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform(), 1),
                'close': (lambda: self.page.browser.find_element('css selector', 'dialog[open] .tarvo-close').click(), 1)}
        for way, (dismiss, answer) in ways.items():
            with self.subTest(way):
                self.page.js("window.answer = null; TarvoPage.modalBox('提示', '?', ['是', '否'], 1, '').then(a => { window.answer = a; })")
                dismiss()
                wait_until(lambda: self.page.js('return window.answer') is not None)
                self.assertEqual(self.page.js('return window.answer'), answer)

    def test_the_first_button_has_the_focus_and_keeps_it_when_the_page_behind_is_clicked(self):
        self.enter('0', '0', '5')
        self.page.click('Command1')
        self.assertEqual(self.focused(), '是')
        self.click_at(4, 4)
        self.assertEqual(self.focused(), '是')
        self.press(Keys.ENTER)
        self.page.idle()
        self.assertIsNone(self.page.modal())

    def modal_button(self, text):
        [button] = [b for b in self.page.browser.find_elements('css selector', 'dialog[open] button') if b.text == text]
        button.click()

    def test_the_error_report_then_selects_the_failed_box(self):
        self.enter('abc', '0', '0')
        self.page.click('Command1')
        title, text, buttons = self.page.modal()
        self.assertEqual((title, buttons), ('Tarvo', ['确定']))
        self.assertEqual(text, "运行时错误 '13':\n\n类型不匹配\n\n系数 a 的输入“abc”无法转换为整数。")
        self.modal_button('确定')
        self.page.idle()
        focused = self.page.js('const f = document.activeElement; return [f.dataset.name, f.selectionStart, f.selectionEnd]')
        self.assertEqual(focused, ['Text1', 0, 3])


class WindowsInThePage(PageTest):
    def window(self, name):
        found = self.page.browser.find_elements('css selector', f'[data-name="{name}"].tarvo-shown')
        return found[0] if len(found) == 1 else len(found)

    def test_help_and_about_are_single_movable_dialogs_in_front_until_escape(self):
        self.page.click('Command2')
        self.page.click('Command2')
        help_window = self.window('Form2')
        self.assertEqual(self.page.js('return document.activeElement'), help_window)
        before = help_window.rect
        title_bar = help_window.find_element('css selector', '.tarvo-title span')
        ActionChains(self.page.browser).drag_and_drop_by_offset(title_bar, 40, 30).perform()
        self.assertEqual((help_window.rect['x'] - before['x'], help_window.rect['y'] - before['y']), (40, 30))
        z = lambda name: int(self.window(name).value_of_css_property('z-index'))
        self.page.click('Command4')
        self.assertGreater(z('Form3'), z('Form2'))
        self.page.click('Command2')
        self.assertGreater(z('Form2'), z('Form3'))
        ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform()
        wait_until(lambda: self.window('Form2') == 0)
        self.assertEqual(self.page.js('return document.activeElement.dataset.name'), 'Command2')

    def test_help_and_about_say_their_text_once_and_are_described_by_it(self):
        for button, window, caption in (('Command2', 'Form2', '帮助'), ('Command4', 'Form3', '关于')):
            with self.subTest(window):
                self.page.click(button)
                said, description = self.page.heard('dialog', caption)
                lines = TABLES['noticeTexts'][window].split('\n')
                self.assertEqual(description.split(), ' '.join(lines).split())
                for line in lines:
                    self.assertEqual(sum(line.strip() in text for text in said), 1, line)


class ContrastThemes(PageTest):
    def emulate(self, scheme, forced='active'):
        self.page.browser.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
            {'name': 'forced-colors', 'value': forced}, {'name': 'prefers-color-scheme', 'value': scheme}]})

    def legibility(self, window, part, probes):
        shown = self.page.browser.find_element('css selector', f'[data-name="{window}"] {part}')
        return self.page.browser.execute_async_script(LEGIBILITY, shown.screenshot_as_base64, shown, probes).items()

    # The caption's own box in its title bar, where a backplate behind the text would be the commonest colour.
    def title_probe(self, window):
        area = self.page.js("""const title = document.querySelector(`[data-name="${arguments[0]}"] .tarvo-title span`);
            const text = document.createRange(), span = title.getBoundingClientRect();
            text.selectNodeContents(title);
            const box = text.getBoundingClientRect();
            return [box.left - span.left, box.top - span.top, box.width, box.height].map(pixels => 15 * pixels);""", window)
        return [{'control': 'title', 'area': area, 'covered': [], 'ownBackground': False}]

    def test_every_control_is_legible(self):
        self.enter('1', '0', '-2')
        self.page.click('Command1')
        self.page.idle()
        # Forced colours come on alone, then the scheme changes alone: each repaints.
        self.emulate(TABLES['contrastThemes'][0]['scheme'], forced='none')
        for theme in TABLES['contrastThemes']:
            self.emulate(theme['scheme'])
            for window, opener in (('Form1', None), ('Form2', 'Command2'), ('Form3', 'Command4')):
                if opener:
                    self.page.click(opener)
                read = self.legibility(window, '.tarvo-client', TABLES['legibilityProbes'][window])
                if opener:  # the page's own
                    read = [*read, *self.legibility(window, '.tarvo-title span', self.title_probe(window))]
                for control, (contrast, distinct) in read:
                    with self.subTest(theme=theme['name'], control=f'{window} {control}'):
                        self.assertGreaterEqual(contrast, TABLES['legibleContrast'])
                        self.assertTrue(distinct, 'the face colour')
                if opener:
                    ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform()
                    self.page.idle()

    def test_each_focus_shows(self):
        # Neither a blinking caret nor a selected text is the focus mark.
        self.page.js("document.head.append(Object.assign(document.createElement('style'), "
                     "{textContent: '* { caret-color: transparent }'})); "
                     "for (const box of document.querySelectorAll('.tarvo-box')) box.value = '';")
        chain = TABLES['focusChain']
        for theme in TABLES['contrastThemes']:
            self.emulate(theme['scheme'])
            self.page.js('arguments[0].focus()', self.page.control(chain[0]))
            for name in chain[1:] + chain[:1]:
                self.assert_tab_marks(self.page.control(name), f'{theme["name"]} {name}')
            self.page.click('Command2')
            close = self.page.browser.find_element('css selector', '[data-name="Form2"] .tarvo-close')
            self.assert_tab_marks(close, f'{theme["name"]} Form2 close')
            ActionChains(self.page.browser).send_keys(Keys.ESCAPE).perform()
            self.page.idle()

    def assert_tab_marks(self, control, where):
        before = self.page.browser.get_screenshot_as_base64()
        ActionChains(self.page.browser).send_keys(Keys.TAB).perform()
        self.assertEqual(self.page.js('return document.activeElement'), control, where)
        edge = self.page.js('const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]',
                            control)
        changed = self.page.browser.execute_async_script(FOCUS_MARK, before, self.page.browser.get_screenshot_as_base64(),
                                                         edge)
        self.assertGreater(changed, 0, where)


class OnAPhone(PageTest):
    phone = True

    def test_the_whole_window_fits_sharp_and_still_works(self):
        form1 = self.page.js("return document.querySelector('[data-name=\"Form1\"]').getBoundingClientRect().toJSON()")
        fits = self.page.js('return [innerWidth, innerHeight, document.documentElement.scrollWidth]')
        self.assertEqual(fits[2], fits[0], 'nothing scrolls sideways')
        self.assertTrue(0 <= form1['x'] and form1['x'] + form1['width'] <= fits[0], form1)
        self.assertTrue(0 <= form1['y'] and form1['y'] + form1['height'] <= fits[1], form1)
        layer = self.page.js("""const l = document.querySelector('[data-name="Form1"] .tarvo-layer');
            return [l.width, l.getBoundingClientRect().width * devicePixelRatio];""")
        self.assertAlmostEqual(layer[0], layer[1], delta=1)
        self.enter('1', '-3', '2')
        self.page.click('Command1')
        self.assertEqual(self.page.caption('Label6'), '1')

    def test_a_long_press_opens_the_slot_menu_within_the_screen_and_a_tap_leaves_no_highlight(self):
        self.page.browser.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
        # As in Safari, which sends no contextmenu for a finger.
        self.page.js("addEventListener('contextmenu', event => event.stopImmediatePropagation(), true)")
        self.touch('Label6', 0.7)
        menu = self.page.js("return document.querySelector('.tarvo-menu').getBoundingClientRect().toJSON()")
        self.assertTrue(0 <= menu['left'] and menu['right'] <= self.page.js('return innerWidth'), menu)
        self.press(Keys.ESCAPE)
        button = self.page.control('Command3')
        idle = button.value_of_css_property('background-color')
        self.touch('Command3', 0.05)
        self.page.idle()
        self.assertEqual(button.value_of_css_property('background-color'), idle)


# Viewports (width, height, device pixels per CSS pixel, a phone's) that show the whole window, at least so large.
FITTED = {'phone_upright': ((360, 640, 2, True), 0.75), 'tall_phone_upright': ((390, 844, 3, True), 0.8),
          'phone_turned': ((640, 360, 2, True), 0.9), 'short_landscape': ((900, 260, 1, False), 0.7)}


class Viewports(PageTest):
    def emulate(self, width, height, density, phone):
        screen, cdp = (width, height) if phone else (1366, 768), self.page.browser.execute_cdp_cmd
        cdp('Emulation.setDeviceMetricsOverride', {'width': width, 'height': height, 'deviceScaleFactor': density,
                                                   'mobile': phone, 'screenWidth': screen[0], 'screenHeight': screen[1]})
        cdp('Emulation.setTouchEmulationEnabled', {'enabled': phone})
        wait_until(lambda: self.page.js('return [innerWidth, innerHeight]') == [width, height])
        self.page.browser.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')

    def drawn(self, name='Form1'):  # the window's left, top, right, bottom and scale
        return self.page.js("""const w = document.querySelector(`[data-name="${arguments[0]}"].tarvo-shown`);
            const r = w.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom, r.width / w.offsetWidth];""", name)

    def assertInView(self, rect):
        width, height = self.page.js('return [innerWidth, innerHeight]')
        self.assertTrue(0 <= rect[0] and rect[2] <= width and 0 <= rect[1] and rect[3] <= height, rect)

    def test_a_small_screen_fits_the_whole_window_upright_where_the_screen_is(self):
        for name, (viewport, least) in FITTED.items():
            with self.subTest(name):
                self.emulate(*viewport)
                rect = self.drawn()
                self.assertInView(rect)
                self.assertGreaterEqual(rect[4], least)
                self.assertEqual(self.page.js("""const s = arguments[0].getBoundingClientRect(), l = arguments[1];
                    const r = l.getBoundingClientRect(), k = l.width / r.width, d = document.querySelector('.tarvo-desktop');
                    return [...l.getContext('2d').getImageData((s.left + 2 - r.left) * k, (s.top + 2 - r.top) * k, 1, 1).data,
                            d.scrollWidth - d.clientWidth, d.scrollHeight - d.clientHeight];""",
                    self.page.control('Label5'), self.page.control('Label5').find_element('xpath', '..//canvas')),
                    [0, 255, 255, 255, 0, 0], "the x1 slot's colour where it stands, and nothing to scroll to")

    def test_zoom_enlarges_and_the_page_scrolls_to_what_it_no_longer_shows(self):
        for zoom in (1.5, 2, 3, 4):  # on a 1366 × 768 screen
            with self.subTest(zoom):
                self.emulate(round(1366 / zoom), round(768 / zoom), zoom, False)
                left, top, _, _, scale = self.drawn()
                self.assertAlmostEqual(scale, 1, places=3, msg='drawn at the zoom times its size')
                self.assertGreaterEqual(min(left, top), 0)
                self.page.js("const d = document.querySelector('.tarvo-desktop'); d.scrollTo(d.scrollWidth, d.scrollHeight)")
                self.assertInView([0, 0] + self.drawn()[2:4])
                self.page.js("document.querySelector('.tarvo-desktop').scrollTo(0, 0)")

    def test_every_control_takes_a_touch_around_its_centre(self):
        self.emulate(*FITTED['phone_upright'][0])
        for name in TABLES['focusChain']:
            missed = self.page.js("""const r = arguments[0].getBoundingClientRect(), x = r.left + r.width / 2, y = r.top + r.height / 2;
                return [[-1, -1], [1, -1], [-1, 1], [1, 1]].filter(([dx, dy]) =>
                    !arguments[0].contains(document.elementFromPoint(x + 11.9 * dx, y + 11.9 * dy)));""", self.page.control(name))
            self.assertEqual(missed, [], name)

    def test_help_and_about_fit_a_phone_at_full_size_and_stay_when_it_turns(self):
        self.emulate(*FITTED['phone_upright'][0])
        for name, button in (('Form2', 'Command2'), ('Form3', 'Command4')):
            self.page.click(button)
            self.assertInView(self.drawn(name))
            self.assertEqual(self.drawn(name)[4], 1, 'their 9-point text at 12 px')
        bar = self.page.browser.find_element('css selector', '[data-name="Form3"] .tarvo-title span')
        ActionChains(self.page.browser).drag_and_drop_by_offset(bar, *self.page.js(
            'const r = arguments[0].getBoundingClientRect(); return [innerWidth - 2 - r.right, innerHeight - 2 - r.bottom]', bar)).perform()
        self.emulate(*FITTED['phone_turned'][0])
        self.assertInView(self.drawn('Form3'))

    def test_the_on_screen_keyboard_leaves_the_window_its_size(self):
        self.emulate(*FITTED['phone_upright'][0])
        self.page.click('Text2')
        before = self.drawn()
        self.emulate(360, 300, 2, True)
        self.assertEqual(self.drawn(), before)


class Audit(PageTest):
    def test_no_state_of_the_page_breaks_a_wcag_rule(self):
        cdp = self.page.browser.execute_cdp_cmd
        calculated = lambda: (self.enter('1', '-3', '2'), self.page.click('Command1'), self.page.idle())
        forced = lambda: cdp('Emulation.setEmulatedMedia', {'features': [{'name': 'forced-colors', 'value': 'active'}]})
        states = {  # viewport, and what the student does
            'main window': (1280, 800, lambda: None), 'upright phone': (390, 844, lambda: None),
            'phone on its side': (640, 360, lambda: None), 'after a calculation': (1280, 800, calculated),
            'Help open': (1280, 800, lambda: self.page.click('Command2')),
            'message box open': (1280, 800, lambda: self.page.click('Command1')),  # 0, 0, 0
            'forced colours': (1280, 800, forced)}
        axe = open(AXE, encoding='utf-8').read()
        for state, (width, height, act) in states.items():
            with self.subTest(state):
                cdp('Emulation.setDeviceMetricsOverride',
                    {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 1280})
                self.page.open(self.site.url)
                act()
                self.page.js(axe)
                self.assertEqual(self.page.browser.execute_async_script(WCAG_AUDIT), [])


class Offline(PageTest):
    def test_after_one_visit_the_page_starts_without_the_network(self):
        self.assertEqual(self.page.browser.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])
        wait_until(lambda: self.page.js('return !!navigator.serviceWorker.controller'))
        self.page.browser.execute_cdp_cmd('Network.enable', {})
        self.page.browser.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})  # the worker alone answers
        self.site.stop()
        self.page.open(self.site.url)
        self.enter('1', '-3', '2')
        self.page.click('Command1')
        self.assertEqual(self.page.caption('Label5'), '2')

    def test_it_runs_opened_from_the_disk(self):
        self.page.open(f'file://{SITE_DIR}/index.html')
        self.enter('0', '2', '-4')
        self.page.click('Command1')
        self.assertEqual(self.page.caption('Label6'), '2')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
