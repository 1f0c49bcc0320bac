// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/host.h"
#include "web/frm_main.h"
#include "web/notice_dialog.h"

namespace web {

// Text1..Text4 of the page's window, and its notice. A page cannot wait for
// the user: messageBox returns with the box open, so the only caller that
// shows one, the notice playback, calls it as the last step of its turn and
// goes on when the box closes.
class PageHost final : public calc::Host {
 public:
  PageHost(const FrmMain& form, const NoticeDialog& notice) : form_(form), notice_(notice) {}

  std::string text(calc::TextBox box) const override;
  void setText(calc::TextBox box, const std::string& text) override;
  void messageBox(const std::string& prompt, int style) override;

 private:
  const FrmMain& form_;
  const NoticeDialog& notice_;
};

}  // namespace web
