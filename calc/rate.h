// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

namespace calc {

// The tax due on a monthly taxable amount, never negative, with all its
// fractional digits.
double Rate1(double taxable);

}  // namespace calc
