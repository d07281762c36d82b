// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/plugin.h>

namespace CorvadQt5 {

// Defined here so that the class's type information lives in the library alone.
Plugin::~Plugin() = default;

} // namespace CorvadQt5
