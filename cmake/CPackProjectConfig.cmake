# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Read by cpack itself. The deb generator finds the binaries for
# dpkg-shlibdeps through `file` under LC_ALL=C, which would print the
# program's Chinese name in octal escapes; raw output keeps the name whole.
find_program(FILE_EXECUTABLE file REQUIRED)
set(FILE_EXECUTABLE ${FILE_EXECUTABLE} --raw)
