// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/running_page.h"

int main() { web::start(); }
