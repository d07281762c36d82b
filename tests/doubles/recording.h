// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QStringList>

// What the recording help menu saw, one line per event: "construct <parent>", "showContents",
// "showAbout", "destroy". The parent is written as "null" or as its object name.
Q_DECL_EXPORT QStringList &zubHelpMenuLog();
// Makes the next showContents() or showAbout() throw std::runtime_error.
Q_DECL_EXPORT void zubHelpMenuThrowNext();
