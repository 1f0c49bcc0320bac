// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_failure.h"

#include <gtest/gtest.h>

#include <exception>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string kRule = "\r-----------------------\r";
const std::string kNoWindow = "程序无法启动！" + kRule + "Error: no window";
const std::string kFallback(calc::kStartFailureFallback);
const std::string kFallbackLines =
    "程序无法启动！\n-----------------------\nError: Out of memory\n";

struct Row {
  const char* name;
  std::exception_ptr failure;
  int failingBoxes;  // the first boxes fail: by a bad_alloc if thrown, else unshown
  bool thrown;
  std::vector<std::string> prompts;  // the prompts of the boxes asked for
  std::string standardError;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class RefuseToStart : public testing::TestWithParam<Row> {};

// A standard exception is named by its own text, any other as an unknown
// failure; the fixed prompt reads as one of a failure named out of memory.
TEST_P(RefuseToStart, SaysWhyWhateverFails) {
  const Row& row = GetParam();
  std::vector<std::string> prompts;
  int failing = row.failingBoxes;
  testing::internal::CaptureStderr();
  calc::refuseToStart(row.failure, [&](std::string_view prompt) {
    prompts.emplace_back(prompt);
    if (failing-- <= 0) return true;
    if (row.thrown) throw std::bad_alloc();
    return false;
  });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), row.standardError);
  EXPECT_EQ(prompts, row.prompts);
}

const auto kNoWindowFailure = std::make_exception_ptr(std::runtime_error("no window"));
const auto kOutOfMemoryFailure = std::make_exception_ptr(std::runtime_error("Out of memory"));
const std::string kUnknown = "程序无法启动！" + kRule + "Error: unknown failure";
const Row kRows[]{
    {"Named", kNoWindowFailure, 0, false, {kNoWindow}, ""},
    {"Unknown", std::make_exception_ptr(42), 0, false, {kUnknown}, ""},
    {"OutOfMemory", kOutOfMemoryFailure, 0, false, {kFallback}, ""},
    {"NoMemoryForTheBox", kNoWindowFailure, 1, true, {kNoWindow, kFallback}, ""},
    {"NoBoxAtAll", kNoWindowFailure, 2, true, {kNoWindow, kFallback}, kFallbackLines},
    {"BoxesUnshown", kNoWindowFailure, 2, false, {kNoWindow, kFallback}, kFallbackLines},
};
INSTANTIATE_TEST_SUITE_P(Failures, RefuseToStart, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
