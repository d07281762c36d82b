// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The library loaded at run time, after the application object exists (LANG=de_DE.UTF-8).
// Each function runs in a process of its own: ctest names it on the command line.
#include <QLibrary>
#include <QtTest>

#include <thread>

namespace {

QString passwordRequest()
{
    return QCoreApplication::translate("CorvadQt5::PasswordDialog", "Password request");
}

} // namespace

class LateLoadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromTheGuiThread();
    void fromAnotherThread();
};

// Loaded from the GUI thread: the translator is there as soon as the load returns.
void LateLoadTest::fromTheGuiThread()
{
    QCOMPARE(passwordRequest(), QStringLiteral("Password request"));
    QLibrary library(QStringLiteral(CORVADQT5_TEST_LIBRARY));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    QCOMPARE(passwordRequest(), QStringLiteral("Passwortabfrage"));
}

// Loaded from another thread: translators belong to the application's thread, so it arrives
// with the next round of the event loop, and texts fetched before that are English.
void LateLoadTest::fromAnotherThread()
{
    bool loaded = false;
    std::thread loader([&loaded] {
        QLibrary library(QStringLiteral(CORVADQT5_TEST_LIBRARY));
        loaded = library.load();
    });
    loader.join();
    QVERIFY(loaded);
    QCOMPARE(passwordRequest(), QStringLiteral("Password request"));
    QTRY_COMPARE(passwordRequest(), QStringLiteral("Passwortabfrage"));
    QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
}

QTEST_MAIN(LateLoadTest)
#include "tst_lateload.moc"
