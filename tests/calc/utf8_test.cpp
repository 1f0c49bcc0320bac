// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Decoded = std::vector<std::optional<char32_t>>;  // nothing: a fault

struct Row {
  const char* name;
  std::string text;
  Decoded decoded;
};

// Rows are named in the test's log by their names, not their bytes.
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class DecodeUtf8 : public testing::TestWithParam<Row> {};

TEST_P(DecodeUtf8, ReadsCharactersAndCountsFaults) {
  const Row& row = GetParam();
  Decoded decoded;
  for (std::size_t at = 0; at < row.text.size();) decoded.push_back(calc::decodeUtf8(row.text, at));
  EXPECT_EQ(decoded, row.decoded);
}

constexpr std::nullopt_t kFault = std::nullopt;

const Row kTexts[]{
    {"EveryLength", "a\u00e9\u4e2d\U0001f4b0", {U'a', 0xE9, 0x4E2D, 0x1F4B0}},
    {"Edges", "\xc2\x80\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf", {0x80, 0xD7FF, 0xE000, 0x10FFFF}},
    {"StrayBytes", "\x80\xff", {kFault, kFault}},
    {"CutShort", "a\xe6\x96", {U'a', kFault}},
    {"CutByACharacter", "\xf0\x9f\x92!", {kFault, U'!'}},
    {"Overlong", "\xc0\xaf\xe0\x9f\xbf", {kFault, kFault, kFault, kFault, kFault}},
    {"EncodedSurrogate", "\xed\xa0\x80", {kFault, kFault, kFault}},
    {"BeyondUnicode", "\xf4\x90\x80\x80", {kFault, kFault, kFault, kFault}},
    {"FiveByteLead", "\xf9\x80\x80\x80", {kFault, kFault, kFault, kFault}},
};
INSTANTIATE_TEST_SUITE_P(Texts, DecodeUtf8, testing::ValuesIn(kTexts),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
