#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The window's design at its pixels, whichever toolkit drew it: the three
# lines one pixel wide, Text4 in its peach with dark green text, and Text4
# drawn whole over the end of Label4 that it covers.
# Usage: client_pixels.sh PICTURE (the client area, 554x199 at 96 dots per inch)
set -euo pipefail
client=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
pixels() { convert "$client" -crop "$1" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
pixel() { pixels "1x1+$1+$2"; }
# The three lines: the vertical rule, the rule under the heading, the footer rule.
for point in "248 8" "248 120" "256 80" "528 80" "8 136" "552 136"; do
  [ "$(pixel $point)" = "#000000" ] || fail "no line at $point: $(pixel $point)"
done
[ "$(pixel 249 60)" != "#000000" ] || fail "the vertical rule is wider than a pixel"
[ "$(pixel 405 100)" = "#FFE0C0" ] || fail "Text4's background is $(pixel 405 100)"
text4=$(convert "$client" -crop 129x25+400+96 -depth 8 txt:-)
grep -q '#008000' <<<"$text4" || fail "Text4 shows no text in dark green"
# Label4 (rows 104..115) runs under Text4's left end (columns 400..405): there
# each column of Text4's frame and background is as it is in the row above the
# label, where nothing lies under the text box.
above=$(pixels 6x1+400+100 | tr '\n' ' ')
for y in $(seq 104 115); do
  row=$(pixels "6x1+400+$y" | tr '\n' ' ')
  [ "$row" = "$above" ] || fail "Label4 shows through Text4's left end at row $y: $row, not $above"
done
