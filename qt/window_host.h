// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/host.h"

namespace qtui {

class frm_main;

// The calculation's view of the window: the four text boxes and the message box.
class WindowHost final : public calc::Host {
 public:
  explicit WindowHost(frm_main& form) : form_(form) {}

  std::string text(calc::TextBox box) const override;
  void setText(calc::TextBox box, const std::string& text) override;
  void messageBox(const std::string& prompt, int style) override;

 private:
  frm_main& form_;
};

}  // namespace qtui
