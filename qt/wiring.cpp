// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/wiring.h"

#include <QPushButton>

#include "calc/click.h"
#include "qt/frm_main.h"

namespace qtui {

void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale) {
  QObject::connect(form.command1(), &QPushButton::clicked, &form,
                   [&host, locale] { calc::click(host, locale); });
}

}  // namespace qtui
