#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Types grouped, decimal and full-width amounts into the real window in each
# of the users' locales, and compares what the window answers with what the
# driver answers for the separators of that locale.
# Usage: locales_check.py PROGRAM DRIVER
import sys

from live_window import NOTICE_1, START_ENTRIES, Checks, LiveWindow, Session, driver, expected_from

# The locale, and its separators as the system writes numbers in it.
LOCALES = (
    ("zh_CN.UTF-8", ".", ","),
    ("en_US.UTF-8", ".", ","),
    ("de_DE.UTF-8", ",", "."),
    ("fr_FR.UTF-8", ",", "\u202f"),
)
TYPED = ("10,000", "6000,5", "6.000", "10 000", "10\u202f000", "６０００", "1,00")
# The entry typed into, and what the other two entries hold meanwhile.
ENTRIES = ((0, START_ENTRIES), (1, ("20000", "", "3500")))


def run(window, checks, calculator, separators, entry, others, typed, what):
    window.set_entries(*others)
    window.type_into(window.entries[entry], typed)
    texts = window.texts()
    expected = expected_from(driver(calculator, separators, [texts])[0])
    checks.equal(what, window.click(expected[1]), expected)
    return expected


def main(program, calculator):
    checks = Checks()
    wrong_grouping = {}
    typed = "".join(TYPED) + "".join(f"1{group}00" for _, _, group in LOCALES)
    with Session(typed) as session:
        for locale, decimal, group in LOCALES:
            with LiveWindow(program, session, locale) as window:
                for entry, others in ENTRIES:
                    for typed in TYPED:
                        run(window, checks, calculator, (decimal, group), entry, others, typed,
                            f"{locale}: {typed!r} in Text{entry + 1}")
                wrong = f"1{group}00"
                wrong_grouping[locale] = run(window, checks, calculator, (decimal, group), 0,
                                             ENTRIES[0][1], wrong, f"{locale}: {wrong!r}")[0]
                checks.true(f"{locale}: the program runs on", window.alive())
    for locale, prompts in wrong_grouping.items():
        checks.equal(f"{locale}: the notice of a wrong grouping", prompts, [NOTICE_1])
    return checks.exit_status()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
