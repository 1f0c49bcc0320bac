// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calc/host.h"
#include "calc/recorded_run.h"

namespace web {

// Shows a click's run as the desktop shows it while the command waits on each
// box: for each notice in turn, Text4 as it stood while that notice was open
// and the notice; then Text4 as the run left it, and the box of the error that
// ended the run, if it had one.
class NoticePlayback {
 public:
  explicit NoticePlayback(calc::Host& host) : host_(host) {}

  // Whether a run is still being shown: a click waits for its end.
  bool running() const { return running_; }

  void start(const calc::RecordedRun& run);
  // Goes on from the box the user has just closed.
  void resume();

 private:
  calc::Host& host_;
  std::vector<calc::ShownNotice> boxes_;
  std::string text4_;
  std::size_t next_ = 0;
  bool running_ = false;
};

}  // namespace web
