// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace driver_test {

// Starts the driver that QUORVEL_CALC names, through the program that
// QUORVEL_CALC_RUNNER names where it is set (wine, for a Windows driver), with
// OPTIONS, reading INPUT and writing OUTPUT (descriptors of the caller's); no
// shell comes between. Returns the process, or -1 with the reason reported as
// a failure of the running test.
pid_t startDriver(const std::vector<std::string>& options, int input, int output);

}  // namespace driver_test
