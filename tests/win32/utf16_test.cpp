// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The Windows window's texts between UTF-16 and the calculation's UTF-8.
#include "win32/utf16.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Row {
  const char* name;
  std::string utf8;
  std::u16string utf16;
  std::string back;  // the UTF-8 after the trip there and back
};

// Rows are named in the test's log by their names, not their bytes.
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Utf16 : public testing::TestWithParam<Row> {};

TEST_P(Utf16, ConvertsAndReplacesFaults) {
  const Row& row = GetParam();
  EXPECT_EQ(win32ui::toUtf16(row.utf8), row.utf16);
  EXPECT_EQ(win32ui::toUtf8(row.utf16), row.back);
}

const Row kTexts[]{
    {"Empty", "", u"", ""},
    // The build's, as the compiler writes it in each encoding.
    {"ProgramName", QUORVEL_PROGRAM_NAME, u"" QUORVEL_PROGRAM_NAME, QUORVEL_PROGRAM_NAME},
    {"IdeographicSpaces", "免　　征", u"免　　征", "免　　征"},
    {"CarriageReturns", "一\r-\rE", u"一\r-\rE", "一\r-\rE"},
    {"Astral", "💰6000", u"💰6000", "💰6000"},
    {"EmbeddedNul", {'6', '\0', '0'}, {u'6', u'\0', u'0'}, {'6', '\0', '0'}},
    // Each fault that the decoder counts (calc/utf8.h) stands as one U+FFFD.
    {"Faults", "60\xff\xc0\xaf", u"60\uFFFD\uFFFD\uFFFD", "60\uFFFD\uFFFD\uFFFD"},
};
INSTANTIATE_TEST_SUITE_P(Texts, Utf16, testing::ValuesIn(kTexts),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(Utf16, LoneSurrogatesBecomeReplacements) {
  EXPECT_EQ(win32ui::toUtf8(u"\xD800x"), "\uFFFDx");
  EXPECT_EQ(win32ui::toUtf8(u"x\xDC00"), "x\uFFFD");
  EXPECT_EQ(win32ui::toUtf8(u"\xDC00\xD800"), "\uFFFD\uFFFD");
}

}  // namespace
