// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "tools/quorvel_calc.h"

#include <algorithm>
#include <array>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "calc/recorded_run.h"
#include "calc/start_texts.h"

namespace quorvel_calc {
namespace {

using Json = nlohmann::ordered_json;

struct Answer {
  std::string json;  // one compact line, without its line feed
  bool good;         // false for a line that is no JSON object of strings
};

constexpr std::array<std::string_view, 4> kKeys{"Text1", "Text2", "Text3", "Text4"};

constexpr std::string_view kindName(calc::RuntimeError::Kind kind) {
  return kind == calc::RuntimeError::Kind::Overflow ? "overflow" : "floating-point";
}

std::string dump(const Json& json) {
  // A parser's message may quote the bytes of a line that is not UTF-8.
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Answer badInput(const std::string& message) {
  return {dump({{"error", {{"kind", "bad-input"}, {"message", message}}}}), false};
}

Answer answerLine(std::string_view line, const calc::NumberLocale& locale) {
  Json input;
  try {
    input = Json::parse(line);
  } catch (const Json::exception& e) {  // a syntax error, or a number beyond range
    return badInput(e.what());
  }
  if (!input.is_object()) return badInput("the line is not a JSON object");

  std::array<std::string, 4> texts = calc::startTexts();
  for (const auto& [key, value] : input.items()) {
    const auto* slot = std::find(kKeys.begin(), kKeys.end(), key);
    if (slot == kKeys.end()) return badInput("unknown key \"" + key + "\"");
    if (!value.is_string()) return badInput("the value of \"" + key + "\" is not a string");
    texts[static_cast<std::size_t>(slot - kKeys.begin())] = value.get<std::string>();
  }

  const calc::RecordedRun run = calc::recordRun(std::move(texts), locale);
  Json notices = Json::array();
  for (const auto& notice : run.notices) {
    notices.push_back(
        {{"prompt", notice.prompt}, {"style", notice.style}, {"Text4", notice.text4}});
  }
  Json error = nullptr;
  if (run.error) {
    error = {{"kind", kindName(run.error->kind)}, {"prompt", run.error->prompt}};
  }
  return {dump({{"Text4", run.text4}, {"notices", notices}, {"error", error}}), true};
}

}  // namespace

bool answerLines(std::istream& in, std::ostream& out, const calc::NumberLocale& locale) {
  bool allGood = true;
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \t\r") != std::string::npos) {  // else blank
      const Answer answer = answerLine(line, locale);
      allGood = allGood && answer.good;
      out << answer.json << '\n';
    }
    // A caller at a pipe that waits for its answer gets it as soon as the
    // input runs dry; while more lines wait, the answers go out in blocks.
    if (in.rdbuf()->in_avail() <= 0) out.flush();
  }
  out.flush();
  return allGood;
}

}  // namespace quorvel_calc
