// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/runtime_error.h"

#include <array>
#include <cmath>

#include "calc/notice.h"

namespace calc {
namespace {

// In the order of RuntimeError::Kind.
constexpr std::array<Notice, 4> kErrorNotices{{
    {"数值溢出！", "Error: Overflow"},
    {"浮点运算出错！", "Error: Floating-point error"},
    {"内存不足！", "Error: Out of memory"},
    {"程序内部出错！", "Error: Internal error"},
}};

const Notice& noticeOf(RuntimeError::Kind kind) {
  return kErrorNotices[static_cast<std::size_t>(kind)];
}

}  // namespace

const char* RuntimeError::what() const noexcept { return noticeOf(kind_).english.data(); }

std::string RuntimeError::prompt() const { return calc::prompt(noticeOf(kind_)); }

double checkedStep(double value) {
  if (!std::isfinite(value)) throw RuntimeError(RuntimeError::Kind::FloatingPoint);
  return value;
}

}  // namespace calc
