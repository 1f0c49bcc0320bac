// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Any bytes: one line of valid JSON for every line that is not blank.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "tools/quorvel_calc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  std::ostringstream out;
  quorvel_calc::answerLines(in, out, calc::NumberLocale{});

  std::size_t lines = 0;
  std::istringstream input(bytes);
  for (std::string line; std::getline(input, line);) {
    if (line.find_first_not_of(" \t\r") != std::string::npos) ++lines;
  }
  std::istringstream answers(out.str());
  std::size_t answered = 0;
  for (std::string answer; std::getline(answers, answer); ++answered) {
    if (!nlohmann::json::accept(answer)) std::abort();
  }
  if (answered != lines) std::abort();
  return 0;
}
