// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "language.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace Language {

QStringList shipped()
{
    return QStringLiteral(CORVADQT5_LANGUAGES).split(QLatin1Char(','));
}

bool use(const QString &code)
{
    // The library installed the system language's catalogue at start-up; this program has
    // no catalogue of its own, so every translator is one of the library's.
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    QApplication::setLayoutDirection(locale.textDirection());
    if (code == QLatin1String("en"))
        return true;
    auto *translator = new QTranslator(qApp);
    // The build tree's catalogues first, so that the gallery shows the code it was built with.
    for (const char *dir : {CORVADQT5_BUILD_CATALOGUES, CORVADQT5_INSTALLED_CATALOGUES}) {
        if (translator->load(locale, QStringLiteral("libcorvad-common-qt5"), QStringLiteral("_"),
                             QLatin1String(dir)))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return code.isEmpty(); // a system language without a catalogue is English, as intended
}

} // namespace Language
