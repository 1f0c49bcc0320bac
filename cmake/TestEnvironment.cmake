# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# What the checks outside C++ hold the program to, from where the program takes
# it: the project's version, the application's title, the program's name, the
# window's caption, the maker and the contact address. A check reads them from
# its environment (QUORVEL_TEST_ENVIRONMENT on its ENVIRONMENT).
set(QUORVEL_TEST_ENVIRONMENT
  "QUORVEL_VERSION=${PROJECT_VERSION}"
  "QUORVEL_APP_TITLE=${QUORVEL_APP_TITLE}"
  "QUORVEL_PROGRAM_NAME=${QUORVEL_PROGRAM_NAME}"
  "QUORVEL_CAPTION=${QUORVEL_CAPTION}"
  "QUORVEL_MAKER=${QUORVEL_MAKER}"
  "QUORVEL_CONTACT_EMAIL=${QUORVEL_CONTACT_EMAIL}")
