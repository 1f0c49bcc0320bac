// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/click.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/form_load.h"

namespace {

using Kind = calc::RuntimeError::Kind;

// A window whose entries, and whose message box, fail as the test says, and
// that records each text it is given and each notice it is asked to show.
class FailingHost final : public calc::Host {
 public:
  explicit FailingHost(std::function<void()> readFails, std::function<void()> noticeFails = {})
      : readFails_(std::move(readFails)), noticeFails_(std::move(noticeFails)) {}

  std::string text(calc::TextBox box) const override {
    if (readFails_) readFails_();
    return texts_.at(static_cast<std::size_t>(box));
  }
  void setText(calc::TextBox box, const std::string& text) override {
    texts_.at(static_cast<std::size_t>(box)) = text;
    set.emplace_back(box, text);
  }
  void messageBox(const std::string& prompt, int style) override {
    notices.push_back(prompt);
    EXPECT_EQ(style, calc::kOkOnly);
    if (noticeFails_) noticeFails_();
  }

  std::vector<std::pair<calc::TextBox, std::string>> set;
  std::vector<std::string> notices;

 private:
  std::function<void()> readFails_;
  std::function<void()> noticeFails_;
  std::array<std::string, 4> texts_{"6000", "500", "3500", "95"};
};

struct Row {
  std::string name;
  std::function<void()> failure;
  std::function<void()> noticeFailure;  // nothing: the notice is shown
  Kind kind;
  std::string_view prompt;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class ClickBarrier : public testing::TestWithParam<Row> {};

// Whatever ends the command, the click reports it in the three-line form and
// returns, and the program goes on with Text4 as it stood; a notice that fails
// in its turn ends the click the same way.
TEST_P(ClickBarrier, ReportsAnyException) {
  const Row& row = GetParam();
  FailingHost host(row.failure, row.noticeFailure);
  EXPECT_EQ(calc::click(host, {}), row.kind);
  EXPECT_EQ(host.notices, std::vector<std::string>{std::string(row.prompt)});
  EXPECT_TRUE(host.set.empty());
}

constexpr std::string_view kOutOfMemory =
    "内存不足！\r-----------------------\rError: Out of memory";
constexpr std::string_view kInternal =
    "程序内部出错！\r-----------------------\rError: Internal error";
constexpr std::string_view kOverflow = "数值溢出！\r-----------------------\rError: Overflow";

INSTANTIATE_TEST_SUITE_P(
    Failures, ClickBarrier,
    testing::Values(
        Row{"OutOfMemory", [] { throw std::bad_alloc(); }, nullptr, Kind::OutOfMemory,
            kOutOfMemory},
        Row{"ArrayTooLong", [] { throw std::bad_array_new_length(); }, nullptr, Kind::OutOfMemory,
            kOutOfMemory},
        Row{"StandardException", [] { throw std::logic_error("no"); }, nullptr, Kind::Unexpected,
            kInternal},
        Row{"NoStandardException", [] { throw 7; }, nullptr, Kind::Unexpected, kInternal},
        Row{"Overflow", [] { throw calc::RuntimeError(Kind::Overflow); }, nullptr, Kind::Overflow,
            kOverflow},
        // The box that would show the notice runs out of memory or fails otherwise.
        Row{"OutOfMemoryAgainInTheNotice", [] { throw std::bad_alloc(); },
            [] { throw std::bad_alloc(); }, Kind::OutOfMemory, kOutOfMemory},
        Row{"OverflowThenTheNoticeFails", [] { throw calc::RuntimeError(Kind::Overflow); },
            [] { throw std::runtime_error("no box"); }, Kind::Overflow, kOverflow},
        Row{"UnexpectedThenTheNoticeFails", [] { throw 7; }, [] { throw 8; }, Kind::Unexpected,
            kInternal}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(ClickBarrier, LeavesAQuietClickAlone) {
  FailingHost host(nullptr);
  EXPECT_EQ(calc::click(host, {}), std::nullopt);
  EXPECT_TRUE(host.notices.empty());
  ASSERT_EQ(host.set.size(), 1u);
  EXPECT_EQ(host.set[0].second, "95");
}

TEST(FormLoad, SetsTheFourBoxesInOrder) {
  FailingHost host(nullptr);
  calc::Form_Load(host);
  using calc::TextBox;
  const std::vector<std::pair<TextBox, std::string>> expected{
      {TextBox::Text1, ""}, {TextBox::Text2, "0"}, {TextBox::Text3, "3500"}, {TextBox::Text4, "0"}};
  EXPECT_EQ(host.set, expected);
}

}  // namespace
