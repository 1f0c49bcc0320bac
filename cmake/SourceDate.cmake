# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Every time in a package is that of the last commit, so that two builds of one
# commit give the same bytes; a caller's SOURCE_DATE_EPOCH wins. Included by
# the scripts that make packages, with the sources' folder in
# QUORVEL_SOURCE_DIR; sets SOURCE_DATE_EPOCH in the environment.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  find_program(GIT git REQUIRED)
  execute_process(COMMAND ${GIT} log -1 --format=%ct
    WORKING_DIRECTORY ${QUORVEL_SOURCE_DIR}
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
