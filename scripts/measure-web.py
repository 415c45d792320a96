#!/usr/bin/python3
"""Measures the page in headless Chromium: the bytes a visit loads, opening to
the answer shown, Calculate, typing into the finder at 65,536 settings, and
painting the load map of 400 x 300 cells.

usage: scripts/measure-web.py [build/web]   (make bench-web)
"""
import gzip
import os
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/web")
page = "file://" + os.path.join(folder, "index.html")
VISIT = ["index.html", "page.css", "page.js", "varnholt-core.js", "icons/favicon.png"]

raw = packed = 0
for name in VISIT:
    with open(os.path.join(folder, name), "rb") as f:
        data = f.read()
    raw += len(data)
    packed += len(gzip.compress(data, 9))
print("a visit's files: %.1f KB raw, %.1f KB gzip -9" % (raw / 1024, packed / 1024))

options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,1000"):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
ready = lambda d: d.execute_script("return document.documentElement.dataset.ready")
try:
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    shown = []
    for _ in range(10):
        driver.get("about:blank")
        driver.get(page)
        WebDriverWait(driver, 20).until(ready)
        shown.append(driver.execute_script("return window.varnholtTimings.readyMs"))
    print("open to F, Q and the curve shown: median %.1f ms, worst %.1f ms (10 cold loads)" %
          (statistics.median(shown), max(shown)))
    calculate = driver.execute_script("""
        const button = document.querySelector('[data-command=Calculate]');
        const times = [];
        for (let i = 0; i < 200; ++i) { button.click(); times.push(window.varnholtTimings.lastCommandMs); }
        return times;""")
    print("Calculate to plot repainted: median %.2f ms, max %.2f ms (of %d)" %
          (statistics.median(calculate), max(calculate), len(calculate)))
    driver.execute_script("""
        document.getElementById('find-settings').click();
        const set = (id, value) => { const e = document.getElementById(id); e.value = value; };
        set('st-cList', '33p 68p 100p 220p 330p 470p 680p 1n'); set('st-cMode', 'switches');
        set('st-rList', '100 220 470 1k 4.7k 10k 22k 47k'); set('st-rMode', 'switches');""")
    handler, table = [], []
    for i in range(10):
        start = driver.execute_script("""
            const e = document.getElementById('st-bandEdge');
            e.value = '%dk';
            const t0 = performance.now();
            e.dispatchEvent(new Event('input'));
            window.varnholtKey = [t0, performance.now() - t0];
            return window.varnholtKey;""" % (15 + i))
        handler.append(start[1])
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            "return window.varnholtTimings.rankShownAt > window.varnholtKey[0]"))
        table.append(driver.execute_script("return window.varnholtTimings.rankShownAt - window.varnholtKey[0]"))
        time.sleep(0.1)
    count = driver.execute_script("return window.varnholtTimings.rankCount")
    print("finder at %d settings: keystroke handler median %.2f ms, worst %.2f ms; table shows the ranking "
          "after median %.0f ms, worst %.0f ms (of %d)" %
          (count, statistics.median(handler), max(handler), statistics.median(table), max(table), len(table)))
    driver.execute_script("""
        document.getElementById('st-cList').value = '47p 100p'; document.getElementById('st-rList').value = '47k';
        document.getElementById('st-rList').dispatchEvent(new Event('input'));""")
    WebDriverWait(driver, 5).until(lambda d: d.execute_script("return !document.getElementById('stage').dataset.pending"))
    paints = []
    driver.execute_script("document.getElementById('st-map').click()")
    for width in [400, 401] * 5:
        driver.execute_script("document.querySelector('.map-wrap').style.width = '%dpx'" % width)
        WebDriverWait(driver, 5).until(lambda d: d.execute_script(
            "return document.getElementById('map').width === %d * devicePixelRatio" % width))
        paints.append(driver.execute_script("return window.varnholtTimings.mapPaintMs"))
    print("load map of 400 x 300 cells painted at 400 x 300 px: median %.1f ms, worst %.1f ms (of %d)" %
          (statistics.median(paints), max(paints), len(paints)))
finally:
    driver.quit()
