// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "fixedpaths.h"

// A plugin and the catalogues belong to one Qt major: each build has its own.
#define CORVADQT5_MAJOR QT_STRINGIFY(QT_VERSION_MAJOR)

#ifndef CORVADQT5_PLUGIN_DIR
#define CORVADQT5_PLUGIN_DIR "/usr/lib/corvad-qt" CORVADQT5_MAJOR
#endif
#ifndef CORVADQT5_TRANSLATION_DIR
#define CORVADQT5_TRANSLATION_DIR "/usr/share/zub/translations"
#endif

namespace CorvadQt5::FixedPaths {

QString pluginDirectory()
{
    return QStringLiteral(CORVADQT5_PLUGIN_DIR);
}

QString translationDirectory()
{
    return QStringLiteral(CORVADQT5_TRANSLATION_DIR);
}

QString translationCatalogue()
{
    return QStringLiteral("libcorvad-common-qt" CORVADQT5_MAJOR);
}

} // namespace CorvadQt5::FixedPaths
