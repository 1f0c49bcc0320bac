#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""Times the page's start-up in headless Chromium against a bare page: the
median time from the navigation to the window drawn with its texts (the
"quorvel-ready" mark, made in the frame that first draws it), then a click of
the calculate button to Text4 written, and the page's size.
The bare page has the same controls, captions, places and Song faces, taken
from FORM_TABLE (tests/web/form_table.cpp), and nothing else: no WebAssembly,
texts, limits, colours, lines or names for a screen reader; it marks itself
drawn in its first frame too.
Usage: web_startup.py PAGE FORM_TABLE
RUNS (default 21) sets the timed runs of each, after two to warm up, by turns."""

import html
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import headless_chromium  # noqa: E402

TWIPS_PER_PIXEL = 15
CLICKS = 1000  # per timed batch; a batch, not a click, is long enough for the page's clock
BATCHES = 5


def bare_page(table):
    families = ", ".join(json.dumps(family) for family in table["families"])
    elements = []
    for name, control in table["controls"].items():
        left, top, width, height = (twips / TWIPS_PER_PIXEL for twips in control["box"])
        face = control["face"]
        style = (f"left:{left}px;top:{top}px;height:{height}px;" +
                 (f"width:{width}px;" if width else "") +
                 f"font:{'bold ' if face['bold'] else ''}{face['pointSize']}pt {families}")
        caption = html.escape(control["caption"])
        element = {"TextBox": f"<input id={name} style='{style}'>",
                   "CommandButton": f"<button id={name} style='{style}'>{caption}</button>",
                   "ComboBox": f"<select id={name} style='{style}'><option>{caption}</select>"
                   }.get(control["kind"], f"<div id={name} style='{style}'>{caption}</div>")
        elements.append(element)
    width, height = (twips / TWIPS_PER_PIXEL for twips in table["client"])
    return f"""<!DOCTYPE html><html lang="zh-CN"><meta charset="utf-8"><title>bare page</title>
<style>body {{ margin: 0; }} #frm_main {{ position: relative; width: {width}px;
height: {height}px; }} #frm_main > * {{ position: absolute; box-sizing: border-box; margin: 0;
white-space: pre; }}</style>
<form id=frm_main>{"".join(elements)}</form>
<script>requestAnimationFrame(() => performance.mark("quorvel-ready"));</script>"""


def drawn(driver, url):
    """Milliseconds from the navigation to url until its window is drawn."""
    driver.get(url)
    return driver.execute_async_script("""
        const done = arguments[0], look = () => {
          const [mark] = performance.getEntriesByName("quorvel-ready");
          mark ? done(mark.startTime) : requestAnimationFrame(look);
        };
        look();""")


def click_microseconds(driver, url):
    """Microseconds from a click of the calculate button to the tax in Text4,
    the median over batches of many clicks, each checked to have written it."""
    driver.get(url)
    return 1000 * statistics.median(driver.execute_script("""
        const [clicks, batches] = arguments, box = id => document.getElementById(id);
        [["Text1", "6000"], ["Text2", "500"], ["Text3", "3500"]]
            .forEach(([id, text]) => box(id).value = text);
        const times = [];
        for (let batch = 0; batch < batches; ++batch) {
          const start = performance.now();
          for (let click = 0; click < clicks; ++click) {
            box("Text4").value = "";
            box("Command1").click();
            if (box("Text4").value === "") throw new Error("a click wrote no tax");
          }
          times.push((performance.now() - start) / clicks);
        }
        return times;""", CLICKS, BATCHES))


def main():
    page, form_table = sys.argv[1:3]
    runs = int(os.environ.get("RUNS", "21"))
    table = json.loads(subprocess.run([form_table], capture_output=True, check=True).stdout)
    with tempfile.TemporaryDirectory() as work:
        bare = pathlib.Path(work, "bare_page.html")
        bare.write_text(bare_page(table), encoding="utf-8")
        urls = {"bare page": bare.as_uri(), "Quorvel": pathlib.Path(page).resolve().as_uri()}
        driver = headless_chromium.start(os.path.join(work, "profile"))
        try:
            times = {name: [] for name in urls}
            for _ in range(2):
                for url in urls.values():
                    drawn(driver, url)
            for run in range(runs):
                # Each goes first in turn, so neither always follows the other.
                for name in (urls if run % 2 == 0 else reversed(urls)):
                    times[name].append(drawn(driver, urls[name]))
            click = click_microseconds(driver, urls["Quorvel"])
        finally:
            driver.quit()
    medians = {name: statistics.median(values) for name, values in times.items()}
    print(f"Start-up, median of {runs} runs each by turns in one headless Chromium:")
    print(f"{'':12} {'navigation to drawn':>20}")
    for name, median in medians.items():
        print(f"{name:12} {median:17.1f} ms")
    print(f"{'ratio':12} {medians['Quorvel'] / medians['bare page']:19.3f}x")
    print(f"\nClick on the calculate button to Text4 written: {click:.1f} us "
          f"(median of {BATCHES} batches of {CLICKS} clicks)")
    print(f"The page: {os.path.getsize(page)} bytes")


if __name__ == "__main__":
    main()
