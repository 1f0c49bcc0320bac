// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/recorded_run.h"

#include <utility>

#include "calc/click.h"

namespace calc {

RecordingHost::RecordingHost(std::array<std::string, 4> texts) : texts_(std::move(texts)) {}

std::string RecordingHost::text(TextBox box) const { return texts_[static_cast<std::size_t>(box)]; }

void RecordingHost::setText(TextBox box, const std::string& text) {
  texts_[static_cast<std::size_t>(box)] = text;
}

void RecordingHost::messageBox(const std::string& prompt, int style) {
  notices_.push_back({prompt, style, texts_.back()});
}

RecordedRun RecordingHost::click(const NumberLocale& locale) {
  RecordedRun run;
  if (const auto kind = calc::click(*this, locale)) {
    // The box that reported the error, if it could be shown, was the last
    // one; none of the command's own notices reads as an error's.
    std::string prompt = RuntimeError(*kind).prompt();
    const bool shown = !notices_.empty() && notices_.back().prompt == prompt;
    if (shown) notices_.pop_back();
    run.error = RecordedError{*kind, shown ? std::optional(std::move(prompt)) : std::nullopt};
  }
  run.text4 = std::move(texts_.back());
  run.notices = std::move(notices_);
  return run;
}

RecordedRun recordRun(std::array<std::string, 4> texts, const NumberLocale& locale) {
  return RecordingHost(std::move(texts)).click(locale);
}

}  // namespace calc
