// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/click.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "calc/form_load.h"

namespace {

using Kind = calc::RuntimeError::Kind;

// A window whose entries fail as the test says, and that records each text it
// is given and each notice it shows.
class FailingHost final : public calc::Host {
 public:
  explicit FailingHost(std::function<void()> readFails) : readFails_(std::move(readFails)) {}

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
  }

  std::vector<std::pair<calc::TextBox, std::string>> set;
  std::vector<std::string> notices;

 private:
  std::function<void()> readFails_;
  std::array<std::string, 4> texts_{"6000", "500", "3500", "95"};
};

struct Row {
  std::string name;
  std::function<void()> failure;
  Kind kind;
  std::string prompt;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class ClickBarrier : public testing::TestWithParam<Row> {};

// Whatever ends the command, the click reports it in the three-line form and
// returns, and the program goes on with Text4 as it stood.
TEST_P(ClickBarrier, ReportsAnyException) {
  const Row& row = GetParam();
  FailingHost host(row.failure);
  EXPECT_EQ(calc::click(host, {}), row.kind);
  EXPECT_EQ(host.notices, std::vector<std::string>{row.prompt});
  EXPECT_TRUE(host.set.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ClickBarrier,
    testing::Values(Row{"OutOfMemory", [] { throw std::bad_alloc(); }, Kind::OutOfMemory,
                        "内存不足！\r-----------------------\rError: Out of memory"},
                    Row{"ArrayTooLong", [] { throw std::bad_array_new_length(); },
                        Kind::OutOfMemory,
                        "内存不足！\r-----------------------\rError: Out of memory"},
                    Row{"StandardException", [] { throw std::logic_error("no"); }, Kind::Unexpected,
                        "程序内部出错！\r-----------------------\rError: Internal error"},
                    Row{"NoStandardException", [] { throw 7; }, Kind::Unexpected,
                        "程序内部出错！\r-----------------------\rError: Internal error"},
                    Row{"Overflow", [] { throw calc::RuntimeError(Kind::Overflow); },
                        Kind::Overflow, "数值溢出！\r-----------------------\rError: Overflow"}),
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
