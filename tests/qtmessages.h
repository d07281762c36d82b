// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>

#include <utility>

// Every message Qt prints during a test fails it: a string-based connection that Qt cannot
// make (a signal renamed in another Qt major) only prints a warning and leaves the widget
// dead. The platform plugin's own messages are Qt's and the display's, not the library's:
// a real server's asynchronous errors about windows that have just gone (qt.qpa.*), and the
// offscreen platform's notes on what it cannot do ("This plugin does not support ...").
// Call collect() in initTestCase() and QVERIFY2(QtMessages::none(&text), ...) in cleanup().
namespace QtMessages {

inline QStringList &collected()
{
    static QStringList messages;
    return messages;
}

inline void collect()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
        if (!QByteArray(context.category).startsWith("qt.qpa.") &&
            !text.startsWith(QLatin1String("This plugin does not support")))
            collected() << text;
    });
}

// Whether none came since the last call; \a text gets them otherwise.
inline bool none(QString *text)
{
    const QStringList messages = std::exchange(collected(), {});
    *text = messages.join(QLatin1Char('\n'));
    return messages.isEmpty();
}

} // namespace QtMessages
