# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Feeds INPUT through DRIVER and compares its lines and exit status with EXPECTED.
execute_process(COMMAND ${DRIVER}
  INPUT_FILE ${INPUT}
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "driver output differs.\n--- expected\n${expected}--- actual\n${actual}")
endif()
if(NOT status EQUAL EXPECTED_EXIT)
  message(FATAL_ERROR "driver exited ${status}, expected ${EXPECTED_EXIT}")
endif()
