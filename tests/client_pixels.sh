#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The window's design at its pixels, whichever toolkit drew it: the three
# lines one pixel wide and Text4 in its peach with dark green text.
# Usage: client_pixels.sh PICTURE (the client area, 554x199 at 96 dots per inch)
set -euo pipefail
client=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() { convert "$client" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
# The three lines: the vertical rule, the rule under the heading, the footer rule.
for point in "248 8" "248 120" "256 80" "528 80" "8 136" "552 136"; do
  [ "$(pixel $point)" = "#000000" ] || fail "no line at $point: $(pixel $point)"
done
[ "$(pixel 249 60)" != "#000000" ] || fail "the vertical rule is wider than a pixel"
[ "$(pixel 405 100)" = "#FFE0C0" ] || fail "Text4's background is $(pixel 405 100)"
text4=$(convert "$client" -crop 129x25+400+96 -depth 8 txt:-)
grep -q '#008000' <<<"$text4" || fail "Text4 shows no text in dark green"
