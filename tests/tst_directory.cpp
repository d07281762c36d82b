// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Account queries where the accounts live in a directory: the local fixture files followed
// by OpenLDAP through nslcd, run by accounts/run-with-directory.sh with enumeration on and
// off. Every answer must be getent's; a directory that is down must be said, once.
#include "accounts/getent.h"

#include <corvad-common-qt5/common.h>

#include <QScopeGuard>
#include <QtTest>

#include <csignal>

using CorvadQt5::Common;

namespace {

QStringList accountWarnings;

void recordAccountWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "corvad.accounts") == 0)
        accountWarnings << text;
}

pid_t slapd()
{
    return pid_t(qEnvironmentVariableIntValue("CORVADQT5_SLAPD_PID"));
}

// Whether the kernel has stopped slapd yet: a signal is delivered a little later.
bool slapdStopped()
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(slapd()));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "T";
}

} // namespace

class DirectoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void agreesWithGetent();
    void lookupsByKey_data();
    void lookupsByKey();
    void directoryDown();
};

void DirectoryTest::initTestCase()
{
    if (!slapd())
        QSKIP("run by accounts/run-with-directory.sh, which starts the directory");
    qInstallMessageHandler(recordAccountWarnings);
    QCOMPARE(Common::nameByUid(20001), QStringLiteral("duser1"));
}

void DirectoryTest::init()
{
    accountWarnings.clear();
}

// The walk lists the directory only where enumeration is on; lookups must agree either way.
void DirectoryTest::agreesWithGetent()
{
    QStringList report;
    const int mismatches = Getent::mismatches(&report);
    QVERIFY2(mismatches == 0, qPrintable(report.join(QLatin1Char('\n'))));
    QVERIFY2(accountWarnings.isEmpty(), qPrintable(accountWarnings.join(QLatin1Char('\n'))));
}

void DirectoryTest::lookupsByKey_data()
{
    QTest::addColumn<bool>("users");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected"); // the name or the id; empty: not found

    QTest::newRow("directory user by id") << true << QByteArray("21999") << QByteArray("duser1999");
    QTest::newRow("directory user by name") << true << QByteArray("duser1999") << QByteArray("21999");
    QTest::newRow("name in the files and the directory: the files win")
        << true << QByteArray("alice") << QByteArray("1000");
    QTest::newRow("id in the files and the directory: the files win")
        << true << QByteArray("1002") << QByteArray("twin");
    QTest::newRow("directory name behind a shared id") << true << QByteArray("dtwin")
                                                       << QByteArray("1002");
    QTest::newRow("directory id behind a shared name") << true << QByteArray("21000000")
                                                       << QByteArray("alice");
    // nslcd is told to ignore case, as some directories do; the library must not.
    QTest::newRow("name in another letter case") << true << QByteArray("DUSER5") << QByteArray();
    QTest::newRow("id nobody has") << true << QByteArray("4242") << QByteArray();
    QTest::newRow("name nobody has") << true << QByteArray("nobody-here") << QByteArray();
    QTest::newRow("directory group by id") << false << QByteArray("30007") << QByteArray("dgroup7");
    QTest::newRow("directory group by name") << false << QByteArray("dgroup7") << QByteArray("30007");
    QTest::newRow("group name in both: the files win") << false << QByteArray("staff")
                                                       << QByteArray("1000");
    QTest::newRow("group name in another case") << false << QByteArray("DGROUP7") << QByteArray();
    QTest::newRow("gid nobody has") << false << QByteArray("4242") << QByteArray();
}

void DirectoryTest::lookupsByKey()
{
    QFETCH(bool, users);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);

    // getent answers by key as well; it must agree with the table before the library does.
    const Getent::Entry entry = Getent::lookup(users ? "passwd" : "group", key);
    bool isId = false;
    const unsigned int id = key.toUInt(&isId);
    const QByteArray getentAnswer =
        entry.name.isEmpty() || (!isId && entry.name != key)
            ? QByteArray()
            : (isId ? entry.name : QByteArray::number(entry.id));
    QCOMPARE(getentAnswer, expected);

    bool ok = expected.isEmpty();
    if (isId) {
        const QString name = users ? Common::nameByUid(id, &ok) : Common::nameByGid(id, &ok);
        QCOMPARE(name.toLocal8Bit(), expected);
        if (users)
            QCOMPARE(Common::homeDirByUid(id).toLocal8Bit(), entry.home);
    } else {
        const QString name = QString::fromLocal8Bit(key);
        const unsigned int found = users ? Common::uidByName(name, &ok) : Common::gidByName(name, &ok);
        QCOMPARE(found, expected.isEmpty() ? Common::NotFound : expected.toUInt());
    }
    QCOMPARE(ok, !expected.isEmpty());
    QVERIFY2(accountWarnings.isEmpty(), "a plain miss or hit must not be reported");
}

// A frozen directory answers nothing within nslcd's time limit: "not found", said once per
// database however often it is asked, while the files still answer; then the directory is back.
void DirectoryTest::directoryDown()
{
    QCOMPARE(::kill(slapd(), SIGSTOP), 0);
    auto thaw = qScopeGuard([] { ::kill(slapd(), SIGCONT); }); // also when a check fails
    QTRY_VERIFY(slapdStopped());
    bool ok = true;
    QCOMPARE(Common::nameByUid(20003, &ok), QString());
    QVERIFY(!ok);
    QCOMPARE(Common::uidByName(QStringLiteral("duser4"), &ok), Common::NotFound);
    QCOMPARE(Common::nameByGid(30003, &ok), QString());
    QVERIFY(!ok);
    QCOMPARE(Common::gidByName(QStringLiteral("dgroup4"), &ok), Common::NotFound);
    QCOMPARE(Common::nameByUid(1000), QStringLiteral("alice"));
    thaw.dismiss();
    QCOMPARE(::kill(slapd(), SIGCONT), 0);

    QCOMPARE(accountWarnings.size(), 2);
    QVERIFY2(accountWarnings[0].contains(QLatin1String("passwd")), qPrintable(accountWarnings[0]));
    QVERIFY2(accountWarnings[1].contains(QLatin1String("group")), qPrintable(accountWarnings[1]));
    QTRY_COMPARE(Common::nameByUid(20003), QStringLiteral("duser3"));
    QCOMPARE(Common::gidByName(QStringLiteral("dgroup4")), 30004u);
}

QTEST_MAIN(DirectoryTest)
#include "tst_directory.moc"
