// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// A module that keeps a heap block in a static from its load on, as a system
// library may, and never frees it: once the module is unloaded, nothing that
// the leak check looks through points to the block any more.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables,cppcoreguidelines-owning-memory)
int* quorvelKeptBlock = new int[32];
