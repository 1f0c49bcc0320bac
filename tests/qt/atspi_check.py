#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Reads and uses the window as a screen reader does, through the accessibility
# bus alone: no pixel, no synthetic key or click.
# Usage: atspi_check.py PROGRAM
import sys

from live_window import (APP_TITLE, BUTTON_NAME, CAPTION, ENTRY_CAPTIONS, ENTRY_NAMES, NOTICE_1,
                         RESULT_NAME, START_ENTRIES, Atspi, Checks, LiveWindow, Session,
                         action_names, labels_of, text_of)

# Roles by their number: their names differ from release to release of AT-SPI.
TEXT_ENTRY_ROLES = (Atspi.Role.TEXT, Atspi.Role.ENTRY)


def main(program):
    checks = Checks()
    with Session() as session, LiveWindow(program, session) as window:
        checks.equal("the window's role", window.frame.get_role(), Atspi.Role.FRAME)
        checks.equal("the window's name", window.frame.get_name(), CAPTION)
        for entry, name, caption, text in zip(window.entries, ENTRY_NAMES, ENTRY_CAPTIONS,
                                              START_ENTRIES):
            checks.true(f"{name} is a text entry",
                        entry.get_role() in TEXT_ENTRY_ROLES and
                        entry.get_state_set().contains(Atspi.StateType.EDITABLE) and
                        "EditableText" in entry.get_interfaces(), entry.get_role_name())
            checks.equal(f"{name} holds", text_of(entry), text)
            checks.equal(f"{name} is labelled by", labels_of(entry), [caption])
        checks.equal("the result box's name", window.result.get_name(), RESULT_NAME)
        checks.equal("the result box's role", window.result.get_role(), Atspi.Role.TEXT)
        checks.equal("the result box holds", text_of(window.result), "0")
        checks.equal("the button's role", window.button.get_role(), Atspi.Role.PUSH_BUTTON)
        checks.equal("the button's name", window.button.get_name(), BUTTON_NAME)
        actions = action_names(window.button)
        checks.true("the button can be pressed", "Press" in actions, str(actions))

        # A press with the entries as the window opens: the first notice.
        window.button.do_action(actions.index("Press"))
        notice, title, prompt = window.notice()
        checks.equal("the notice's title", title, APP_TITLE)
        checks.equal("the notice's text", prompt, NOTICE_1)
        window.close_notice(notice)
        checks.equal("the result box after the notice", text_of(window.result), "0")

        checks.equal("6000 and 500", window.compute("6000", "500", "3500", text4="95"),
                     ([], "95"))
        checks.true("the program runs on", window.alive())
    return checks.exit_status()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
