# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""This machine's Chromium, headless, through its own WebDriver, for the
page's checks and its start-up benchmark."""

import os
import shutil

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start(profile, language="zh-CN"):
    """A browser with its profile in the folder profile, in a language; every
    name that it looks up fails, and its log keeps every request of a page."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for argument in ["--headless=new", f"--user-data-dir={profile}",
                     "--host-resolver-rules=MAP * ~NOTFOUND", f"--lang={language}",
                     "--window-size=800,400", "--force-device-scale-factor=1",
                     "--disable-background-networking", "--no-first-run"]:
        options.add_argument(argument)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")  # the browser's sandbox refuses root
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    # This machine's driver, named: nothing looks for one elsewhere.
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
