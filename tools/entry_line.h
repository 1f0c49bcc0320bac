// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel_calc {

// What one input line gives: the texts of Text1..Text4, an absent entry
// holding what the window starts with, or the fault that makes it bad input.
struct EntryLine {
  std::array<std::string, 4> texts;
  std::optional<std::string> fault;
};

// Reads a line that should be one JSON object of strings with the keys
// "Text1".."Text4". A syntax error is reported before a line that is no
// object, and that before the first key, in the order the keys come, that is
// unknown or whose value (the last one given, where a key is repeated) is no
// string.
EntryLine readEntryLine(std::string_view line);

}  // namespace quorvel_calc
