// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace qtui {

// The program's fixed texts are UTF-8.
inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qtui
