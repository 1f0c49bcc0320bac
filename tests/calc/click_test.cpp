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

using calc::TextBox;
using Kind = calc::RuntimeError::Kind;
using Texts = std::vector<std::pair<TextBox, std::string>>;

// A window whose entries, and whose message box, fail as the test says, and
// that records each text it is given and each notice it is asked to show.
class FailingHost final : public calc::Host {
 public:
  explicit FailingHost(std::function<void()> readFails = {}, std::function<void()> noticeFails = {})
      : readFails_(std::move(readFails)), noticeFails_(std::move(noticeFails)) {}

  std::string text(TextBox box) const override {
    if (readFails_) readFails_();
    return texts_.at(static_cast<std::size_t>(box));
  }
  void setText(TextBox box, const std::string& text) override {
    texts_.at(static_cast<std::size_t>(box)) = text;
    set.emplace_back(box, text);
  }
  void messageBox(const std::string& prompt, int style) override {
    notices.push_back(prompt);
    EXPECT_EQ(style, calc::kOkOnly);
    if (noticeFails_) noticeFails_();
  }

  Texts set;
  std::vector<std::string> notices;

 private:
  std::function<void()> readFails_;
  std::function<void()> noticeFails_;
  std::array<std::string, 4> texts_{"6000", "500", "3500", "95"};
};

struct Row {
  std::string name;
  std::function<void()> failure;
  Kind kind;
  std::string prompt;
  std::function<void()> noticeFailure = nullptr;  // nothing: the notice is shown
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
  EXPECT_EQ(host.notices, std::vector<std::string>{row.prompt});
  EXPECT_TRUE(host.set.empty());
}

const std::string kRule = "\r-----------------------\r";
const std::string kOutOfMemory = "内存不足！" + kRule + "Error: Out of memory";
const std::string kInternal = "程序内部出错！" + kRule + "Error: Internal error";
const std::string kOverflow = "数值溢出！" + kRule + "Error: Overflow";

const Row kFailures[]{
    {"OutOfMemory", [] { throw std::bad_alloc(); }, Kind::OutOfMemory, kOutOfMemory},
    {"ArrayTooLong", [] { throw std::bad_array_new_length(); }, Kind::OutOfMemory, kOutOfMemory},
    {"StandardException", [] { throw std::logic_error("no"); }, Kind::Unexpected, kInternal},
    {"NoStandardException", [] { throw 7; }, Kind::Unexpected, kInternal},
    {"Overflow", [] { throw calc::RuntimeError(Kind::Overflow); }, Kind::Overflow, kOverflow},
    // The box that would show the notice runs out of memory or fails otherwise.
    {"OutOfMemoryAgainInTheNotice", [] { throw std::bad_alloc(); }, Kind::OutOfMemory, kOutOfMemory,
     [] { throw std::bad_alloc(); }},
    {"OverflowThenTheNoticeFails", [] { throw calc::RuntimeError(Kind::Overflow); }, Kind::Overflow,
     kOverflow, [] { throw std::runtime_error("no box"); }},
    {"UnexpectedThenTheNoticeFails", [] { throw 7; }, Kind::Unexpected, kInternal, [] { throw 8; }},
};
INSTANTIATE_TEST_SUITE_P(Failures, ClickBarrier, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(ClickBarrier, LeavesAQuietClickAlone) {
  FailingHost host;
  EXPECT_EQ(calc::click(host, {}), std::nullopt);
  EXPECT_TRUE(host.notices.empty());
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
