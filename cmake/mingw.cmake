# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# What both Windows builds share: Debian's MinGW-w64 for the processor that
# the including toolchain file names.
set(CMAKE_SYSTEM_NAME Windows)
set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
# The posix thread model. Nothing here needs it over the win32 one: the code
# uses no std::thread, std::mutex or std::call_once (which the win32 model
# lacks in gcc 12); std::this_thread::sleep_for, in the window probe, and the
# C++ library's own locks work in both.
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
