# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Built as Debian builds its own programs: relocations resolved and made
# read-only at start-up, and no folder of the building machine in any file,
# so that two builds of one commit in two places give the same bytes.
if(CMAKE_SYSTEM_NAME STREQUAL Linux)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
# The build tree last: it may lie inside the sources, and the last match wins.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
