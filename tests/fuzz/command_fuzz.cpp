// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Any three entries: at most one notice or runtime error, and a notice is one
// of the command's own; after an error Text4 keeps what it held; otherwise it
// holds a number text or nothing.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/command.h"
#include "calc/notice.h"
#include "calc/number_text.h"
#include "calc/recorded_run.h"
#include "calc/text_to_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The entries are separated by 0xFF, a byte that no UTF-8 text holds.
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::array<std::string, 4> texts{"", "", "", "earlier"};
  for (std::size_t i = 0; i < 2; ++i) {
    const std::size_t cut = std::min(rest.find('\xff'), rest.size());
    texts[i] = rest.substr(0, cut);
    rest.remove_prefix(std::min(cut + 1, rest.size()));
  }
  texts[2] = rest;

  const calc::NumberLocale locale;
  const calc::RecordedRun run = calc::recordRun(texts, locale);
  if (run.notices.size() + (run.error ? 1 : 0) > 1) std::abort();

  // The notice shown, if any, is one of the command's own.
  const auto* notice = std::ranges::find_if(calc::kNotices, [&run](const calc::Notice& own) {
    return !run.notices.empty() && calc::prompt(own) == run.notices[0].prompt;
  });
  if (!run.notices.empty() && notice == calc::kNotices.end()) std::abort();
  if (run.error || (notice != calc::kNotices.end() && notice->isError())) {
    if (run.text4 != texts[3]) std::abort();
  } else if (!run.text4.empty()) {
    const auto tax = calc::fullTextConversion(run.text4, locale);
    if (!tax || *tax <= 0 || calc::numberText(*tax, locale) != run.text4) std::abort();
  } else if (run.notices.size() != 1 || run.notices[0].text4 != "0") {
    std::abort();  // Text4 is emptied only after the zero-tax notice
  }
  return 0;
}
