#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Writes the same large batches of driver lines on every run (a fixed seed):
# amounts as users type them in each locale the driver is given, entries that
# are no amounts, lines that are no JSON object of strings and hostile ones.
# For each batch NAME, OUT/NAME.jsonl holds its lines and OUT/NAME.args the
# driver's options, one a line. Usage: random_batch.py OUT
import json
import os
import random
import sys

# The separators of the driver's locales, as --decimal and --group give them:
# the users' locales, none for grouping, no-break spaces, and two that the
# driver refuses.
LOCALES = {
    "plain": None,
    "zh": (".", ","),
    "de": (",", "."),
    "fr": (",", "\u202f"),
    "nbsp": (",", "\u00a0"),
    "noGroup": (".", ""),
    "apostrophe": (".", "'"),
    "arabic": ("\u066b", "\u066c"),
    "refusedEmpty": ("", ","),
    "refusedAlike": (".", "."),
}
LINES = 1500
# What users and hostile callers type besides digits and the locale's marks.
NOISE = ["-", "+", "e", "E", "&H", "&O", " ", "\t", "$", "%", "(", ")", "D", "d",
         "\u3000", "\uff10", "\uff15", "\uff0e", "\u00a0", "\u202f", ",", ".", "'", "x",
         "\u200f", "\u0301", "\U0001f4b0", "\u0660", "\u0669", "\\", "\""]
ENTRIES = ("Text1", "Text2", "Text3", "Text4")


def grouped(digits, group):
    """Digits with the group mark every three from the right."""
    head = len(digits) % 3 or 3
    parts = [digits[:head]] + [digits[i:i + 3] for i in range(head, len(digits), 3)]
    return group.join(parts)


# The largest amount of each entry, mostly: an income, insurance below it, an
# exemption that the calculation takes, and whatever Text4 showed last.
TOPS = {"Text1": 10 ** 6, "Text2": 5000, "Text3": 32768, "Text4": 10 ** 6}


def amount(rng, decimal, group, top):
    """An amount as a user may type it: sometimes grouped, with decimals, an
    exponent, spaces or a sign, sometimes with a mark in the wrong place."""
    digits = str(rng.randrange(top) if rng.random() < 0.8 else
                 rng.choice([rng.randrange(10), rng.randrange(10 ** 10), rng.randrange(10 ** 20)]))
    text = grouped(digits, group) if group and rng.random() < 0.4 else digits
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


def noise(rng):
    return "".join(rng.choice(NOISE + list("0123456789")) for _ in range(rng.randrange(12)))


def entry(rng, name, decimal, group):
    roll = rng.random()
    if roll < 0.9:
        return amount(rng, decimal, group, TOPS[name])
    if roll < 0.95:
        return noise(rng)
    return rng.choice(["", "0", "3500", "1998", "1999", "32767", "32767.5", "-32768", "9e99",
                       "1e308", "-1e308", "1e999", "NaN", "inf", "0x10"])


def object_line(rng, decimal, group):
    names = [name for name in ENTRIES if rng.random() < 0.8]
    rng.shuffle(names)
    return json.dumps({name: entry(rng, name, decimal, group) for name in names},
                      ensure_ascii=rng.random() < 0.5).encode()


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


def batch(rng, separators):
    decimal, group = separators or (".", ",")
    for _ in range(LINES):
        yield bad_line(rng) if rng.random() < 0.1 else object_line(rng, decimal, group)
    # One line of a megabyte in each batch.
    yield json.dumps({"Text1": "8" * (1 << 20), "Text4": "95"}).encode()


def main(out):
    os.makedirs(out, exist_ok=True)
    for name, separators in LOCALES.items():
        # A seed of each batch's own, so that a batch added later leaves the others as they were.
        rng = random.Random(f"quorvel {name}")
        with open(os.path.join(out, name + ".jsonl"), "wb") as lines:
            for line in batch(rng, separators):
                lines.write(line + b"\n")
        with open(os.path.join(out, name + ".args"), "w", encoding="utf-8") as args:
            if separators:
                args.write(f"--decimal\n{separators[0]}\n--group\n{separators[1]}\n")


if __name__ == "__main__":
    main(sys.argv[1])
