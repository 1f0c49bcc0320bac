#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""The driver's checks, whichever driver answers: this machine's, a Windows
one under Wine, or one that left its answers in an emulated machine.

A batch is lines fed to the driver at once, with its options. The answers
must be those committed beside this script: NAME.expected.jsonl, or for the
random batches, whose answers run to megabytes, NAME.expected.jsonl.xz; and
the driver must answer each line that is not blank and exit 1 when some line
was bad input, 0 else, 2 for a refused command line.
Usage: driver_check.py --list | --write FOLDER | --update DRIVER
       driver_check.py NAME|pipe DRIVER [ARGUMENT...]
       driver_check.py NAME --answers FOLDER
--list names the batches; --write lays out their lines and options as
FOLDER/NAME.jsonl and NAME.args; --update writes the committed answers anew
from DRIVER. --answers reads what a driver left: FOLDER/NAME.out, .status, .err.
"""

import hashlib
import json
import lzma
import os
import random
import signal
import subprocess
import sys
import tempfile
import threading
from pathlib import Path

HERE = Path(__file__).resolve().parent
# Far beyond what a batch takes under Wine on a busy machine, and within
# the check's own time-out.
LIMIT = 240
MEGABYTE = 1 << 20


def entries(income, insurance="0"):
    return json.dumps({"Text1": income, "Text2": insurance, "Text4": "95"},
                      ensure_ascii=False).encode()


# Lines that none may crash on, nor change Text4 behind the user's back.
HOSTILE = [
    entries("8" * MEGABYTE), entries("6000", "x" * MEGABYTE), entries("60\0" "00"),
    b'{"Text1":"60\xff"}', rb'{"Text1":"\ud800"}', entries("\u200f6000"),
    entries("6\u03010"), entries("\U0001f4b06000"), entries("1e308", "-1e308"),
    entries("1e999"), b'{"' + b"8" * MEGABYTE + b'":"1"}', b"[" * 100000 + b"]" * 100000,
]
# The separators of a locale reach the driver whole from its command line,
# marks beyond ASCII too: decimal, group and an income written with them.
MARKS = {"noBreakSpace": (",", "\u00a0", "6\u00a0000,5"),
         "narrowNoBreakSpace": (",", "\u202f", "6\u202f000,5"),
         "rightQuote": (".", "\u2019", "6\u2019000.5"),
         "arabicMarks": ("\u066b", "\u066c", "6\u066c000\u066b5")}

# The random batches' separators: the users' locales, none for grouping,
# no-break spaces, and two that the driver refuses.
LOCALES = {"plain": None, "zh": (".", ","), "de": (",", "."), "fr": (",", "\u202f"),
           "nbsp": (",", "\u00a0"), "noGroup": (".", ""), "apostrophe": (".", "'"),
           "arabic": ("\u066b", "\u066c"), "refusedEmpty": ("", ","), "refusedAlike": (".", ".")}
# What users and hostile callers type besides digits and the locale's marks.
NOISE = ["-", "+", "e", "E", "&H", "&O", " ", "\t", "$", "%", "(", ")", "D", "d",
         "\u3000", "\uff10", "\uff15", "\uff0e", "\u00a0", "\u202f", ",", ".", "'", "x",
         "\u200f", "\u0301", "\U0001f4b0", "\u0660", "\u0669", "\\", "\""]
# The largest amount of each entry, mostly: an income, insurance below it, an
# exemption that the calculation takes, and whatever Text4 showed last.
TOPS = {"Text1": 10 ** 6, "Text2": 5000, "Text3": 32768, "Text4": 10 ** 6}


def amount(rng, decimal, group, top):
    """An amount as a user may type it: sometimes grouped, with decimals, an
    exponent, spaces or a sign, sometimes with a mark in the wrong place."""
    digits = str(rng.randrange(top) if rng.random() < 0.8 else
                 rng.choice([rng.randrange(10), rng.randrange(10 ** 10), rng.randrange(10 ** 20)]))
    text = digits
    if group and rng.random() < 0.4:
        head = len(digits) % 3 or 3
        text = group.join([digits[:head]] + [digits[i:i + 3] for i in range(head, len(digits), 3)])
    if rng.random() < 0.4:
        text += decimal + str(rng.randrange(10 ** rng.randrange(1, 8)))
    if rng.random() < 0.05:
        text += rng.choice("eE") + rng.choice(["", "-", "+"]) + str(rng.randrange(400))
    if rng.random() < 0.05:
        text = rng.choice(["-", "+", " ", "  "]) + text
    if rng.random() < 0.05:
        text += rng.choice([" ", "\t", decimal, group or ","])
    if rng.random() < 0.05:
        at = rng.randrange(len(text) + 1)
        text = text[:at] + rng.choice([decimal, group or ",", rng.choice(NOISE)]) + text[at:]
    return text


def entry(rng, name, decimal, group):
    if (roll := rng.random()) < 0.9:
        return amount(rng, decimal, group, TOPS[name])
    return "".join(rng.choice(NOISE + list("0123456789")) for _ in range(rng.randrange(12))) \
        if roll < 0.95 else rng.choice(["", "0", "3500", "1998", "1999", "32767", "32767.5",
                                        "-32768", "9e99", "1e308", "-1e308", "1e999", "NaN",
                                        "inf", "0x10"])


def bad_line(rng):
    """A line that is no JSON object of strings, or a hostile one."""
    return rng.choice([
        b"", b"{}", b"not json", b"[\"6000\"]", b"1e999", b"null", b"{\"Text1\":6000}",
        b"{\"Text1\":\"6000\"", b"{\"Text1\":\"60\xff\"}", b"{\"Text1\":\"\\ud800\"}",
        b"{\"Text1\":\"6000\",\"Text1\":\"7000\"}", b"{\"Text9\":\"1\"}",
        b"{\"Text1\":{\"Text2\":\"1\"}}", b"{\"Text1\":\"60\\u000000\"}", b"\xef\xbb\xbf{}",
        b"{\"Text1\":\"6000\"}\r", b"{\"Text1\":\"6000\"} {}", b"[" * 5000 + b"]" * 5000,
        b"{\"Text1\":\"" + b"9" * rng.randrange(100, 100000) + b"\"}",
        b"{\"Text2\":\"" + b"x" * rng.randrange(100, 100000) + b"\"}",
        bytes(rng.randrange(1, 256) for _ in range(rng.randrange(40))).replace(b"\n", b" "),
    ])


def random_lines(name, separators):
    """1500 lines and one of a megabyte, the same on every run and machine, as
    their answers are committed: a seed of the batch's own, so that a batch
    added later leaves the others as they were."""
    rng = random.Random(f"quorvel {name}")
    decimal, group = separators or (".", ",")
    for _ in range(1500):
        if rng.random() < 0.1:
            yield bad_line(rng)
            continue
        names = [name for name in TOPS if rng.random() < 0.8]
        rng.shuffle(names)
        yield json.dumps({name: entry(rng, name, decimal, group) for name in names},
                         ensure_ascii=rng.random() < 0.5).encode()
    yield json.dumps({"Text1": "8" * MEGABYTE, "Text4": "95"}).encode()


def batches():
    """Each batch by name: (options, lines)."""
    found = {"runs": ([], (HERE / "runs.jsonl").read_bytes().splitlines()),
             "hostile": ([], HOSTILE)}
    for name, (decimal, group, income) in MARKS.items():
        found[f"mark.{name}"] = (["--decimal", decimal, "--group", group], [entries(income, "500")])
    for name, separators in LOCALES.items():
        options = ["--decimal", separators[0], "--group", separators[1]] if separators else []
        found[f"random.{name}"] = (options, list(random_lines(name, separators)))
    return found


def kept(answer):
    """An answer as it is committed: one beyond 4 KiB (a hostile line quoted
    back) by its length, its start and its digest."""
    if len(answer) <= 4096:
        return answer
    return json.dumps({"bytes": len(answer), "starts": answer[:100].decode(errors="replace"),
                       "sha256": hashlib.sha256(answer).hexdigest()}).encode()


def answers_file(name):
    """Where a batch's answers are committed: a random batch's, a fifth of a
    megabyte each, packed with xz."""
    return HERE / f"{name}.expected.jsonl{'.xz' if name.startswith('random.') else ''}"


def committed(name):
    """The answers committed for a batch, as kept()."""
    data = answers_file(name).read_bytes()
    return (lzma.decompress(data) if answers_file(name).suffix == ".xz" else data).splitlines()


def commit(name, answers):
    """Writes a batch's answers, kept(); packed ones only when they changed, as
    another release of xz may pack the same answers into other bytes."""
    kept_answers, path = [kept(answer) for answer in answers], answers_file(name)
    if path.suffix == ".xz" and path.exists() and committed(name) == kept_answers:
        return
    text = b"".join(answer + b"\n" for answer in kept_answers)
    path.write_bytes(lzma.compress(text, preset=9) if path.suffix == ".xz" else text)


def run(command, options, lines):
    """The driver's answers, exit status and what it said on its error output."""
    with tempfile.TemporaryFile() as err:
        try:
            done = subprocess.run(command + options, input=b"\n".join(lines) + b"\n",
                                  stdout=subprocess.PIPE, stderr=err, timeout=LIMIT, check=False)
            out, status = done.stdout, done.returncode
        except subprocess.TimeoutExpired as timeout:
            out, status = timeout.stdout or b"", f"none: still running after {LIMIT} s"
        err.seek(0)
        return out, status, err.read()


def contract(lines, out, status):
    """What every driver owes its caller, whatever the batch."""
    answers = out.splitlines()
    if status == 2:
        return [] if not out else ["a refused command line, yet answers"]
    faults = [] if out.endswith(b"\n") or not out else ["the last answer has no line feed"]
    asked = [line for line in lines if line.strip(b" \t\r")]
    if len(answers) != len(asked):
        faults.append(f"{len(answers)} answers to {len(asked)} lines that are not blank")
    bad = any(answer.startswith(b'{"error":{"kind":"bad-input"') for answer in answers)
    if status != int(bad):
        faults.append(f"exit status {status} where {'some' if bad else 'no'} line was bad input")
    return faults


def first_difference(lines, expected, actual):
    asked = [line for line in lines if line.strip(b" \t\r")]
    at = next(i for i in range(max(len(expected), len(actual)))
              if expected[i:i + 1] != actual[i:i + 1])
    show = lambda found: found[at][:300].decode(errors="replace") if at < len(found) else "(none)"
    return (f"the answers differ from answer {at + 1} of {len(expected)}:\n"
            f"  line:     {show(asked)}\n  expected: {show(expected)}\n  answered: {show(actual)}")


def check_batch(name, driver, answers):
    options, lines = batches()[name]
    if answers:
        folder = Path(answers)
        if not (folder / f"{name}.status").exists():
            return [f"the driver left no answers to {name} in {folder}"], b""
        out, err = (folder / f"{name}.out").read_bytes(), (folder / f"{name}.err").read_bytes()
        status = int((folder / f"{name}.status").read_text())
    else:
        out, status, err = run(driver, options, lines)
    faults = contract(lines, out, status)
    expected, actual = committed(name), [kept(answer) for answer in out.splitlines()]
    if expected != actual:
        faults.append(first_difference(lines, expected, actual))
    if not faults:
        print(f"{name}: {len(lines)} lines, options {options}, answered as expected,"
              f" exit status {status}")
    return faults, err


def pipe(driver):
    """A caller at a pipe that writes one line and waits for its answer before
    it writes the next: an answer held back in a buffer leaves both waiting."""
    exchanges = [(b'{"Text1":"6000","Text2":"500"}\n', b"95"),
                 # A blank line after the question must not hold its answer back.
                 (b'{"Text1":"3000"}\n\n', b""), (b'\n{"Text1":"6000"}\n', b"145"),
                 (b'{"Text1":"4734.56"}\r\n', b"37.0368")]
    faults = []
    with tempfile.TemporaryFile() as err:
        calc = subprocess.Popen(driver, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=err,
                                start_new_session=True)

        def answer():
            """The next line; a driver that holds it back is ended after two
            minutes, with whatever it started, which ends its output."""
            timer = threading.Timer(120, os.killpg, [calc.pid, signal.SIGKILL])
            timer.start()
            line = calc.stdout.readline()
            timer.cancel()
            return line

        for written, text4 in exchanges:
            calc.stdin.write(written)
            calc.stdin.flush()
            if not (line := answer()).startswith(b'{"Text4":"' + text4 + b'",'):
                faults.append(f"to {written!r} it answered {line!r}, not Text4 {text4!r}" if line
                              else f"no answer to {written!r} within two minutes")
                break
        calc.stdin.close()
        if not faults and (rest := answer()):
            faults.append(f"after its input ended: {rest!r}")
        if (status := calc.wait(timeout=LIMIT)) != 0 and not faults:
            faults.append(f"exit status {status}")
        if not faults:
            print(f"{len(exchanges)} lines, each answered before the next was written; exit status 0")
        err.seek(0)
        return faults, err.read()


def main(argv):
    if argv[:1] == ["--list"]:
        print("\n".join(batches()))
        return 0
    if argv[:1] in (["--write"], ["--update"]):
        for name, (options, lines) in batches().items():
            if argv[0] == "--write":
                (Path(argv[1]) / f"{name}.jsonl").write_bytes(b"\n".join(lines) + b"\n")
                (Path(argv[1]) / f"{name}.args").write_text("".join(o + "\n" for o in options))
            else:
                commit(name, run(argv[1:], options, lines)[0].splitlines())
        return 0
    name, *driver = argv
    if name == "pipe":
        faults, err = pipe(driver)
    else:
        answers = driver[1] if driver[:1] == ["--answers"] else None
        faults, err = check_batch(name, driver, answers)
    for fault in faults:
        print(f"FAIL: {fault}", file=sys.stderr)
    if faults and err:
        print("the driver said:\n" + err[-3000:].decode(errors="replace"), file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
