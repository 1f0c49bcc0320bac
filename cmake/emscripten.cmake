# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The page and its driver, compiled to WebAssembly with Debian's Emscripten,
# wherever the package keeps its CMake platform.
# cmake -S . -B build-web --toolchain cmake/emscripten.cmake
find_program(em_config em-config REQUIRED)
execute_process(COMMAND ${em_config} EMSCRIPTEN_ROOT OUTPUT_VARIABLE emscripten_root
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
