// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <string>

namespace web {

// The message box of the page: a modal dialog titled with the application's
// title, its prompt line by line and one OK button. While it is open the
// window takes no click or key. At its close it calls the function that the
// page exports under the given name.
class NoticeDialog {
 public:
  explicit NoticeDialog(const char* onClose);

  // Opens the box and returns at once: a page cannot wait for the user.
  void show(const std::string& prompt) const;

 private:
  emscripten::val dialog_;
  emscripten::val prompt_;
};

}  // namespace web
