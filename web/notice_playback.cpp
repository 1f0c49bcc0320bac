// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/notice_playback.h"

namespace web {

void NoticePlayback::start(const calc::RecordedRun& run) {
  boxes_ = run.notices;
  if (run.error && run.error->prompt) {
    boxes_.push_back({*run.error->prompt, calc::kOkOnly, run.text4});
  }
  text4_ = run.text4;
  next_ = 0;
  running_ = true;
  resume();
}

void NoticePlayback::resume() {
  if (next_ < boxes_.size()) {
    const calc::ShownNotice& box = boxes_.at(next_++);
    host_.setText4(box.text4);
    host_.messageBox(box.prompt, box.style);
    return;
  }
  if (running_) {
    running_ = false;
    host_.setText4(text4_);
  }
}

}  // namespace web
