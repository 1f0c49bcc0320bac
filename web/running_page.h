// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "calc/number_locale.h"
#include "web/frm_main.h"
#include "web/notice_dialog.h"
#include "web/notice_playback.h"
#include "web/page_host.h"

namespace web {

// The page's window with its texts loaded and its button wired to the calculation.
class RunningPage {
 public:
  RunningPage();

  // The form's submission: the default button pressed.
  void submit(const emscripten::val& event);
  // Enter on a control that does not submit the form by itself.
  void keyDown(const emscripten::val& event) const;
  void noticeClosed();

 private:
  FrmMain form_;
  NoticeDialog notice_;
  PageHost host_{form_, notice_};
  NoticePlayback playback_{host_};
  calc::NumberLocale locale_;
};

// Builds the page's window once and leaves it running.
void start();

}  // namespace web
