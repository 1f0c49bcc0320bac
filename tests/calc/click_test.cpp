// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/click.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "calc/command.h"
#include "calc/form_load.h"
#include "calc/recorded_run.h"

namespace {

using calc::TextBox;
using Kind = calc::RuntimeError::Kind;
using Texts = std::vector<std::pair<TextBox, std::string>>;
using Failure = std::function<void()>;

const std::array<std::string, 4> kTypical{"6000", "500", "3500", "95"};

// What fails in a window, as a row says: reading an entry, each box after the
// first `room`, and emptying Text4 (out of memory).
struct Faults {
  Failure read = nullptr;
  Failure box = nullptr;
  int room = 0;
  bool clearFails = false;
};

// A recorder of the boxes shown that fails as told and records besides each
// text it is given.
class FailingHost final : public calc::RecordingHost {
 public:
  explicit FailingHost(Faults faults = {}, std::array<std::string, 4> texts = kTypical)
      : RecordingHost(std::move(texts)), faults_(std::move(faults)) {}

  std::string text(TextBox box) const override {
    if (faults_.read) faults_.read();
    return RecordingHost::text(box);
  }
  void setText(TextBox box, const std::string& text) override {
    if (faults_.clearFails && text.empty()) throw std::bad_alloc();
    RecordingHost::setText(box, text);
    set.emplace_back(box, text);
  }
  void messageBox(const std::string& prompt, int style) override {
    EXPECT_EQ(style, calc::kOkOnly);
    if (faults_.box && faults_.room-- <= 0) faults_.box();
    RecordingHost::messageBox(prompt, style);
  }

  Texts set;

 private:
  Faults faults_;
};

struct Row {
  std::string name;
  Faults faults;
  Kind kind;
  std::optional<std::string> prompt;  // nothing: the box could not be shown
  std::array<std::string, 4> texts = kTypical;
  // Empty unless a row says: without it the compilers warn of each row that
  // leaves it out.
  std::vector<calc::ShownNotice> notices = {};  // NOLINT(readability-redundant-member-init)
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class ClickBarrier : public testing::TestWithParam<Row> {};

// Whatever ends the command, the click reports it in the three-line form and
// returns, and the program goes on with Text4 as it stood; a box that fails in
// its turn ends the click the same way, and the recorder tells the error's box
// from the command's notices.
TEST_P(ClickBarrier, ReportsAnyException) {
  const Row& row = GetParam();
  FailingHost host(row.faults, row.texts);
  const calc::RecordedRun run = host.click({});
  if (!run.error) {
    ADD_FAILURE() << "the click reported no error";
    return;
  }
  EXPECT_EQ(run.error->kind, row.kind);
  EXPECT_EQ(run.error->prompt, row.prompt);
  EXPECT_EQ(run.notices, row.notices);
  EXPECT_EQ(run.text4, row.texts[3]);
}

const std::string kRule = "\r-----------------------\r";
const std::string kOutOfMemory = "内存不足！" + kRule + "Error: Out of memory";
const std::string kInternal = "程序内部出错！" + kRule + "Error: Internal error";
const std::string kOverflow = "数值溢出！" + kRule + "Error: Overflow";
const Failure kNoMemory = [] { throw std::bad_alloc(); };
const Failure kOverflowing = [] { throw calc::RuntimeError(Kind::Overflow); };
// No tax is due: the notice is shown, and then Text4 cannot be emptied.
const std::array<std::string, 4> kNoTax{"3000", "0", "3500", "0"};
const calc::ShownNotice kNoTaxShown{calc::prompt(calc::kNotices[calc::NoTaxDue]), 0, "0"};

const Row kFailures[]{
    {"OutOfMemory", {kNoMemory}, Kind::OutOfMemory, kOutOfMemory},
    {"ArrayTooLong", {[] { throw std::bad_array_new_length(); }}, Kind::OutOfMemory, kOutOfMemory},
    {"StandardException", {[] { throw std::logic_error("no"); }}, Kind::Unexpected, kInternal},
    {"NoStandardException", {[] { throw 7; }}, Kind::Unexpected, kInternal},
    {"Overflow", {kOverflowing}, Kind::Overflow, kOverflow},
    // The box that would show the error runs out of memory or fails otherwise.
    {"OutOfMemoryAgainInTheBox", {kNoMemory, kNoMemory}, Kind::OutOfMemory, std::nullopt},
    {"OverflowThenTheBoxFails",
     {kOverflowing, [] { throw std::runtime_error("no box"); }},
     Kind::Overflow,
     std::nullopt},
    {"UnexpectedThenTheBoxFails",
     {[] { throw 7; }, [] { throw 8; }},
     Kind::Unexpected,
     std::nullopt},
    {"AfterTheNotice",
     {.clearFails = true},
     Kind::OutOfMemory,
     kOutOfMemory,
     kNoTax,
     {kNoTaxShown}},
    {"AfterTheNoticeNoRoomForTheBox",
     {.box = kNoMemory, .room = 1, .clearFails = true},
     Kind::OutOfMemory,
     std::nullopt,
     kNoTax,
     {kNoTaxShown}},
};
INSTANTIATE_TEST_SUITE_P(Failures, ClickBarrier, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(ClickBarrier, LeavesAQuietClickAlone) {
  FailingHost host;
  const calc::RecordedRun run = host.click({});
  EXPECT_FALSE(run.error.has_value());
  EXPECT_TRUE(run.notices.empty());
  EXPECT_EQ(host.set, (Texts{{TextBox::Text4, "95"}}));
}

TEST(FormLoad, SetsTheFourBoxesInOrder) {
  FailingHost host;
  calc::Form_Load(host);
  const Texts loaded{
      {TextBox::Text1, ""}, {TextBox::Text2, "0"}, {TextBox::Text3, "3500"}, {TextBox::Text4, "0"}};
  EXPECT_EQ(host.set, loaded);
}

}  // namespace
