#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs the program under memcheck: start, one click of each outcome (a tax,
# the first notice, the zero-tax notice, the overflow error), close. Memcheck
# must find no error and no block definitely lost; what the toolkit itself
# does is in valgrind.supp.
# Usage: valgrind_check.py PROGRAM SUPPRESSIONS
import os
import sys

from live_window import NOTICE_1, START_ENTRIES, Checks, LiveWindow, Session

OUTCOMES = (
    (("6000", "500", "3500"), ([], "95")),
    (START_ENTRIES, ([NOTICE_1], "95")),
    (("3000", "0", "3500"), (["不用缴纳个税，我穷人一个啊！"], "")),
    (("6000", "0", "9e99"), (["数值溢出！\n-----------------------\nError: Overflow"], "")),
)
ERROR_STATUS = 99


def main(program, suppressions):
    checks = Checks()
    with Session() as session:
        log = os.path.join(session.work, "memcheck.log")
        memcheck = ("valgrind", "--tool=memcheck", "--leak-check=full",
                    "--errors-for-leak-kinds=definite", f"--error-exitcode={ERROR_STATUS}",
                    f"--suppressions={suppressions}", "--num-callers=40", f"--log-file={log}")
        with LiveWindow(program, session, wrapper=memcheck) as window:
            for texts, expected in OUTCOMES:
                checks.equal(f"{texts} under memcheck",
                             window.compute(*texts, text4=expected[1]), expected)
            window.close_window()
            status = window.wait_exit(timeout=120)
        checks.equal("exit status under memcheck (99: memcheck found something)", status, 0)
        if status != 0:
            with open(log) as report:
                print(report.read())
    return checks.exit_status()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
