# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# What the checks outside C++ hold the program to, from where the program takes
# it: the version, the application's title and the program's name from the
# project, the window's caption from the window's design table. A check reads
# them from its environment (QUORVEL_TEST_ENVIRONMENT on its ENVIRONMENT).
file(STRINGS ${PROJECT_SOURCE_DIR}/form/controls.h caption REGEX "kCaption = \"")
if(NOT caption MATCHES "kCaption = \"([^\"]+)\"")
  message(FATAL_ERROR "form/controls.h holds no kCaption")
endif()
set(QUORVEL_TEST_ENVIRONMENT
  "QUORVEL_VERSION=${PROJECT_VERSION}"
  "QUORVEL_APP_TITLE=${QUORVEL_APP_TITLE}"
  "QUORVEL_PROGRAM_NAME=${QUORVEL_PROGRAM_NAME}"
  "QUORVEL_CAPTION=${CMAKE_MATCH_1}")
