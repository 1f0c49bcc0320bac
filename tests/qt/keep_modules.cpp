// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Preloaded into the program in the sanitizers' live checks. The system's
// libraries unload modules behind the window (a GL driver behind EGL); once
// unloaded, a module's statics are no longer looked through for pointers at
// the leak check, and its name no longer stands in the stacks for a
// suppression to match. With every unload a no-op, each module stays mapped
// to the end. No sanitizer in here: it stands in for the C library's own.
extern "C" int dlclose(void* /*handle*/) { return 0; }
