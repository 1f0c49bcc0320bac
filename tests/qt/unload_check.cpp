// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Loads and unloads a module that keeps a heap block in a static
// (kept_block_module.cpp), as the window's system libraries do, and ends: the
// leak check then runs as at the window's end. Usage: unload_check MODULE
#include <dlfcn.h>

#include <cstdio>

int main(int /*argc*/, char* argv[]) {
  void* module = dlopen(argv[1], RTLD_NOW);
  if (module == nullptr) {
    std::puts(dlerror());
    return 1;
  }
  return dlclose(module);
}
