#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Hostile input in the real window: huge and strange pastes, Enter held down,
# a burst of clicks, closing the window over a notice, SIGTERM. After each the
# program must still work out 6000/500 as 95.
# Usage: hostile_check.py PROGRAM DRIVER
import os
import signal
import subprocess
import sys

from live_window import (NOTICE_1, START_ENTRIES, Atspi, Checks, LiveWindow, Session, driver,
                         expected_from, press, text_of)

LIMITS = (10, 6, 4)
VALID = ("6000", "500", "3500")
OTHER = ("7000", "500", "3500")  # 195: a tax that the next answer, 95, replaces
MEGABYTE = (b"1234567890" * 104858)[:1 << 20]
STRANGE = (
    ("right-to-left marks", "\u200f\u202e6000\u202c\u200f".encode()),
    ("combining marks", "6\u0301000\u0308".encode()),
    ("emoji", "💰6000😀".encode()),
    ("binary junk", bytes(range(1, 256)) * 3),
)


def computes_95(window, checks, after):
    checks.equal(f"6000/500 after {after}", window.compute(*VALID, text4="95"), ([], "95"))


def while_running(window, command):
    """Runs command while counting the notices open at once; returns the most."""
    most = 0
    process = subprocess.Popen(command, env=window.env)
    while process.poll() is None:
        most = max(most, len(window.notices()))
    return most


def close_notices(window):
    while found := window.notices():
        window.close_notice(found[0][0])


def pastes(window, checks, calculator):
    for entry, limit in enumerate(LIMITS):
        window.set_entries(*VALID)
        kept = window.paste_into(window.entries[entry], MEGABYTE)
        checks.equal(f"1 MB pasted into Text{entry + 1} keeps", kept, MEGABYTE[:limit].decode())
        expected = expected_from(driver(calculator, (".", ","), [window.texts()])[0])
        checks.equal(f"a click after 1 MB in Text{entry + 1}", window.click(expected[1]), expected)
        computes_95(window, checks, f"1 MB in Text{entry + 1}")
    for what, data in STRANGE:
        for entry in range(3):
            window.set_entries(*VALID)
            window.paste_into(window.entries[entry], data)
            texts = window.texts()
            prompts, _ = window.click(texts[3])
            checks.equal(f"{what} pasted into Text{entry + 1}: {texts[entry]!r}", prompts,
                         [NOTICE_1])
            checks.true(f"{what} in Text{entry + 1}: the program runs on", window.alive())
    computes_95(window, checks, "the strange pastes")


def enter_held(window, checks):
    for entries, answer in ((START_ENTRIES, "a notice"), (VALID, "95")):
        window.compute(*OTHER, text4="195")
        window.set_entries(*entries)
        window.focus(window.entries[0])
        most = while_running(window, ["xdotool", "keydown", "Return", "sleep", "1.5",
                                      "keyup", "Return"])
        checks.true(f"Enter held for {answer}: at most one notice at a time", most <= 1,
                    f"{most} at once")
        close_notices(window)
        checks.true(f"Enter held for {answer}: the program runs on", window.alive())
        if answer == "95":
            checks.equal("Text4 after Enter held on 6000/500", text_of(window.result), "95")
    computes_95(window, checks, "Enter held down")


def click_burst(window, checks):
    extents = window.button.get_extents(Atspi.CoordType.SCREEN)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
    for entries, answer in ((START_ENTRIES, "a notice"), (VALID, "95")):
        window.compute(*OTHER, text4="195")
        window.set_entries(*entries)
        most = while_running(window, ["xdotool", "mousemove", str(x), str(y), "click",
                                      "--repeat", "100", "--delay", "1", "1"])
        checks.true(f"100 clicks for {answer}: at most one notice at a time", most <= 1,
                    f"{most} at once")
        close_notices(window)
        checks.true(f"100 clicks for {answer}: the program runs on", window.alive())
    checks.equal("Text4 after 100 clicks on 6000/500", text_of(window.result), "95")
    computes_95(window, checks, "100 clicks")


def close_over_notice(window, checks):
    window.set_entries(*START_ENTRIES)
    press(window.button)
    window.notice()
    window.close_window()
    checks.equal("closing the window over a notice: exit status", window.wait_exit(), 0)


def left_in_session(pid):
    """The processes, the program's own or its children's, in its session."""
    found = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except (OSError, IndexError):
            continue
        if entry.isdigit() and int(fields[3]) == pid:  # the session id
            found.append(int(entry))
    return found


def sigterm(window, checks):
    window.process.send_signal(signal.SIGTERM)
    status = window.wait_exit()
    checks.true("SIGTERM ends the program", status in (0, -signal.SIGTERM), f"status {status}")
    checks.equal("SIGTERM leaves no process behind", left_in_session(window.process.pid), [])
    checks.equal("SIGTERM leaves no file behind", os.listdir(window.leftovers), [])


def main(program, calculator):
    checks = Checks()
    with Session() as session:
        with LiveWindow(program, session) as window:
            pastes(window, checks, calculator)
            enter_held(window, checks)
            click_burst(window, checks)
        for case in (close_over_notice, sigterm):
            with LiveWindow(program, session) as window:
                case(window, checks)
            with LiveWindow(program, session) as window:
                computes_95(window, checks, f"a new start after {case.__name__}")
    return checks.exit_status()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
