#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# What one check in the root found (wine32.sh): its output and its status.
# Usage: wine32_result.sh RESULTS NAME
set -euo pipefail
results=$1/results
[ -f "$results/$2.status" ] || { echo "FAIL: the root did not run $2" >&2; exit 1; }
cat "$results/$2.log"
exit "$(cat "$results/$2.status")"
