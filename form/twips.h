// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

namespace form {

// Twips (1440 to the inch) on a screen of the given logical dots per inch.
int twipsToPixels(int twips, double dpi);

}  // namespace form
