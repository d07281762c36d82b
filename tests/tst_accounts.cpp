// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Account queries against fixture databases (nss_wrapper, or glibc in a private mount
// namespace), and the text helpers.
#include "accounts/getent.h"

#include <corvad-common-qt5/common.h>

#include <QtTest>

using CorvadQt5::Common;

namespace {

bool oversizedFixture()
{
    return qEnvironmentVariableIsSet("CORVADQT5_FIXTURE_OVERSIZED");
}

bool directoryFixture()
{
    return qEnvironmentVariableIsSet("CORVADQT5_FIXTURE_DIRECTORY");
}

} // namespace

class AccountsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void lookupsByUid_data();
    void lookupsByUid();
    void lookupsByName_data();
    void lookupsByName();
    void groupLookups_data();
    void groupLookups();
    void nullFlagChangesNothing();
    void countsAtTheTop();
    void accountsAfterAnOversizedEntry();
    void agreesWithGetent();
    void directoryAccounts_data();
    void directoryAccounts();
    void uniqueName_data();
    void uniqueName();
    void shortedString_data();
    void shortedString();
};

void AccountsTest::initTestCase()
{
    // A fixture that did not take effect would make every test below meaningless.
    QCOMPARE(Common::nameByUid(1000), QStringLiteral("alice"));
}

void AccountsTest::lookupsByUid_data()
{
    QTest::addColumn<unsigned int>("uid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("home");

    QTest::newRow("root") << 0u << QStringLiteral("root") << QStringLiteral("/root");
    QTest::newRow("uid 150") << 150u << QStringLiteral("mid") << QStringLiteral("/var/mid");
    QTest::newRow("first of two with one uid")
        << 1002u << QStringLiteral("twin") << QStringLiteral("/home/twin");
    QTest::newRow("empty home field") << 1004u << QStringLiteral("nohome") << QString();
    QTest::newRow("all bits set") << 4294967295u << QStringLiteral("max")
                                  << QStringLiteral("/home/max");
    QTest::newRow("no such uid") << 4242u << QString() << QString();
}

void AccountsTest::lookupsByUid()
{
    QFETCH(unsigned int, uid);
    QFETCH(QString, name);
    QFETCH(QString, home);

    bool ok = !name.isNull(); // the opposite of what must be stored
    ok = !ok;
    QCOMPARE(Common::nameByUid(uid, &ok), name);
    QCOMPARE(ok, !name.isNull());
    QCOMPARE(Common::nameByUid(uid, &ok).isNull(), name.isNull());
    QCOMPARE(Common::homeDirByUid(uid), home);
}

void AccountsTest::lookupsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned int>("uid");
    QTest::addColumn<bool>("found");

    QTest::newRow("root") << QStringLiteral("root") << 0u << true;
    QTest::newRow("first of two with one name") << QStringLiteral("alice") << 1000u << true;
    QTest::newRow("case twin is its own account") << QStringLiteral("Alice") << 1001u << true;
    QTest::newRow("case differs from every entry")
        << QStringLiteral("ALICE") << 4294967295u << false;
    QTest::newRow("empty name") << QString() << 4294967295u << false;
    QTest::newRow("prefix of a name") << QStringLiteral("ali") << 4294967295u << false;
    QTest::newRow("embedded NUL after a real name")
        << (QStringLiteral("root") + QChar(0) + QStringLiteral("x")) << 4294967295u << false;
    QTest::newRow("uid with all bits set, found") << QStringLiteral("max") << 4294967295u << true;
}

void AccountsTest::lookupsByName()
{
    QFETCH(QString, name);
    QFETCH(unsigned int, uid);
    QFETCH(bool, found);

    bool ok = !found;
    QCOMPARE(Common::uidByName(name, &ok), uid);
    QCOMPARE(ok, found);
}

void AccountsTest::groupLookups_data()
{
    QTest::addColumn<unsigned int>("gid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned int>("gidOfName");

    QTest::newRow("root") << 0u << QStringLiteral("root") << 0u;
    QTest::newRow("first of two names share gid 1002")
        << 1002u << QStringLiteral("twin") << 1002u; // "twin" exists with 1002 first, then 1003
    QTest::newRow("case twin") << 1001u << QStringLiteral("Staff") << 1001u;
    QTest::newRow("all bits set") << 4294967295u << QStringLiteral("max") << 4294967295u;
}

void AccountsTest::groupLookups()
{
    QFETCH(unsigned int, gid);
    QFETCH(QString, name);
    QFETCH(unsigned int, gidOfName);

    bool ok = false;
    QCOMPARE(Common::nameByGid(gid, &ok), name);
    QVERIFY(ok);
    QCOMPARE(Common::gidByName(name, &ok), gidOfName);
    QVERIFY(ok);

    QCOMPARE(Common::nameByGid(4242, &ok), QString());
    QVERIFY(!ok);
    QCOMPARE(Common::gidByName(QStringLiteral("STAFF"), &ok), 4294967295u);
    QVERIFY(!ok);
}

void AccountsTest::nullFlagChangesNothing()
{
    QCOMPARE(Common::nameByUid(1001, nullptr), QStringLiteral("Alice"));
    QCOMPARE(Common::nameByGid(4242, nullptr), QString());
    QCOMPARE(Common::uidByName(QStringLiteral("first"), nullptr), 300u);
    QCOMPARE(Common::gidByName(QStringLiteral("nope"), nullptr), Common::NotFound);
}

// Every threshold is compared with getent in agreesWithGetent(); here the top edge, which
// an off-by-one or a signed comparison would get wrong: root and "max" alone.
void AccountsTest::countsAtTheTop()
{
    QCOMPARE(Common::userCount(4294967295u), 2);
    QCOMPARE(Common::groupCount(4294967295u), 2);
    QCOMPARE(Common::userCount(4294967294u), 2);
}

// An entry larger than the first buffer used to end every walk there.
void AccountsTest::accountsAfterAnOversizedEntry()
{
    if (!oversizedFixture())
        QSKIP("the fixture of this run has no oversized entries (nss_wrapper skips them)");

    bool ok = false;
    QCOMPARE(Common::nameByUid(1006, &ok), QStringLiteral("long"));
    QVERIFY(ok);
    QCOMPARE(Common::uidByName(QStringLiteral("after"), &ok), 1007u);
    QVERIFY(ok);
    QCOMPARE(Common::homeDirByUid(1007), QStringLiteral("/home/after"));
    QCOMPARE(Common::nameByGid(1006, &ok), QStringLiteral("big"));
    QCOMPARE(Common::gidByName(QStringLiteral("after"), &ok), 1007u);
    QVERIFY(ok);
    QCOMPARE(Common::userCount(1000), 12);
    QCOMPARE(Common::groupCount(1000), 11);
}

// Every lookup, count and chooser list agrees with getent's listing of the same fixture.
void AccountsTest::agreesWithGetent()
{
    QVERIFY(Getent::entries("group").size() >= 14); // getent answered from the fixture
    QStringList report;
    const int mismatches = Getent::mismatches(&report);
    QVERIFY2(mismatches == 0, qPrintable(report.join(QLatin1Char('\n'))));
}

void AccountsTest::directoryAccounts_data()
{
    QTest::addColumn<bool>("users");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");

    QTest::newRow("user by id") << true << QByteArray("5000") << true;
    QTest::newRow("user by name") << true << QByteArray("dirk") << true;
    QTest::newRow("entry larger than 4096 bytes") << true << QByteArray("5001") << true;
    // The directory answers regardless of case; the library compares names exactly.
    QTest::newRow("name in another case") << true << QByteArray("DIRK") << false;
    QTest::newRow("name the walk finds first") << true << QByteArray("first") << true;
    QTest::newRow("id only the directory knows, name shadowed")
        << true << QByteArray("5002") << true;
    QTest::newRow("unknown everywhere") << true << QByteArray("5999") << false;
    QTest::newRow("group by id") << false << QByteArray("5000") << true;
    QTest::newRow("group by name") << false << QByteArray("directors") << true;
    QTest::newRow("group with 900 members") << false << QByteArray("crowd") << true;
    QTest::newRow("group name in another case") << false << QByteArray("Directors") << false;
}

// Directory services answer lookups by key but refuse to enumerate: the lookups must find
// what getent finds for the same key, exactly as the name was asked.
void AccountsTest::directoryAccounts()
{
    if (!directoryFixture())
        QSKIP("this run has no non-enumerating account source");
    QFETCH(bool, users);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);

    Getent::Entry expected = Getent::lookup(users ? "passwd" : "group", key);
    bool isId = false;
    key.toUInt(&isId);
    if (!isId && expected.name != key)
        expected = {};
    QCOMPARE(!expected.name.isEmpty(), found);

    bool ok = !found;
    if (isId) {
        const unsigned int id = key.toUInt();
        const QString name = users ? Common::nameByUid(id, &ok) : Common::nameByGid(id, &ok);
        QCOMPARE(ok, found);
        QCOMPARE(name, found ? QString::fromLocal8Bit(expected.name) : QString());
        if (users)
            QCOMPARE(Common::homeDirByUid(id),
                     found ? QString::fromLocal8Bit(expected.home) : QString());
    } else {
        const QString name = QString::fromLocal8Bit(key);
        const unsigned int id = users ? Common::uidByName(name, &ok) : Common::gidByName(name, &ok);
        QCOMPARE(ok, found);
        QCOMPARE(id, found ? expected.id : Common::NotFound);
    }
    // Counts see only what the walk lists.
    const int walked = int(Getent::entries(users ? "passwd" : "group").size());
    QCOMPARE(users ? Common::userCount(0) : Common::groupCount(0), walked);
}

void AccountsTest::uniqueName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("expected");

    const QString n = QStringLiteral("name");
    QTest::newRow("empty list") << n << QStringList() << n;
    QTest::newRow("taken: first number is 0") << n << QStringList{n} << QStringLiteral("name0");
    QTest::newRow("name and name0 taken")
        << n << QStringList{QStringLiteral("name0"), n} << QStringLiteral("name1");
    QTest::newRow("case twin does not count") << n << QStringList{QStringLiteral("Name")} << n;
    QTest::newRow("gap after 0..9") << n
                                    << QStringList{n,
                                                   QStringLiteral("name0"),
                                                   QStringLiteral("name1"),
                                                   QStringLiteral("name2"),
                                                   QStringLiteral("name3"),
                                                   QStringLiteral("name4"),
                                                   QStringLiteral("name5"),
                                                   QStringLiteral("name6"),
                                                   QStringLiteral("name7"),
                                                   QStringLiteral("name8"),
                                                   QStringLiteral("name9")}
                                    << QStringLiteral("name10");
    QTest::newRow("numbered without the plain name")
        << n << QStringList{QStringLiteral("name0")} << n;
    QTest::newRow("empty name taken") << QString() << QStringList{QString()} << QStringLiteral("0");
}

void AccountsTest::uniqueName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, list);
    QFETCH(QString, expected);
    QCOMPARE(Common::uniqueName(name, list), expected);
}

void AccountsTest::shortedString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("null");

    const QString ten = QStringLiteral("abcdefghij");
    QTest::newRow("cut to 4") << ten << 4 << QStringLiteral("abcd...") << false;
    QTest::newRow("exactly as long") << ten << 10 << QString() << true;
    QTest::newRow("longer n") << ten << 11 << QString() << true;
    QTest::newRow("n = 0") << ten << 0 << QStringLiteral("...") << false;
    QTest::newRow("empty text, n = 0") << QString() << 0 << QString() << true;
    QTest::newRow("negative n keeps all") << ten << -1 << QStringLiteral("abcdefghij...") << false;
    QTest::newRow("empty text, negative n") << QString() << -1 << QStringLiteral("...") << false;
    QTest::newRow("counts characters, not bytes")
        << QStringLiteral("äöüß") << 2 << QStringLiteral("äö...") << false;
}

void AccountsTest::shortedString()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QFETCH(bool, null);

    const QString result = Common::ptr()->shortedString(text, n);
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), null);
}

QTEST_MAIN(AccountsTest)
#include "tst_accounts.moc"
