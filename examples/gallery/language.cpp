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
    bool found = code == QLatin1String("en");
    if (!found) {
        auto *translator = new QTranslator(qApp);
        // The build tree's catalogues first, so that the gallery shows the code it was built
        // with (none in a build for installation).
        for (const char *dir : {CORVADQT5_BUILD_CATALOGUES, CORVADQT5_INSTALLED_CATALOGUES}) {
            if (!*dir)
                continue;
            found = translator->load(locale, QStringLiteral(CORVADQT5_CATALOGUE),
                                     QStringLiteral("_"), QLatin1String(dir));
            if (found)
                break;
        }
        if (found)
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    // Qt sets the direction again when it handles the language change, from Qt's own
    // catalogue, which this program does not load: handle it now, then set the direction.
    QCoreApplication::sendPostedEvents(qApp, QEvent::LanguageChange);
    QApplication::setLayoutDirection(locale.textDirection());
    return found || code.isEmpty(); // a system language without a catalogue is English
}

} // namespace Language
