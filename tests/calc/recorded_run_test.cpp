// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/recorded_run.h"

#include <gtest/gtest.h>

#include <array>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/command.h"

namespace {

using Kind = calc::RuntimeError::Kind;

// A recorder with room for a few boxes only, whose Text4 may not be emptied:
// each runs out of memory beyond that.
class CrampedRecorder final : public calc::RecordingHost {
 public:
  CrampedRecorder(std::array<std::string, 4> texts, int room, bool clearFails)
      : RecordingHost(std::move(texts)), room_(room), clearFails_(clearFails) {}

  void setText(calc::TextBox box, const std::string& text) override {
    if (clearFails_ && text.empty()) throw std::bad_alloc();
    RecordingHost::setText(box, text);
  }
  void messageBox(const std::string& prompt, int style) override {
    if (room_-- <= 0) throw std::bad_alloc();
    RecordingHost::messageBox(prompt, style);
  }

 private:
  int room_;
  bool clearFails_;
};

struct Row {
  const char* name;
  std::array<std::string, 4> texts;
  int room;
  bool clearFails;
  std::vector<calc::ShownNotice> notices;
  Kind kind;
  std::optional<std::string> errorPrompt;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class RecordedError : public testing::TestWithParam<Row> {};

// The box that reported the error is told from the command's own notices,
// also when it could not be shown.
TEST_P(RecordedError, IsTheErrorsOwnBox) {
  const Row& row = GetParam();
  const calc::RecordedRun run =
      CrampedRecorder(row.texts, row.room, row.clearFails).click(calc::NumberLocale{});
  EXPECT_EQ(run.notices, row.notices);
  ASSERT_TRUE(run.error.has_value());
  EXPECT_EQ(run.error->kind, row.kind);
  EXPECT_EQ(run.error->prompt, row.errorPrompt);
}

const std::array<std::string, 4> kOverflow{"6000", "0", "40000", "0"};
const std::array<std::string, 4> kNoTax{"3000", "0", "3500", "0"};
const calc::ShownNotice kNoTaxShown{calc::prompt(calc::kNotices[calc::NoTaxDue]), 0, "0"};
const std::string kOutOfMemory = calc::RuntimeError(Kind::OutOfMemory).prompt();

const Row kRows[]{
    {"NoRoomForTheError", kOverflow, 0, false, {}, Kind::Overflow, std::nullopt},
    {"NoRoomAfterTheNotice", kNoTax, 1, true, {kNoTaxShown}, Kind::OutOfMemory, std::nullopt},
    {"RoomAfterTheNotice", kNoTax, 2, true, {kNoTaxShown}, Kind::OutOfMemory, kOutOfMemory},
};
INSTANTIATE_TEST_SUITE_P(Boxes, RecordedError, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
