// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/number_locale.h"
#include "calc/runtime_error.h"

namespace calc {

// A message box as the user met it: with what Text4 showed while it was open.
struct ShownNotice {
  std::string prompt;
  int style;
  std::string text4;
  bool operator==(const ShownNotice&) const = default;
};

// The runtime error that ended the command, with the box that reported it.
struct RecordedError {
  RuntimeError::Kind kind;
  std::string prompt;
};

// One click of the calculate button, seen from outside the window.
struct RecordedRun {
  std::string text4;
  std::vector<ShownNotice> notices;  // the command's own notices
  std::optional<RecordedError> error;
};

// Runs Command1_Click on Text1..Text4 holding the given texts.
RecordedRun recordRun(std::array<std::string, 4> texts, const NumberLocale& locale);

}  // namespace calc
