#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""The page as its users and a screen reader meet it in headless Chromium,
driven through WebDriver, held to the window's design (QUORVEL_FORM_TABLE, a
program that prints it) and to the driver's answers (QUORVEL_CALC, the driver
that QUORVEL_NODE runs). QUORVEL_PAGE names the page; the environment also
gives the window's caption and the notices' title.
Usage: page_test.py [CHECK...], each a test's name (all when none is named)"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile

import headless_chromium
import pytest
from selenium.common.exceptions import TimeoutException
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

PAGE = pathlib.Path(os.environ["QUORVEL_PAGE"]).resolve().as_uri()
TABLE = json.loads(subprocess.run([os.environ["QUORVEL_FORM_TABLE"]], capture_output=True,
                                  check=True).stdout)
CONTROLS = TABLE["controls"]
TWIPS_PER_PIXEL = 15  # at 100 %, 96 pixels to the inch
# A wait ends as soon as its state arrives; the deadline only bounds one whose
# state never comes, also with every core busy.
DEADLINE = 90
VALID = ("6000", "500", "3500")
ENTRIES = ("Text1", "Text2", "Text3")
NOTICES = {"error": ("", "0", "3500"), "zero tax": ("3000", "0", "3500")}
# The locales of the browser: a language and the separators (decimal, group)
# that the driver reads and writes numbers with in it.
LOCALES = {"zh-CN": (".", ","), "de-DE": (",", ".")}


def wait_for(driver, what, probe, until=bool):
    """Looks with probe until until(what it saw) holds; returns what it saw."""
    seen = [None]

    def look(_):
        seen[0] = probe()
        return until(seen[0])
    try:
        WebDriverWait(driver, DEADLINE, poll_frequency=0.02).until(look)
        return seen[0]
    except TimeoutException:
        pass
    pytest.fail(f"timed out waiting for {what}; the page showed {seen[0]!r}")


def answer(texts, separators=LOCALES["zh-CN"]):
    """The driver's answer to the entries: its notices and Text4."""
    line = json.dumps(dict(zip(ENTRIES, texts))) + "\n"
    return json.loads(subprocess.run(
        [os.environ["QUORVEL_NODE"], os.environ["QUORVEL_CALC"], "--decimal", separators[0],
         "--group", separators[1]], input=line.encode(), capture_output=True, check=True).stdout)


class Page:
    """The page in a browser of its own, in a language, with a folder of its
    own for the browser's profile."""

    def __init__(self, language):
        self.profile = tempfile.TemporaryDirectory()
        self.driver = headless_chromium.start(self.profile.name, language)
        self.separators = LOCALES[language]

    def close(self):
        self.driver.quit()
        self.profile.cleanup()

    def open(self):
        """The page anew, drawn with its texts."""
        self.driver.get(PAGE)
        wait_for(self.driver, "the window drawn with its texts", lambda: self.script(
            "return performance.getEntriesByName('quorvel-ready').length"))

    def script(self, code, *arguments):
        return self.driver.execute_script(code, *arguments)

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.element(name).get_property("value")

    def focused(self):
        return self.script("return document.activeElement.id")

    def set_entries(self, *texts):
        for name, text in zip(ENTRIES, texts):
            self.element(name).clear()
            self.element(name).send_keys(text)
        assert [self.value(name) for name in ENTRIES] == list(texts)

    def notice(self):
        """The open notice: whether it is modal, its title and its prompt's
        lines; None while none is open."""
        return self.script("""
            const notice = document.getElementById('notice');
            if (!notice.open) return null;
            return [notice.matches(':modal'),
                    document.getElementById('notice-title').textContent,
                    [...document.getElementById('notice-prompt').children]
                        .map(line => line.textContent)];""")

    def check_text4(self, expected):
        wait_for(self.driver, f"Text4 to read {expected!r}", lambda: self.value("Text4"),
                 lambda text: text == expected)

    def keys(self, *keys):
        """Keys pressed where the focus is, as a user presses them."""
        ActionChains(self.driver).send_keys(*keys).perform()


@pytest.fixture(scope="module", params=["zh-CN"])
def browser(request):
    page = Page(request.param)
    yield page
    page.close()


@pytest.fixture
def page(browser):
    browser.open()
    return browser


def test_offline(browser):
    """Opened from its file, the page asks for nothing else: every name that
    the browser looks up fails, and each request beyond the page is counted."""
    browser.driver.get_log("performance")
    browser.open()
    wait_for(browser.driver, "the page loaded", lambda: browser.script(
        "return document.readyState"), lambda state: state == "complete")
    messages = [json.loads(entry["message"])["message"]
                for entry in browser.driver.get_log("performance")]
    requests = [message["params"]["request"]["url"] for message in messages
                if message["method"] == "Network.requestWillBeSent"]
    assert PAGE in requests, f"the page's own request is not in the log: {requests}"
    # Those before it are the browser's new tab's.
    others = [url for url in requests[requests.index(PAGE):]
              if url != PAGE and not url.startswith("data:")]
    assert others == [], f"{len(others)} requests beyond the page"


def test_layout(page):
    """The caption, the client area and every control in their places, one
    pixel to 15 twips; a label sized to its caption holds it on one line. The
    screenshot is kept for a look."""
    boxes = page.script("""
        const origin = document.getElementById('frm_main').getBoundingClientRect();
        return Object.fromEntries(arguments[0].map(name => {
          const element = document.getElementById(name);
          if (!element) return [name, null];
          const box = element.getBoundingClientRect(), text = document.createRange();
          text.selectNodeContents(element);
          const pieces = [...text.getClientRects()];
          return [name, {box: [box.left - origin.left, box.top - origin.top, box.width,
                               box.height],
                         lines: new Set(pieces.map(piece => Math.round(piece.top))).size,
                         text: [Math.min(...pieces.map(piece => piece.left)) - box.left,
                                box.right - Math.max(...pieces.map(piece => piece.right))]}];
        }));""", ["frm_main", *CONTROLS, *TABLE["lines"]])
    wrong = [] if page.driver.title == os.environ["QUORVEL_CAPTION"] else \
        [f"the caption {page.driver.title!r}"]

    def check(name, expected, tolerance):
        seen = boxes[name] and boxes[name]["box"]
        pixels = [twips and round(twips / TWIPS_PER_PIXEL, 2) for twips in expected]
        if seen is None or any(e is not None and abs(s - e) > tolerance
                               for s, e in zip(seen, pixels)):
            wrong.append(f"{name}: {seen} instead of {pixels}")
    check("frm_main", [0, 0, *TABLE["client"]], 0.5)
    for name, control in CONTROLS.items():
        left, top, width, height = control["box"]
        check(name, [left, top, width or None, height], 0.5)
        if not width and boxes[name] and (boxes[name]["lines"] != 1 or
                                          min(boxes[name]["text"]) < -0.5):
            wrong.append(f"{name}: its caption on {boxes[name]['lines']} lines, beyond its box "
                         f"by {boxes[name]['text']} pixels (left, right)")
    # A line's box is the one pixel that it is drawn with.
    for name, (x1, y1, x2, y2) in TABLE["lines"].items():
        check(name, [x1, y1, x2 - x1, y2 - y1], 1)
    page.element("frm_main").screenshot(os.path.abspath("screenshot-web.png"))
    assert not wrong, "\n".join(wrong)


@pytest.mark.parametrize("press", ["click", *(f"Enter in {name}" for name in ENTRIES)])
def test_compute(page, press):
    page.set_entries(*VALID)
    expected = answer(VALID)
    assert expected["notices"] == []
    if press == "click":
        page.element("Command1").click()
    else:
        page.element(press.split()[-1]).send_keys(Keys.ENTER)
    page.check_text4(expected["Text4"])


@pytest.mark.parametrize("closing", [Keys.ENTER, Keys.ESCAPE, "OK"],
                         ids=["Enter", "Escape", "OK"])
@pytest.mark.parametrize("entries", NOTICES.values(), ids=NOTICES)
def test_notice(page, entries, closing):
    """A notice's title and lines, Text4 while it is open and after it; before
    its OK, the window refuses a click and keys (the click moves the focus from
    the OK, as the browser does, so Enter and Escape meet a notice untouched)."""
    page.set_entries(*entries)
    expected = answer(entries)
    [shown] = expected["notices"]
    page.element("Command1").click()
    notice = wait_for(page.driver, "the notice", page.notice)
    assert notice[1:] == [os.environ["QUORVEL_APP_TITLE"], shown["prompt"].split("\r")]
    assert page.value("Text4") == shown["Text4"], "Text4 while the notice is open"
    if closing == "OK":
        # A user's clicks and keys where the button and Text1 are.
        ActionChains(page.driver).click(page.element("Command1")) \
            .click(page.element("Text1")).send_keys("7").perform()
        assert [page.notice(), page.value("Text1"), page.value("Text4")] == \
            [notice, entries[0], shown["Text4"]], "the window took the click or the keys"
        page.element("notice-ok").click()
    else:
        assert notice[0], f"the notice is not modal: {notice}"
        page.keys(closing)
    wait_for(page.driver, "the notice to close", page.notice, lambda seen: seen is None)
    page.check_text4(expected["Text4"])


def test_tab_order(page):
    """The focus starts in the first entry and Tab walks the tab order."""
    order = TABLE["tabOrder"]
    walked = [wait_for(page.driver, f"the focus in {order[0]}", page.focused,
                       lambda name: name == order[0])]
    for _ in order[1:]:
        page.keys(Keys.TAB)
        walked.append(page.focused())
    assert walked == order


@pytest.mark.parametrize("name", ENTRIES)
def test_paste(page, name):
    """A megabyte pasted into an entry is cut to its limit."""
    data = ("1234567890" * 104858)[:1 << 20]
    page.element(name).clear()
    page.element(name).click()
    page.driver.execute_cdp_cmd("Input.insertText", {"text": data})
    value = page.value(name)
    assert value == data[:CONTROLS[name]["maxLength"]], f"{len(value)} characters taken"


@pytest.mark.parametrize("browser", ["de-DE"], indirect=True)
def test_decimal_comma(page):
    """In a language that writes a decimal comma, the page reads it and
    writes its answer with it."""
    entries = ("6000,5", "500", "3500")
    page.set_entries(*entries)
    page.element("Command1").click()
    page.check_text4(answer(entries, page.separators)["Text4"])


def test_accessible_names(page):
    """The entries by their labels' names, the button by its caption, and an
    open notice a modal dialog that holds its title and its prompt."""
    driver = page.driver
    root = driver.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]

    def backend_id(name):
        node = driver.execute_cdp_cmd("DOM.querySelector",
                                      {"nodeId": root, "selector": f"#{name}"})["nodeId"]
        return driver.execute_cdp_cmd("DOM.describeNode", {"nodeId": node})["node"][
            "backendNodeId"]

    def tree():
        nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return {node.get("backendDOMNodeId"): node for node in nodes}, \
            {node["nodeId"]: node for node in nodes}

    def name(node):
        return node.get("name", {}).get("value", "")
    by_element = tree()[0]
    seen = {control: name(by_element[backend_id(control)])
            for control in CONTROLS if control == "Command1" or CONTROLS[control]["name"]}
    expected = {control: CONTROLS[control]["name"] for control in seen}
    seen["Command1"] = " ".join(seen["Command1"].split())
    expected["Command1"] = " ".join(CONTROLS["Command1"]["caption"].split())
    assert seen == expected

    entries = NOTICES["error"]
    page.set_entries(*entries)
    page.element("Command1").click()
    wait_for(driver, "the notice", page.notice)
    by_element, by_id = tree()
    dialog = by_element[backend_id("notice")]
    properties = {p["name"]: p["value"].get("value") for p in dialog.get("properties", [])}
    texts, below = [name(dialog), dialog.get("description", {}).get("value", "")], \
        list(dialog.get("childIds", []))
    while below:
        node = by_id[below.pop()]
        texts.append(name(node))
        below += node.get("childIds", [])
    lines = [os.environ["QUORVEL_APP_TITLE"],
             *answer(entries)["notices"][0]["prompt"].split("\r")]
    missing = [line for line in lines if not any(line in text for text in texts)]
    assert (dialog["role"]["value"], properties.get("modal"), missing) == \
        ("dialog", True, []), f"the notice read as {texts}"


if __name__ == "__main__":
    sys.dont_write_bytecode = True  # nothing written beside the sources
    sys.exit(pytest.main(["-v", "-p", "no:cacheprovider",
                          *([f"{__file__}::{name}" for name in sys.argv[1:]] or [__file__])]))
