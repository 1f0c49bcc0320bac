// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "tools/quorvel_calc.h"

#include <algorithm>
#include <array>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "calc/recorded_run.h"
#include "tools/entry_line.h"

namespace quorvel_calc {
namespace {

using Json = nlohmann::json;

struct Answer {
  std::string json;  // one compact line, without its line feed
  bool good;         // false for a line that is no JSON object of strings
};

// In the order of calc::RuntimeError::Kind.
constexpr std::array<std::string_view, 4> kKindNames{"overflow", "floating-point", "out-of-memory",
                                                     "internal"};

constexpr std::string_view kindName(calc::RuntimeError::Kind kind) {
  return kKindNames.at(static_cast<std::size_t>(kind));
}

// The answer is written straight out: its shape is fixed, and building a JSON
// value for every line would cost more than the calculation.
void appendString(std::string& json, std::string_view text) {
  // Printable ASCII other than the quote and the backslash, as most taxes
  // are, stands in JSON as it is; the library escapes the rest.
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; })) {
    json += '"';
    json += text;
    json += '"';
    return;
  }
  // A parser's message may quote the bytes of a line that is not UTF-8.
  json += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

Answer badInput(const std::string& message) {
  std::string json = R"({"error":{"kind":"bad-input","message":)";
  appendString(json, message);
  json += "}}";
  return {std::move(json), false};
}

Answer answerLine(std::string_view line, const calc::NumberLocale& locale) {
  EntryLine entries = readEntryLine(line);
  if (entries.fault) return badInput(*entries.fault);
  const calc::RecordedRun run = calc::recordRun(std::move(entries.texts), locale);

  std::string json = R"({"Text4":)";
  appendString(json, run.text4);
  json += R"(,"notices":[)";
  for (const auto& notice : run.notices) {
    if (&notice != &run.notices.front()) json += ',';
    json += R"({"prompt":)";
    appendString(json, notice.prompt);
    json += R"(,"style":)" + std::to_string(notice.style) + R"(,"Text4":)";
    appendString(json, notice.text4);
    json += '}';
  }
  json += R"(],"error":)";
  if (run.error) {
    json += R"({"kind":")" + std::string(kindName(run.error->kind)) + R"(","prompt":)";
    if (run.error->prompt) {
      appendString(json, *run.error->prompt);
    } else {
      json += "null";  // its box could not be shown
    }
    json += '}';
  } else {
    json += "null";
  }
  json += '}';
  return {std::move(json), true};
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
