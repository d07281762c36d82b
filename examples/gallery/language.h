// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QStringList>

namespace Language {

// The codes of the shipped catalogues ("de", "pt_BR", ...).
QStringList shipped();
// Replaces the library's catalogue with the one for \a code while the program runs, and lays
// the widgets out in that language's direction: "en" for the English source texts, an empty
// code for the system's language. False when the catalogue cannot be found.
bool use(const QString &code);

} // namespace Language
