// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/notice_dialog.h"

#include <string_view>

#include "calc/notice.h"
#include "form/app_info.h"
#include "web/dom.h"

namespace web {
namespace {

using emscripten::val;

// The caption that a Chinese system gives the OK button of its message boxes.
constexpr std::string_view kOkCaption = "确定";

}  // namespace

NoticeDialog::NoticeDialog(const char* onClose)
    : dialog_(createElement("dialog", "notice")), prompt_(createElement("div", "notice-prompt")) {
  val title = createElement("div", "notice-title");
  title.set("textContent", jsString(form::kAppTitle));
  // A form of the dialog's own method closes it when its button is pressed.
  val buttons = createElement("form");
  buttons.set("method", jsString("dialog"));
  val ok = createElement("button", "notice-ok");
  ok.set("textContent", jsString(kOkCaption));
  ok.set("autofocus", true);
  buttons.call<void>("append", ok);
  setAttribute(dialog_, "aria-labelledby", "notice-title");
  setAttribute(dialog_, "aria-describedby", "notice-prompt");
  dialog_.call<void>("append", title, prompt_, buttons);
  listen(dialog_, "close", onClose);
  val::global("document")["body"].call<void>("append", dialog_);
}

void NoticeDialog::show(const std::string& prompt) const {
  // Each line of the prompt an element of its own, its text never read as markup.
  prompt_.call<void>("replaceChildren");
  std::string_view rest = prompt;
  for (;;) {
    const auto end = rest.find(calc::kCarriageReturn);
    val line = createElement("div");
    line.set("textContent", jsString(rest.substr(0, end)));
    prompt_.call<void>("append", line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  dialog_.call<void>("showModal");
}

}  // namespace web
