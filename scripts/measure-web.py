#!/usr/bin/python3
"""Measures the page in headless Chromium: opening to the first Calculate
possible, Calculate to the plot repainted, and ranking 65,536 stage settings.

usage: scripts/measure-web.py [build/web]   (make bench-web)
"""
import os
import statistics
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

page = os.path.abspath(os.path.join(sys.argv[1] if len(sys.argv) > 1 else "build/web", "index.html"))
options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,1000"):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    ready = []
    for _ in range(10):
        driver.get("file://" + page)
        WebDriverWait(driver, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        ready.append(driver.execute_script("return window.varnholtTimings.readyMs"))
    calculate = driver.execute_script("""
        const button = document.querySelector('[data-command=Calculate]');
        const times = [];
        for (let i = 0; i < 200; ++i) { button.click(); times.push(window.varnholtTimings.lastCommandMs); }
        return times;""")
    driver.execute_script("document.getElementById('find-settings').click()")
    rank = driver.execute_script("""
        const set = (id, value) => { const e = document.getElementById(id); e.value = value; };
        set('st-cList', '33p 68p 100p 220p 330p 470p 680p 1n'); set('st-cMode', 'switches');
        set('st-rList', '100 220 470 1k 4.7k 10k 22k 47k'); set('st-rMode', 'switches');
        const times = [];
        for (let i = 0; i < 10; ++i) {
          document.getElementById('st-rList').dispatchEvent(new Event('input'));
          times.push(window.varnholtTimings.rankMs);
        }
        return [times, window.varnholtTimings.rankCount];""")
    print("page open to first Calculate possible: median %.1f ms (of %d loads)" % (statistics.median(ready), len(ready)))
    print("Calculate to plot repainted: median %.2f ms, max %.2f ms (of %d)" %
          (statistics.median(calculate), max(calculate), len(calculate)))
    print("ranking %d stage settings: median %.1f ms (of %d)" % (rank[1], statistics.median(rank[0]), len(rank[0])))
finally:
    driver.quit()
