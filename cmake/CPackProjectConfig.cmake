# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Read by cpack itself: the package's times are the last commit's.
set(QUORVEL_SOURCE_DIR ${CPACK_QUORVEL_SOURCE_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake)
