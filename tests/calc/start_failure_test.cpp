// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_failure.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// A standard exception is named by its own text; any other, which has none,
// as an unknown failure.
TEST(StartFailure, PromptNamesTheFailure) {
  const std::string kRule = "\r-----------------------\r";
  EXPECT_EQ(calc::startFailurePrompt(std::make_exception_ptr(std::runtime_error("no window"))),
            "程序无法启动！" + kRule + "Error: no window");
  EXPECT_EQ(calc::startFailurePrompt(std::make_exception_ptr(42)),
            "程序无法启动！" + kRule + "Error: unknown failure");
}

}  // namespace
