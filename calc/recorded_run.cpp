// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/recorded_run.h"

#include <utility>

#include "calc/click.h"
#include "calc/host.h"

namespace calc {
namespace {

class RecordingHost final : public Host {
 public:
  explicit RecordingHost(std::array<std::string, 4> texts) : texts_(std::move(texts)) {}

  std::string text(TextBox box) const override { return texts_[static_cast<std::size_t>(box)]; }
  void setText(TextBox box, const std::string& text) override {
    texts_[static_cast<std::size_t>(box)] = text;
  }
  void messageBox(const std::string& prompt, int style) override {
    notices_.push_back({prompt, style, text4()});
  }

  std::string& text4() { return texts_.back(); }
  std::vector<ShownNotice>& notices() { return notices_; }

 private:
  std::array<std::string, 4> texts_;
  std::vector<ShownNotice> notices_;
};

}  // namespace

RecordedRun recordRun(std::array<std::string, 4> texts, const NumberLocale& locale) {
  RecordingHost host(std::move(texts));
  RecordedRun run;
  if (const auto kind = click(host, locale)) {
    // The box that reported the error was the last one shown.
    run.error = RecordedError{*kind, std::move(host.notices().back().prompt)};
    host.notices().pop_back();
  }
  run.text4 = std::move(host.text4());
  run.notices = std::move(host.notices());
  return run;
}

}  // namespace calc
