// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace calc {

// An error of the runtime that no procedure handles: it ends the running
// command at the failing step and is reported at the event boundary.
class RuntimeError : public std::exception {
 public:
  // OutOfMemory and Unexpected stand for any other exception that ends a
  // command: a failed allocation, or one that the program does not expect.
  enum class Kind { Overflow, FloatingPoint, OutOfMemory, Unexpected };

  explicit RuntimeError(Kind kind) : kind_(kind) {}

  Kind kind() const noexcept { return kind_; }
  const char* what() const noexcept override;
  // The text of the message box that reports the error.
  std::string prompt() const;

 private:
  Kind kind_;
};

// The floating-point check of one arithmetic step: the value of a step on
// finite operands that overflowed or was invalid is not finite.
double checkedStep(double value);

}  // namespace calc
