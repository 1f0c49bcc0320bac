#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Writes into a new folder DIR what a Windows Installer package holds, less
# what wixl makes anew for every package (its product code, and its summary
# with the package code and the time it was made): its tables and streams as
# msidump writes them, with the files of its cabinet, in cabinet/, instead of
# the cabinet, which holds their times. Usage: msi_content.sh MSI DIR
set -euo pipefail
msi=$(realpath "$1")
dir=$2
mkdir "$dir"
# msidump writes the icons' bytes into the folder where it runs, whatever its
# --directory: it runs in DIR.
(cd "$dir" && msidump --tables --streams --directory . "$msi" >/dev/null)
rm "$dir/_SummaryInformation.idt" "$dir"/_Streams/?SummaryInformation "$dir"/_Streams/*.cab
sed -i '/^ProductCode\t/d' "$dir/Property.idt"
msiextract --directory "$dir/cabinet" "$msi" >/dev/null
