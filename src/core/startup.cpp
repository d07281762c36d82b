// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "base/fixedpaths.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <QTimer>
#include <QTranslator>

namespace CorvadQt5 {
namespace {

bool loadCatalogue(QTranslator *translator, const QString &directory)
{
    return !directory.isEmpty()
        && translator->load(QLocale::system(), FixedPaths::translationCatalogue(),
                            QStringLiteral("_"), directory, QString());
}

void installLibraryTranslator()
{
    QCoreApplication *app = QCoreApplication::instance();
    auto *translator = new QTranslator(app);
    if (loadCatalogue(translator, FixedPaths::translationDirectory())
        || loadCatalogue(translator, FixedPaths::translationDirectoryBesideLibrary()))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void libraryStartUp()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread())
        installLibraryTranslator();
    else // a library loaded from another thread: translators belong to the application's
        QTimer::singleShot(0, app, installLibraryTranslator);
}

} // namespace

// Static initialisers of one file run in the order they are written: the start-up routine is
// registered first, then the embedded icon set.
Q_COREAPP_STARTUP_FUNCTION(libraryStartUp)

} // namespace CorvadQt5

#include "qrc_icons.cpp" // NOLINT(bugprone-suspicious-include): rcc's output, for the order above
