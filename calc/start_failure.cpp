// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_failure.h"

#include "calc/notice.h"

namespace calc {
namespace {

std::string promptFor(const std::string& why) {
  const std::string english = "Error: " + why;
  return prompt({"程序无法启动！", english});
}

}  // namespace

std::string startFailurePrompt(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    return promptFor(error.what());
  } catch (...) {
    return promptFor("unknown failure");
  }
}

}  // namespace calc
