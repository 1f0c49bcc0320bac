// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Preloaded into the program in the sanitizers' live checks: a module that is
// unloaded no longer counts for the leak check at the program's end, which
// then sees a block that the module's own statics held as lost and cannot name
// the code that made it. The system's libraries load and unload such modules
// behind the window (a GL driver behind EGL). With every unload a no-op, each
// module stays mapped to the end: its statics are looked through for pointers
// and its name stands in the stacks, where a suppression can match it. No
// sanitizer in here: it stands in for the C library's own.
extern "C" int dlclose(void* /*handle*/) { return 0; }
