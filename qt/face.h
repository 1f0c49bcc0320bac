// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "form/controls.h"

namespace qtui {

// The Song font in one of the window's settings.
QFont fontOf(form::Face face);

}  // namespace qtui
