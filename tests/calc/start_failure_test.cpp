// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_failure.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

namespace {

struct Row {
  std::exception_ptr failure;
  std::string prompt;
};

// A standard exception is named by its own text; any other, which has none,
// as an unknown failure.
TEST(StartFailure, PromptNamesTheFailure) {
  const std::string kRule = "\r-----------------------\r";
  const std::array<Row, 2> rows{{
      {std::make_exception_ptr(std::runtime_error("no window")),
       "程序无法启动！" + kRule + "Error: no window"},
      {std::make_exception_ptr(42), "程序无法启动！" + kRule + "Error: unknown failure"},
  }};
  for (const Row& row : rows) EXPECT_EQ(calc::startFailurePrompt(row.failure), row.prompt);
}

}  // namespace
