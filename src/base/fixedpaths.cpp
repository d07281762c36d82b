// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "fixedpaths.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

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

QString translationDirectoryBesideLibrary()
{
#ifdef CORVADQT5_TRANSLATION_DIR_FROM_LIBRARY
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&translationDirectoryBesideLibrary), &info) || !info.dli_fname)
        return QString();
    // Through its links: /lib is /usr/lib on a merged system, and a bundle may link its copy.
    const QString library = QFileInfo(QFile::decodeName(info.dli_fname)).canonicalFilePath();
    if (library.isEmpty())
        return QString();
    const QString directory = QDir::cleanPath(QFileInfo(library).path() + QLatin1Char('/')
                                              + QStringLiteral(CORVADQT5_TRANSLATION_DIR_FROM_LIBRARY));
    return directory == translationDirectory() ? QString() : directory;
#else
    return QString();
#endif
}

QString translationCatalogue()
{
    return QStringLiteral("libcorvad-common-qt" CORVADQT5_MAJOR);
}

} // namespace CorvadQt5::FixedPaths
