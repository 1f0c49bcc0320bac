// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace calc {

// The prompt of the message box of a program that cannot start: the Chinese
// line, and the failure that stopped it in English.
std::string startFailurePrompt(const std::exception_ptr& failure);

}  // namespace calc
