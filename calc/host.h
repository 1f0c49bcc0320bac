// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace calc {

// The income, the insurance, the exemption, and the tax that the calculation shows.
enum class TextBox { Text1, Text2, Text3, Text4 };

// Message-box style 0: one OK button, no icon.
inline constexpr int kOkOnly = 0;

// What the calculation needs of the window, and no more.
class Host {
 public:
  virtual std::string text(TextBox box) const = 0;
  virtual void setText(TextBox box, const std::string& text) = 0;
  // The calculation writes Text4 alone.
  void setText4(const std::string& text) { setText(TextBox::Text4, text); }
  // Returns when the user has closed the box.
  virtual void messageBox(const std::string& prompt, int style) = 0;

 protected:
  ~Host() = default;
};

}  // namespace calc
