// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/host.h"
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

// The runtime error that ended the command, with the prompt of the box that
// reported it; none when that box could not be shown (out of memory).
struct RecordedError {
  RuntimeError::Kind kind;
  std::optional<std::string> prompt;
};

// One click of the calculate button, seen from outside the window.
struct RecordedRun {
  std::string text4;
  std::vector<ShownNotice> notices;  // the command's own notices
  std::optional<RecordedError> error;
};

// A window of Text1..Text4 alone that records each box it shows.
class RecordingHost : public Host {
 public:
  explicit RecordingHost(std::array<std::string, 4> texts);

  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  void messageBox(const std::string& prompt, int style) override;

  // Runs Command1_Click on the texts once: what it leaves is the result.
  RecordedRun click(const NumberLocale& locale);

 private:
  std::array<std::string, 4> texts_;
  std::vector<ShownNotice> notices_;
};

// Runs Command1_Click on Text1..Text4 holding the given texts.
RecordedRun recordRun(std::array<std::string, 4> texts, const NumberLocale& locale);

}  // namespace calc
