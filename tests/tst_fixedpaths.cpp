// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The shipped library reads the fixed system directories; the test build reads the build tree.
#include <QFile>
#include <QtTest>

namespace {

// QStringLiteral stores its text as UTF-16 in the library's read-only data.
bool containsUtf16(const QByteArray &binary, const QString &text)
{
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return binary.contains(utf16);
}

QByteArray readFile(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FixedPathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void directories_data();
    void directories();
};

void FixedPathsTest::directories_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("inShipped");
    QTest::addColumn<bool>("inTestBuild");

    QTest::newRow("plugins") << QStringLiteral(CORVADQT5_FIXED_PLUGIN_DIR) << true << false;
    QTest::newRow("translations, where the install puts them")
        << QStringLiteral(CORVADQT5_INSTALLED_TRANSLATION_DIR) << true << false;
    QTest::newRow("catalogue name") << QStringLiteral(CORVADQT5_CATALOGUE) << true << true;
    // A Qt 6 library that scanned the Qt 5 directory would load plugins linked to Qt 5.
    QTest::newRow("other major's plugins")
        << QStringLiteral(CORVADQT5_OTHER_PLUGIN_DIR) << false << false;
    QTest::newRow("test plugins") << QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR) << false << true;
}

void FixedPathsTest::directories()
{
    QFETCH(QString, path);
    QFETCH(bool, inShipped);
    QFETCH(bool, inTestBuild);

    const QByteArray shipped = readFile(CORVADQT5_SHIPPED_LIBRARY);
    const QByteArray testBuild = readFile(CORVADQT5_TEST_LIBRARY);
    QVERIFY(!shipped.isEmpty() && !testBuild.isEmpty());
    QCOMPARE(containsUtf16(shipped, path), inShipped);
    QCOMPARE(containsUtf16(testBuild, path), inTestBuild);
}

QTEST_GUILESS_MAIN(FixedPathsTest)
#include "tst_fixedpaths.moc"
