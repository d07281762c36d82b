// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

// The library's only fixed locations. The shipped library has no run-time configuration;
// the test build compiles the same source with directories inside the build tree.
namespace CorvadQt5::FixedPaths {

QString pluginDirectory();
QString translationDirectory();
// The catalogues' directory as seen from where this library was loaded, for a tree installed
// elsewhere than its configured prefix, moved, or bundled with an application; empty where it
// is translationDirectory() itself or cannot be told.
QString translationDirectoryBesideLibrary();
QString translationCatalogue();

} // namespace CorvadQt5::FixedPaths
