// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Hostile entries through the driver in QUORVEL_CALC (build/bin/quorvel-calc,
// or a Windows driver under Wine): every line is answered, and none crashes
// the driver or changes Text4 behind the user's back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/driver/start_driver.h"

namespace {

using Json = nlohmann::json;

struct Row {
  std::string name;
  std::string line;
  std::string outcome;  // "not a number", "floating-point" or "bad-input"
};

std::string entries(const std::string& income, const std::string& insurance = "0") {
  return Json{{"Text1", income}, {"Text2", insurance}, {"Text4", "95"}}.dump();
}

const std::string kMegabyte(1 << 20, '8');

const std::vector<Row> kRows{
    {"MegabyteOfDigits", entries(kMegabyte), "not a number"},
    {"MegabyteOfLetters", entries("6000", std::string(1 << 20, 'x')), "not a number"},
    {"EmbeddedNul",
     entries(std::string("60\0"
                         "00",
                         5)),
     "not a number"},
    {"InvalidUtf8", "{\"Text1\":\"60\xff\"}", "bad-input"},
    {"LoneSurrogateEscape", R"({"Text1":"\ud800"})", "bad-input"},
    {"RightToLeftMark", entries("\u200F6000"), "not a number"},
    {"CombiningMark", entries("6\u03010"), "not a number"},
    {"Emoji", entries("💰6000"), "not a number"},
    {"LargestDifference", entries("1e308", "-1e308"), "floating-point"},
    {"BeyondRange", entries("1e999"), "not a number"},
    {"MegabyteKey", R"({")" + kMegabyte + R"(":"1"})", "bad-input"},
    {"DeepNesting", std::string(100000, '[') + std::string(100000, ']'), "bad-input"},
};

// A folder of the test's own for the driver's input and answers, gone afterwards.
class Scratch {
 public:
  Scratch() {
    std::string name = testing::TempDir() + "hostile.XXXXXX";
    path_ = mkdtemp(name.data());
  }
  ~Scratch() { std::filesystem::remove_all(path_); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  Scratch(Scratch&&) = delete;
  Scratch& operator=(Scratch&&) = delete;

  std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The driver's answers to ROWS, one a line; STATUS is its wait status, or -1
// where it did not start.
std::vector<Json> runDriver(const std::vector<Row>& rows, int& status,
                            const std::vector<std::string>& options = {}) {
  const Scratch scratch;
  const std::string in = scratch.file("hostile.jsonl");
  const std::string out = scratch.file("hostile.out");
  {
    std::ofstream file(in, std::ios::binary);
    for (const Row& row : rows) file << row.line << '\n';
  }
  status = -1;
  const int input = open(in.c_str(), O_RDONLY | O_CLOEXEC);
  const int output = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (input >= 0 && output >= 0) {
    const pid_t driver = driver_test::startDriver(options, input, output);
    if (driver > 0) waitpid(driver, &status, 0);
  }
  close(input);
  close(output);
  std::ifstream answers(out, std::ios::binary);
  std::vector<Json> parsed;
  for (std::string line; std::getline(answers, line);) parsed.push_back(Json::parse(line));
  return parsed;
}

TEST(DriverHostileInput, AnswersEveryLine) {
  int status = 0;
  const std::vector<Json> answers = runDriver(kRows, status);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);  // some lines were bad input
  ASSERT_EQ(answers.size(), kRows.size());
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    SCOPED_TRACE(kRows[i].name);
    const Json& answer = answers[i];
    if (kRows[i].outcome == "bad-input") {
      EXPECT_EQ(answer["error"]["kind"], "bad-input");
      continue;
    }
    EXPECT_EQ(answer["Text4"], "95");  // kept, as after every refusal
    if (kRows[i].outcome == "not a number") {
      ASSERT_EQ(answer["notices"].size(), 1u);
      EXPECT_TRUE(
          answer["notices"][0]["prompt"].get<std::string>().starts_with("您输入的不是数字！"))
          << answer["notices"][0]["prompt"];
      EXPECT_TRUE(answer["error"].is_null());
    } else {
      EXPECT_TRUE(answer["notices"].empty());
      EXPECT_EQ(answer["error"]["kind"], kRows[i].outcome);
    }
  }
}

// The separators of a locale reach the driver whole from its command line,
// marks beyond ASCII too.
struct MarkRow {
  std::string name;
  std::string decimal, group;
  std::string income;  // with those marks
  std::string tax;
};

void PrintTo(const MarkRow& row, std::ostream* out) { *out << row.name; }

class DriverOptions : public testing::TestWithParam<MarkRow> {};

TEST_P(DriverOptions, TakeAnyMark) {
  const MarkRow& row = GetParam();
  int status = 0;
  const std::vector<Json> answers = runDriver({{row.name, entries(row.income, "500"), ""}}, status,
                                              {"--decimal", row.decimal, "--group", row.group});
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0]["Text4"], row.tax);
  EXPECT_TRUE(answers[0]["notices"].empty()) << answers[0].dump();
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DriverOptions,
    testing::Values(MarkRow{"NoBreakSpace", ",", "\u00A0", "6\u00A0000,5", "95,05"},
                    MarkRow{"NarrowNoBreakSpace", ",", "\u202F", "6\u202F000,5", "95,05"},
                    MarkRow{"RightQuote", ".", "\u2019", "6\u2019000.5", "95.05"},
                    MarkRow{"ArabicMarks", "\u066B", "\u066C", "6\u066C000\u066B5", "95\u066B05"}),
    [](const testing::TestParamInfo<MarkRow>& info) { return info.param.name; });

}  // namespace
