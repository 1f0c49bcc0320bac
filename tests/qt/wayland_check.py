#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The window as a Wayland client of a headless compositor: the compositor knows
# it by the desktop entry's id and its caption, a screen reader computes with
# it, it looks as it does under X11, and a close over a notice ends it.
# Usage: wayland_check.py PROGRAM APP_ID X11_SCREENSHOT SCREENSHOT
import subprocess
import sys
import time

from live_window import (CAPTION, ENTRY_CAPTIONS, ENTRY_NAMES, POLL, Checks, LiveWindow,
                         WaylandSession, labels_of, press, wait_for)

CLIENT_SIZE = (554, 199)
# Text1, where the focus frame and the caret are when the window opens, in
# pixels with a margin: X11 shows the window unfocused, without a window manager.
FOCUSED_ENTRY = "70,38 219,60"


def differing_pixels(picture, reference):
    """The pixels that differ outside Text1, both pictures masked alike."""
    masked = []
    for path in (picture, reference):
        masked.append(path + ".masked.png")
        subprocess.run(["convert", path, "-fill", "black", "-draw", f"rectangle {FOCUSED_ENTRY}",
                        masked[-1]], check=True)
    # compare exits 1 when the pictures differ, and prints the count on stderr.
    answer = subprocess.run(["compare", "-metric", "AE", *masked, "null:"], capture_output=True,
                            text=True)
    return answer.stderr.strip()


def main(program, app_id, x11_screenshot, screenshot):
    checks = Checks()
    with WaylandSession() as session, LiveWindow(program, session) as window:
        view = wait_for("the window in the compositor's tree",
                        lambda: session.view(window.process.pid))
        checks.equal("the app_id", view.get("app_id"), app_id)
        checks.equal("the title", view.get("name"), CAPTION)
        client = view["window_rect"]
        checks.equal("the client area", (client["width"], client["height"]), CLIENT_SIZE)

        def client_pixels():
            """The client area where the compositor has the window now, against X11's."""
            view = session.view(window.process.pid)
            client = view["window_rect"]
            session.screenshot({**client, "x": view["rect"]["x"] + client["x"],
                                "y": view["rect"]["y"] + client["y"]}, screenshot)
            return differing_pixels(screenshot, x11_screenshot)

        # The compositor may place the window anew after it first shows it:
        # looked at until the pixels agree or the time is up.
        deadline = time.monotonic() + 20
        while (differing := client_pixels()) != "0" and time.monotonic() < deadline:
            time.sleep(POLL)
        checks.equal("pixels unlike the X11 window's", differing, "0")
        for entry, name, caption in zip(window.entries, ENTRY_NAMES, ENTRY_CAPTIONS):
            checks.equal(f"{name} is labelled by", labels_of(entry), [caption])

        checks.equal("6000 and 500", window.compute("6000", "500", "3500", text4="95"),
                     ([], "95"))
        # A press with Text1 empty opens the first notice; the window is closed over it.
        window.set_entries("")
        press(window.button)
        window.notice()
        session.close(window.process.pid)
        checks.equal("the exit status after a close over the notice", window.wait_exit(), 0)
    print(f"screenshot in {screenshot}")
    return checks.exit_status()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
