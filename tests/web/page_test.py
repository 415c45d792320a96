"""The page end to end in headless Chromium, opened from disk.

usage: page_test.py <page folder> <axe.min.js>
Set VARNHOLT_SHOTS to a folder to keep screenshots of the states it visits.
"""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

PAGE, AXE = sys.argv[1], sys.argv[2]
DEFAULTS_DESCRIPTION = "Peak +3.15 dB at 15.66kHz; -3 dB at 25.79kHz; 20kHz: +1.61 dB"
FIELDS = ["L", "RS", "C", "RL", "F", "Q"]
# Whether the plot has pixels in each of the window's five compare colours, in order.
COMPARE_COLOURS = (
    "const c = document.getElementById('plot'); const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
    "return [[0, 114, 178], [213, 94, 0], [0, 158, 115], [204, 121, 167], [230, 159, 0]].map(k => {"
    "  let n = 0; for (let i = 0; i < d.length; i += 4)"
    "    if (d[i] === k[0] && d[i + 1] === k[1] && d[i + 2] === k[2]) ++n; return n > 20; });")
SAMPLE_NAMES = ["Alpha MM-1 (example)", "Beta MM-2 (example)", "Gamma MM-3 (example)",
                "Sigma MC-1 (example)", "Tau MC-2 (example)", "Upsilon MC-3 (example)"]


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.downloads = tempfile.mkdtemp(prefix="varnholt-page-")
        options = webdriver.ChromeOptions()
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,1000"):
            options.add_argument(flag)
        options.add_experimental_option("prefs", {"download.default_directory": cls.downloads,
                                                  "download.prompt_for_download": False})
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.url = "file://" + os.path.abspath(os.path.join(PAGE, "index.html"))
        with open(AXE, encoding="utf-8") as f:
            cls.axe = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    # ---- helpers ----
    def open_page(self):
        # Each test starts as a first visit: nothing remembered.
        self.driver.get(self.url)
        self.driver.execute_script("localStorage.clear()")
        self.driver.get(self.url)
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))

    def wait_ranked(self):
        WebDriverWait(self.driver, 5).until(
            lambda d: d.execute_script("return !document.getElementById('stage').dataset.pending"))

    def el(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def field(self, name):
        return self.el("field-" + name)

    def fields(self):
        return [self.field(f).get_attribute("value") for f in FIELDS]

    def type_fields(self, values):
        for name, value in zip(FIELDS, values):
            box = self.field(name)
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(Keys.DELETE)
            if value:
                box.send_keys(value)

    def names(self):
        return [o.text for o in self.el("name").find_elements(By.TAG_NAME, "option")]

    def button(self, text):
        return self.driver.find_element(By.XPATH, "//button[normalize-space()='%s']" % text)

    def dialog_open(self):
        return self.driver.execute_script("return document.getElementById('message').open")

    def axe_violations(self):
        self.driver.execute_script(self.axe)
        result = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document, {resultTypes: ['violations']}).then(r => done(JSON.stringify(r.violations)));")
        return [(v["id"], [n["target"] for n in v["nodes"]]) for v in json.loads(result)]

    def shot(self, name):
        folder = os.environ.get("VARNHOLT_SHOTS")
        if folder:
            self.driver.save_screenshot(os.path.join(folder, name + ".png"))

    # ---- tests ----
    def test_controls_have_the_windows_names(self):
        self.open_page()
        names = {"field-" + f: n for f, n in zip(FIELDS, ["L", "RS", "C total", "RL", "F", "Q"])}
        names["name"] = "Name"
        for element_id, name in names.items():
            self.assertEqual(self.el(element_id).accessible_name, name)
            self.assertEqual(self.el(element_id).get_attribute("id"),
                             self.driver.find_element(By.CSS_SELECTOR, "label[for='%s']" % element_id)
                             .get_attribute("for"))
        for text in ["Calculate", "Optimize C from Q", "Optimize RL from Q", "Optimize C from F",
                     "Full Optimization", "Reset", "About", "Help"]:
            self.assertTrue(self.button(text).is_displayed(), text)
        self.assertEqual(self.driver.find_elements(By.XPATH, "//button[normalize-space()='Exit']"), [])
        self.assertEqual(self.names(), SAMPLE_NAMES)
        # Opens with an answer: the starting values calculated, as Calculate gives them.
        opened = self.fields()
        self.assertNotIn("", opened)
        self.assertNotEqual(self.el("description").text, "")
        self.button("Calculate").click()
        self.assertEqual(self.fields(), opened)

    def test_commands_give_the_windows_texts(self):
        self.open_page()
        # (fields typed, how the command runs, fields afterwards)
        rows = [
            (["300m", "740", "251p", "47k", "", ""], "enter", ["300m", "740", "251p", "47k", "18.4848k", "1.331402"]),
            (["300m", "740", "1n", "47k", "", "1.331402"], "Optimize C from Q",
             ["300m", "740", "251p", "47k", "18.4848k", "1.331402"]),
            (["300m", "740", "251p", "1k", "", "1.331402"], "Optimize RL from Q",
             ["300m", "740", "251p", "47k", "18.4848k", "1.331402"]),
            (["300m", "740", "1n", "47k", "20k", ""], "Optimize C from F",
             ["300m", "740", "214.409p", "47k", "20k", "1.235628"]),
            (["300m", "740", "251p", "47k", "20k", "0.6"], "Full Optimization",
             ["300m", "740", "218.138p", "22.149k", "20k", "0.599999"]),
        ]
        for typed, how, after in rows:
            self.type_fields(typed)
            if how == "enter":
                self.field("RL").send_keys(Keys.ENTER)
            else:
                self.button(how).click()
            self.assertFalse(self.dialog_open(), how)
            self.assertEqual(self.fields(), after, how)
            if after[2] == "251p":
                # A solver that writes C total refreshes the hint, as the window's field does.
                self.assertEqual(self.el("hint").text, "Serial Q = 46.718840 (limits max total Q)", how)
        self.type_fields(["300m", "740", "251p", "47k", "", ""])
        self.button("Calculate").click()
        self.assertEqual(self.el("description").text, DEFAULTS_DESCRIPTION)
        self.assertEqual(self.el("hint").text, "Serial Q = 46.718840 (limits max total Q)")
        self.shot("desktop")
        self.assertEqual(self.axe_violations(), [])
        # Reset: the defaults, then the first sample preset's L and RS.
        self.button("Reset").click()
        self.assertEqual(self.fields(), ["550m", "1.1k", "200p", "47k", "", ""])

    def test_message_box_is_a_modal_alertdialog(self):
        self.open_page()
        self.type_fields(["0", "740", "251p", "47k", "", ""])
        for close in (Keys.ESCAPE, Keys.ENTER):
            calculate = self.button("Calculate")
            calculate.click()
            box = self.el("message")
            self.assertTrue(self.dialog_open())
            self.assertEqual(box.get_attribute("role"), "alertdialog")
            self.assertEqual(self.el("message-caption").text, "Error")
            self.assertEqual(self.el("message-text").get_attribute("textContent"),
                             "Input error:\nCheck entries.\nZero disallowed for inputs")
            if close == Keys.ESCAPE:
                self.shot("dialog")
                self.assertEqual(self.axe_violations(), [])
            self.driver.switch_to.active_element.send_keys(close)
            self.assertFalse(self.dialog_open())
            # Focus on the field that could not be read, marked so.
            self.assertEqual(self.driver.switch_to.active_element, self.field("L"))
            self.assertEqual([self.field(f).get_attribute("aria-invalid") for f in FIELDS[:4]],
                             ["true", None, None, None])
        # A solver's own box carries the application name.
        self.type_fields(["300m", "740", "1n", "47k", "", "5"])
        self.button("Optimize C from Q").click()
        self.assertEqual(self.el("message-caption").text, "Varnholt")
        self.assertEqual(self.el("message-text").get_attribute("textContent"),
                         "Calculation did not verify,\nCheck inputs")
        self.el("message-ok").click()
        self.button("About").click()
        self.assertTrue(self.el("about-box").is_displayed())
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertFalse(self.el("about-box").is_displayed())

    def test_plot_readout_and_exports(self):
        self.open_page()
        self.type_fields(["300m", "740", "251p", "47k", "", ""])
        self.button("Calculate").click()
        plot = self.el("plot")
        ActionChains(self.driver).move_to_element_with_offset(plot, 0, 0).perform()
        readout = self.el("readout").get_attribute("textContent")
        self.assertRegex(readout, r"^\d+(\.\d+)?kHz  [+-]\d+\.\d\d dB  -\d+\.\d\u00b0$")
        # Sharp at any ratio: the canvas has the device's pixels.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": 1280, "height": 1000, "deviceScaleFactor": 2, "mobile": False})
        try:
            size = "const p = document.getElementById('plot'); return [p.width, p.height, parseInt(p.style.width)];"
            WebDriverWait(self.driver, 5).until(lambda d: d.execute_script(size)[0] != d.execute_script(size)[2])
            width, height, css = self.driver.execute_script(size)
            self.assertEqual([width, height], [2 * css, 2 * round(css * 325 / 352)])
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        for name in os.listdir(self.downloads):
            os.remove(os.path.join(self.downloads, name))
        self.el("save-svg").click()
        path = os.path.join(self.downloads, "response.svg")
        WebDriverWait(self.driver, 10).until(lambda d: os.path.exists(path) and os.path.getsize(path) > 0)
        with open(path, encoding="utf-8") as f:
            svg = f.read()
        self.assertIn("<svg", svg)
        self.assertIn(">10kHz<", svg)
        self.el("save-png").click()
        png = os.path.join(self.downloads, "response.png")
        WebDriverWait(self.driver, 10).until(lambda d: os.path.exists(png) and os.path.getsize(png) > 0)

    def test_presets_from_a_file_are_remembered(self):
        self.open_page()
        folder = tempfile.mkdtemp(prefix="varnholt-presets-")
        files = {
            "varnholt.txt": b'_init_load" 150p 100k\nZeta MM" 400m 600\nalpha MC" 10m 5\n',
            "picture.txt": b"\x89PNG\r\n\x1a\n\x00\x00\x00",
            "huge.txt": b"/" * (10 * 1024 * 1024 + 1),
        }
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
        chooser = self.el("preset-file")
        self.driver.execute_script("arguments[0].hidden = false", chooser)
        chooser.send_keys(os.path.join(folder, "varnholt.txt"))
        WebDriverWait(self.driver, 5).until(lambda d: self.names() == ["alpha MC", "Zeta MM"])
        self.assertEqual(self.fields(), ["10m", "5", "150p", "100k", "", ""])
        # Not text, or too large: a plain message, the presets as they were.
        for name, text in [("picture.txt", "This file is not text and cannot be a preset file."),
                           ("huge.txt", "This file is larger than 10 MB and cannot be a preset file.")]:
            self.driver.execute_script("arguments[0].hidden = false", self.el("preset-file"))
            self.el("preset-file").send_keys(os.path.join(folder, name))
            WebDriverWait(self.driver, 5).until(lambda d: self.dialog_open())
            self.assertEqual(self.el("message-text").text, text)
            self.el("message-ok").click()
            self.assertEqual(len(self.names()), 2)
        # A file dropped on the page is read the same way.
        self.driver.execute_script("""
            const data = new DataTransfer();
            data.items.add(new File(['Dropped MM" 500m 900\\n'], 'varnholt.txt', {type: 'text/plain'}));
            document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));""")
        WebDriverWait(self.driver, 5).until(lambda d: self.names() == ["Dropped MM"])
        self.assertEqual(self.fields()[:2], ["500m", "900"])
        self.driver.execute_script("arguments[0].hidden = false", self.el("preset-file"))
        self.el("preset-file").send_keys(os.path.join(folder, "varnholt.txt"))
        WebDriverWait(self.driver, 5).until(lambda d: self.names() == ["alpha MC", "Zeta MM"])
        # Remembered across a reload; Reset reads it again; then back to the samples.
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual(self.names(), ["alpha MC", "Zeta MM"])
        self.type_fields(["1", "1", "1", "1", "", ""])
        self.button("Reset").click()
        self.assertEqual(self.fields(), ["10m", "5", "150p", "100k", "", ""])
        self.el("sample-presets").click()
        self.assertEqual(self.names(), SAMPLE_NAMES)
        # Choosing a name applies its L and RS and clears F and Q.
        self.el("name").send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.fields()[4:], ["", ""])

    def test_a_file_not_remembered_is_said_and_not_replaced_by_an_older_one(self):
        folder = tempfile.mkdtemp(prefix="varnholt-presets-")
        first, second = os.path.join(folder, "first.txt"), os.path.join(folder, "second.txt")
        with open(first, "wb") as f:
            f.write(b'Kappa MM" 450m 800\n')
        # (how storage fails, the second file)
        for refuse, data in [(True, b'Lambda MM" 460m 810\n'),
                             (False, b'Lambda MM" 460m 810\n' + b"/" * (6 * 1024 * 1024))]:
            with open(second, "wb") as f:
                f.write(data)
            self.open_page()
            chooser = self.el("preset-file")
            self.driver.execute_script("arguments[0].hidden = false", chooser)
            chooser.send_keys(first)
            WebDriverWait(self.driver, 5).until(lambda d: self.names() == ["Kappa MM"])
            if refuse:
                self.driver.execute_script(
                    "Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };")
            chooser.send_keys(second)
            WebDriverWait(self.driver, 5).until(lambda d: self.names() == ["Lambda MM"])
            self.assertIn("open but cannot be remembered", self.el("notice").text)
            self.assertFalse(self.dialog_open())
            self.driver.refresh()
            self.wait_ready()
            self.assertEqual(self.names(), SAMPLE_NAMES)

    def test_find_stage_settings_and_apply(self):
        self.open_page()
        self.type_fields(["300m", "740", "251p", "47k", "", ""])
        self.el("find-settings").click()
        self.assertTrue(self.el("stage").is_displayed())
        self.assertEqual(self.el("st-L").get_attribute("value"), "300m")
        for element_id, text in [("st-cList", "0 47p 100p 150p 220p"), ("st-rList", "1k 10k 100k")]:
            self.el(element_id).clear()
            self.el(element_id).send_keys(text)
        self.wait_ranked()
        rows = self.el("st-table").find_elements(By.CSS_SELECTOR, "tbody tr")
        self.assertEqual(len(rows), 15)
        # No base resistance unless one is typed: each listed value stands alone.
        self.assertEqual({r.find_elements(By.TAG_NAME, "td")[3].text for r in rows}, {"1k", "10k", "100k"})
        self.shot("stage")
        self.assertEqual(self.axe_violations(), [])
        second = rows[1].find_elements(By.TAG_NAME, "td")
        rows[1].click()
        self.el("st-apply").click()
        f = self.fields()
        self.assertEqual([f[2], f[4], f[5]], [second[2].text, second[4].text, second[5].text])
        # A slip is named, and nothing is on show to apply.
        self.el("st-cList").send_keys(" 22x0p")
        self.wait_ranked()
        self.assertTrue(self.el("st-problem").is_displayed())
        self.assertEqual(self.el("st-cList").get_attribute("aria-invalid"), "true")
        self.assertFalse(self.el("st-apply").is_enabled())
        # The inputs come back after a reload.
        self.el("st-cList").send_keys(Keys.BACKSPACE * 6)
        self.el("st-apply").click()
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual(self.el("st-cList").get_attribute("value"), "0 47p 100p 150p 220p")

    def test_every_setting_reached_and_headings_sort(self):
        self.open_page()
        self.el("find-settings").click()
        self.el("st-cList").send_keys("1p 2p 3p 4p 5p 6p 7p 8p")
        Select(self.el("st-cMode")).select_by_visible_text("switches")
        self.el("st-rList").send_keys("1k 10k 100k")
        self.wait_ranked()
        self.assertEqual(self.el("st-count").text, "768 settings")
        rows = "document.getElementById('st-table').tBodies[0].rows"
        last = self.driver.execute_script(
            "const wrap = document.getElementById('st-table').parentElement;"
            "for (let i = 0; i < 10; i++) { wrap.scrollTop = wrap.scrollHeight; wrap.dispatchEvent(new Event('scroll')); }"
            "return [%s.length, %s[%s.length - 1].cells[0].textContent];" % (rows, rows, rows))
        self.assertEqual(last, [768, "768"])
        heading = self.driver.find_elements(By.CSS_SELECTOR, "#st-table thead button")[8]  # Deviation
        for order in ("ascending", "descending"):
            heading.click()
            self.assertEqual(heading.find_element(By.XPATH, "..").get_attribute("aria-sort"), order)
            sizes = self.driver.execute_script(
                "return Array.from(%s, r => Math.abs(parseFloat(r.cells[8].textContent)));" % rows)
            self.assertEqual(sizes, sorted(sizes, reverse=order == "descending"))
        first = self.el("st-table").find_elements(By.CSS_SELECTOR, "tbody tr")[0]
        self.driver.execute_script("arguments[0].parentElement.scrollTop = 0", self.el("st-table"))
        first.click()
        self.el("st-apply").click()
        self.assertEqual(self.fields()[2], first.find_elements(By.TAG_NAME, "td")[2].text)

    def test_finder_keys_and_what_it_takes_and_keeps(self):
        self.open_page()
        self.driver.get_log("browser")  # what earlier tests left
        self.type_fields(["300m", "740", "251p", "47k", "abc", "-1"])
        self.el("find-settings").click()
        # Only values above zero become the wanted F and Q.
        self.assertEqual([self.el(i).get_attribute("value") for i in ("st-targetF", "st-targetQ")], ["", ""])
        self.el("st-cList").send_keys("1p 2p")
        self.wait_ranked()
        before = self.fields()
        heading = self.driver.find_elements(By.CSS_SELECTOR, "#st-table thead button")[2]
        heading.send_keys(Keys.ENTER)  # sorts, applies nothing
        self.assertEqual(heading.find_element(By.XPATH, "..").get_attribute("aria-sort"), "ascending")
        self.assertEqual(self.fields(), before)
        # Keys on a table with no rows do nothing, and throw nothing.
        self.el("st-cList").send_keys("x")
        self.wait_ranked()
        wrap = self.driver.find_element(By.CSS_SELECTOR, ".table-wrap")
        wrap.send_keys(Keys.ARROW_DOWN, Keys.ARROW_UP, Keys.ENTER)
        self.assertEqual([e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"], [])
        # Closing keeps the entries, as Apply does.
        self.el("st-cList").send_keys(Keys.BACKSPACE)
        self.el("st-close").click()
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual(self.el("st-cList").get_attribute("value"), "1p 2p")

    def test_links_round_trip_and_hostile_links_are_named(self):
        self.open_page()
        self.type_fields(["500m", "1.2k", "200p", "47k", "", ""])
        self.button("Calculate").click()
        self.el("find-settings").click()
        self.el("st-cList").send_keys("47p 100p")
        self.wait_ranked()
        link = self.driver.execute_script("return window.varnholtLink()")
        shown = self.fields(), self.el("description").text, self.el("st-count").text
        self.driver.get("about:blank")
        self.driver.get(link)
        self.wait_ready()
        self.assertEqual((self.fields(), self.el("description").text, self.el("st-count").text), shown)
        self.assertTrue(self.el("stage").is_displayed())
        # (fragment, what the notice names); a value not read keeps the starting one.
        rows = [("L=400m&XY=1", ['"XY" is not a name']),
                ("L=400m&RS=12q", ['"12q" for RS']),
                ("L=400m&RS=<img src=x onerror=alert(1)>", ['"<img src=x onerror=alert(1)>" for RS']),
                ("L=400m&cMode=<b>on</b>", ['"<b>on</b>" is not a choice for cMode']),
                ("L=400m&RS=" + "1" * 3000, ["longer than 2,000 characters"])]
        for fragment, named in rows:
            self.driver.get("about:blank")
            self.driver.get(self.url + "#" + fragment)
            self.wait_ready()
            text = self.el("notice").text
            for part in named:
                self.assertIn(part, text, fragment)
            self.assertEqual(self.el("notice").find_elements(By.XPATH, "*"), [], fragment)
            self.assertEqual(self.fields()[:2], ["550m" if len(fragment) > 2000 else "400m", "1.1k"], fragment)
            self.assertNotEqual(self.fields()[4], "", fragment)
        self.assertEqual(self.axe_violations(), [])

    def test_states_fit_320_pixels_and_pass_axe(self):
        self.driver.set_window_size(320, 800)
        try:
            self.open_page()
            # (state, how to get there)
            states = [("first view", ""),
                      ("serial Q explained", "document.querySelector('.explain').open = true"),
                      ("finder", "document.getElementById('find-settings').click()"),
                      ("switches in parallel",
                       "for (const [id, v] of [['st-cList', '47p 100p 150p 220p 330p'], ['st-cMode', 'switches'],"
                       "  ['st-rList', '47k 100k 1k 10k'], ['st-rMode', 'switches']]) {"
                       "  const e = document.getElementById(id); e.value = v;"
                       "  e.dispatchEvent(new Event(e.tagName === 'SELECT' ? 'change' : 'input')); }"),
                      ("all columns", "document.getElementById('st-all-columns').click()"),
                      ("load map", "document.getElementById('st-all-columns').click();"
                                   "document.getElementById('st-map').click()")]
            for name, script in states:
                self.driver.execute_script(script)
                self.wait_ranked()
                width = self.driver.execute_script("return [document.documentElement.scrollWidth, innerWidth]")
                self.assertLessEqual(width[0], width[1], name)
                self.assertEqual(self.axe_violations(), [], name)
            headings = self.driver.find_elements(By.CSS_SELECTOR, "#st-table thead th")
            self.assertTrue(all(h.is_displayed() for h in headings[:2]))
            self.assertEqual([h.is_displayed() for h in headings[1:4]], [True, False, False])
            # The deviation in view beside the longest settings, without scrolling the table.
            wrap = self.driver.find_element(By.CSS_SELECTOR, ".table-wrap").rect
            self.assertLessEqual(headings[8].rect["x"] + headings[8].rect["width"], wrap["x"] + wrap["width"])
            self.assertTrue(all(label.is_displayed() for label in
                                self.driver.find_elements(By.CSS_SELECTOR, "#stage label")))
        finally:
            self.driver.set_window_size(1280, 1000)

    def test_three_rows_give_three_coloured_curves_and_the_map_applies(self):
        self.open_page()
        self.el("find-settings").click()
        self.el("st-cList").send_keys("47p 150p 220p 330p")
        self.wait_ranked()
        self.el("st-table").find_elements(By.CSS_SELECTOR, "tbody tr")[0].click()
        self.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.ARROW_DOWN, Keys.ARROW_DOWN)
        self.assertEqual(self.driver.execute_script(COMPARE_COLOURS), [True, True, True, False, False])
        # The legend in words under the plot, and as the plot's description.
        settings = [r.find_elements(By.TAG_NAME, "td")[1].text
                    for r in self.el("st-table").find_elements(By.CSS_SELECTOR, "tbody tr")[:3]]
        legend = "Black: as calculated; blue: %s; vermilion: %s; bluish green: %s" % tuple(settings)
        self.assertEqual(self.el("legend").text, legend)
        self.assertIn("legend", self.el("plot").get_attribute("aria-describedby").split())
        self.assertEqual(self.axe_violations(), [])
        self.el("st-close").click()
        self.assertEqual(self.driver.execute_script(COMPARE_COLOURS), [False] * 5)
        self.assertFalse(self.el("legend").is_displayed())
        # The map: painted, read out under the pointer, a double-click applies that load.
        self.el("find-settings").click()
        self.el("st-map").click()
        area = self.el("map")
        self.assertGreater(int(area.get_attribute("width")), 300)
        ActionChains(self.driver).move_to_element(area).perform()
        readout = self.el("map-readout").text
        self.assertRegex(readout, r"^C \S+  RL \S+  F \S+  Q \S+")
        ActionChains(self.driver).double_click(area).perform()
        self.assertEqual(self.fields()[2:4], readout.split()[1:4:2])
        self.assertFalse(self.dialog_open())
        self.assertEqual(self.axe_violations(), [])
        self.shot("map")
        for name in os.listdir(self.downloads):
            os.remove(os.path.join(self.downloads, name))
        self.el("map-svg").click()
        path = os.path.join(self.downloads, "load-map.svg")
        WebDriverWait(self.driver, 10).until(lambda d: os.path.exists(path) and os.path.getsize(path) > 0)

    def taps(self, *elements):
        """Quick taps of a finger, one on each element, as one touch pointer's actions."""
        finger = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"), duration=0)
        for element in elements:
            finger.pointer_action.move_to(element).pointer_down().pointer_up()
        finger.perform()

    def test_touch_taps_toggle_rows_and_a_double_tap_applies_on_the_map(self):
        self.open_page()
        self.el("find-settings").click()
        self.el("st-cList").send_keys("47p 150p 220p 330p")
        self.wait_ranked()
        rows = self.el("st-table").find_elements(By.CSS_SELECTOR, "tbody tr")
        before = self.fields()
        # The first row stands selected; each tap toggles one more, the last
        # one on and off again. Quick taps never apply a row.
        self.taps(rows[1], rows[2], rows[3], rows[3])
        self.assertEqual([r.get_attribute("aria-selected") for r in rows], ["true", "true", "true", "false"])
        self.assertEqual(self.driver.execute_script(COMPARE_COLOURS), [True, True, True, False, False])
        self.assertEqual(self.fields(), before)
        self.el("st-map").click()
        self.taps(self.el("map"), self.el("map"))
        readout = self.el("map-readout").text
        self.assertEqual(self.fields()[2:4], readout.split()[1:4:2])
        self.assertNotEqual(self.fields()[2], before[2])
        self.assertFalse(self.dialog_open())

    def test_service_worker_serves_the_page_with_the_server_stopped(self):
        self.driver.get_log("browser")  # what earlier tests left
        server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "8931"], cwd=PAGE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            url = "http://127.0.0.1:8931/index.html"
            WebDriverWait(self.driver, 10, ignored_exceptions=(Exception,)).until(
                lambda d: d.get(url) or d.execute_script("return document.documentElement.dataset.ready"))
            self.driver.execute_async_script(
                "const done = arguments[0]; navigator.serviceWorker.ready.then(() => done())")
            # Over http the code comes as the .wasm alone, not also as the copy for pages opened from disk.
            loaded = self.driver.execute_script(
                "return performance.getEntriesByType('resource').map(e => e.name.split('/').pop())")
            self.assertIn("varnholt-core.wasm", loaded)
            self.assertNotIn("varnholt-core-wasm.js", loaded)
        finally:
            server.terminate()
            server.wait()
        self.driver.get(url + "#L=400m")
        self.wait_ready()
        self.assertEqual(self.fields()[0], "400m")
        self.assertEqual([e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"], [])

    def test_keyboard_reaches_every_control(self):
        self.open_page()
        self.driver.find_element(By.TAG_NAME, "body").click()
        wanted = {"name", "field-L", "field-RS", "field-C", "field-RL", "field-F", "field-Q", "about", "reset", "help",
                  "plot", "save-svg", "save-png", "copy-data", "open-presets", "find-settings"}
        reached = set()
        for _ in range(40):
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
            reached.add(self.driver.switch_to.active_element.get_attribute("id") or
                        self.driver.switch_to.active_element.text)
        self.assertTrue(wanted <= reached, wanted - reached)
        for text in ["Calculate", "Optimize C from Q", "Optimize RL from Q", "Optimize C from F", "Full Optimization"]:
            self.assertIn(text, reached)
        outline = self.driver.execute_script(
            "document.getElementById('field-L').focus();"
            "return getComputedStyle(document.activeElement).outlineStyle")
        self.assertNotEqual(outline, "none")

    def test_one_column_at_320_pixels(self):
        self.driver.set_window_size(320, 900)
        try:
            self.open_page()
            inner = self.driver.execute_script("return window.innerWidth")
            self.assertLessEqual(self.driver.execute_script("return document.documentElement.scrollWidth"), inner)
            left = [self.field(f).location["x"] for f in ("L", "F")]
            self.assertEqual(left[0], left[1])
            self.shot("narrow")
        finally:
            self.driver.set_window_size(1280, 1000)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
