// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "form/controls.h"

namespace web {

// Gives the element the Song font in one of the window's settings.
void setFace(const emscripten::val& element, form::Face face);

}  // namespace web
