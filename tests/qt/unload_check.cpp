// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Loads and unloads a module that keeps a heap block in a static
// (kept_block_module.cpp), as the window's system libraries do, and ends
// having lost a block of 24 bytes of its own, as a fault of Quorvel's code
// would: the leak check then runs as at the window's end, and must report that
// block. Usage: unload_check MODULE
#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <thread>

// Held here while the module comes and goes, let go before the end.
std::array<char, 24>* quorvelLostBlock = nullptr;

int main(int /*argc*/, char* argv[]) {
  // Made on a thread of its own, whose registers and stack are gone when the
  // leak check looks: this global is the block's only holder.
  std::thread([] { quorvelLostBlock = new std::array<char, 24>{}; }).join();
  void* module = dlopen(argv[1], RTLD_NOW);
  if (module == nullptr) {
    std::puts(dlerror());
    return 1;
  }
  const int status = dlclose(module);
  quorvelLostBlock = nullptr;
  return status;
}
