// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Account sources that misbehave on cue. This program defines the C library's account calls
// itself, as nss_wrapper does from LD_PRELOAD, so the library's calls reach them first: each
// row scripts their answers, including the ones glibc never gives (-1 with errno, a zero
// result with errno set) but an interposed source does.
#include <corvad-common-qt5/common.h>

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <grp.h>
#include <pwd.h>

using CorvadQt5::Common;

namespace {

// One answer per call, the last one repeated: "entry" (the one asked for), "other" (an entry
// with another id and name), "miss", "erange" (the result), "-1erange" (-1, errno), "fail"
// (the row's error as the result), "-1fail" (-1, errno), "errno" (zero, no entry, errno set),
// "-1" (-1 and no errno), "end" (ENOENT, as at the end of a walk).
struct Script
{
    QByteArrayList answers;
    int error = 0;
    int calls = 0;
    std::size_t largestBuffer = 0;
    int rewinds = 0;
    int closes = 0;
    bool armed = false;
} script;

constexpr int RunawayCalls = 16; // where a retry loop without its cap is stopped (13 reach it)

char name[] = "asked", otherName[] = "other", password[] = "x", home[] = "/home/asked",
     shell[] = "/bin/sh";
char *noMembers[] = {nullptr};

template <typename Entry>
void fillEntry(Entry *entry, unsigned int id, char *entryName);

template <>
void fillEntry(passwd *entry, unsigned int id, char *entryName)
{
    *entry = {entryName, password, id, id, password, home, shell};
}

template <>
void fillEntry(group *entry, unsigned int id, char *entryName)
{
    *entry = {entryName, password, id, noMembers};
}

// The scripted answer to one call; \a id is the one asked for (or the walk's position).
template <typename Entry>
int answer(Entry *entry, std::size_t size, Entry **result, unsigned int id)
{
    *result = nullptr;
    script.largestBuffer = std::max(script.largestBuffer, size);
    const int call = script.calls++;
    const QByteArray what = call >= RunawayCalls ? QByteArray("miss")
                                                 : script.answers.value(call, script.answers.last());
    if (what == "entry" || what == "other") {
        fillEntry(entry, what == "entry" ? id : id + 1, what == "entry" ? name : otherName);
        *result = entry;
        return 0;
    }
    const QHash<QByteArray, std::pair<int, int>> failures = {// result, errno
        {"miss", {0, 0}},           {"erange", {ERANGE, ERANGE}},
        {"-1erange", {-1, ERANGE}}, {"fail", {script.error, script.error}},
        {"-1fail", {-1, script.error}}, {"errno", {0, script.error}},
        {"-1", {-1, 0}},            {"end", {ENOENT, ENOENT}}};
    const auto [value, error] = failures.value(what);
    errno = error;
    return value;
}

template <typename Function>
Function real(const char *symbol)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, symbol));
}

unsigned int idOf(const char *key)
{
    return std::strcmp(key, name) == 0 ? 1000 : 2000;
}

} // namespace

// Qt itself may look accounts up: unless a row is running, the real calls answer.
#define CORVAD_SCRIPTED(function, Entry, Key, toId)                                                \
    extern "C" int function(Key key, Entry *entry, char *buffer, std::size_t size, Entry **result) \
    {                                                                                              \
        if (!script.armed)                                                                         \
            return real<decltype(&function)>(#function)(key, entry, buffer, size, result);         \
        return answer(entry, size, result, toId);                                                  \
    }
CORVAD_SCRIPTED(getpwuid_r, passwd, uid_t, key)
CORVAD_SCRIPTED(getgrgid_r, group, gid_t, key)
CORVAD_SCRIPTED(getpwnam_r, passwd, const char *, idOf(key))
CORVAD_SCRIPTED(getgrnam_r, group, const char *, idOf(key))

extern "C" int getpwent_r(passwd *entry, char *, std::size_t size, passwd **result)
{
    return answer(entry, size, result, 1000 + unsigned(script.calls));
}
extern "C" int getgrent_r(group *entry, char *, std::size_t size, group **result)
{
    return answer(entry, size, result, 1000 + unsigned(script.calls));
}
extern "C" void setpwent() { ++script.rewinds; }
extern "C" void setgrent() { ++script.rewinds; }
extern "C" void endpwent() { ++script.closes; }
extern "C" void endgrent() { ++script.closes; }

namespace {

QStringList &reports()
{
    static QStringList messages;
    return messages;
}

void arm(const QByteArray &answers, int error)
{
    script = {answers.split(','), error};
    script.armed = true;
}

} // namespace

class AccountFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void lookups_data();
    void lookups();
    void walks_data();
    void walks();
};

void AccountFaultsTest::initTestCase()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
        if (qstrcmp(context.category, "corvad.accounts") == 0)
            reports() << text;
        else
            QFAIL(qPrintable(QLatin1String("unexpected message: ") + text));
    });
}

void AccountFaultsTest::lookups_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("reportedError"); // 0: a plain answer, nothing to report

    struct Case
    {
        const char *name;
        const char *answers;
        int error;
        bool found;
        int reportedError;
    };
    const Case cases[] = {
        {"the entry", "entry", 0, true, 0},
        {"ERANGE, then the entry", "erange,entry", 0, true, 0},
        {"-1 and ERANGE, then the entry", "-1erange,entry", 0, true, 0},
        {"ERANGE twice, then the entry", "erange,-1erange,entry", 0, true, 0},
        {"ERANGE forever", "erange", 0, false, ERANGE},
        {"-1 and ERANGE forever", "-1erange", 0, false, ERANGE},
        {"a plain miss", "miss", 0, false, 0},
        {"an entry of another key", "other", 0, false, 0},
        {"an error as the result", "fail", ECONNREFUSED, false, ECONNREFUSED},
        {"-1 and an error", "-1fail", EHOSTUNREACH, false, EHOSTUNREACH},
        {"zero with errno set", "errno", ETIMEDOUT, false, ETIMEDOUT},
        {"-1 without errno", "-1", 0, false, EIO},
    };
    for (const char *lookup : {"nameByUid", "nameByGid", "uidByName", "gidByName", "homeDirByUid"}) {
        for (const Case &c : cases)
            QTest::addRow("%s: %s", lookup, c.name) << QString::fromLatin1(lookup)
                                                    << QByteArray(c.answers) << c.error << c.found
                                                    << c.reportedError;
    }
}

// Every keyed lookup believes only an entry of the key asked for, grows its buffer on either
// form of ERANGE up to a cap, and reports a failing source once, not once a call.
void AccountFaultsTest::lookups()
{
    QFETCH(QString, lookup);
    QFETCH(QByteArray, answers);
    QFETCH(int, error);
    QFETCH(bool, found);
    QFETCH(int, reportedError);

    const bool group = lookup.contains(QLatin1String("Gid"));
    const QString expected =
        lookup == QLatin1String("homeDirByUid") ? QStringLiteral("/home/asked")
        : lookup.startsWith(QLatin1String("name")) ? QStringLiteral("asked")
                                                   : QStringLiteral("1000");
    const int before = int(reports().size());
    for (int attempt = 0; attempt < 2; ++attempt) {
        arm(answers, error);
        bool ok = !found;
        QString answer;
        if (lookup == QLatin1String("nameByUid"))
            answer = Common::nameByUid(1000, &ok);
        else if (lookup == QLatin1String("nameByGid"))
            answer = Common::nameByGid(1000, &ok);
        else if (lookup == QLatin1String("homeDirByUid"))
            answer = Common::homeDirByUid(1000), ok = !answer.isEmpty();
        else {
            const auto byName = group ? Common::gidByName : Common::uidByName;
            const unsigned int id = byName(QStringLiteral("asked"), &ok);
            QCOMPARE(id == Common::NotFound, !found);
            answer = found ? QString::number(id) : QString();
        }
        script.armed = false;
        QCOMPARE(ok, found);
        QCOMPARE(answer, found ? expected : QString());
        QVERIFY2(script.calls < RunawayCalls, "the lookup retried without end");
        QVERIFY(script.largestBuffer <= std::size_t(16) << 20);
        if (answers.startsWith("erange") || answers.startsWith("-1erange"))
            QVERIFY(script.largestBuffer > 4096);
    }

    const QString message =
        QStringLiteral("looking up an entry of the %1 database failed: %2")
            .arg(QLatin1String(group ? "group" : "passwd"), QString::fromLocal8Bit(std::strerror(reportedError)));
    const QStringList newReports = reports().mid(before);
    if (!reportedError)
        QVERIFY2(newReports.isEmpty(), qPrintable(newReports.join(QLatin1Char('\n'))));
    else // once for the process, by whichever row met it first
        QCOMPARE(reports().count(message), 1);
}

void AccountFaultsTest::walks_data()
{
    QTest::addColumn<bool>("users");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("count");

    for (const bool users : {true, false}) {
        const char *database = users ? "users" : "groups";
        QTest::addRow("%s: to the end", database) << users << QByteArray("entry,entry,end") << 2;
        QTest::addRow("%s: end without an entry", database)
            << users << QByteArray("entry,miss") << 1;
        QTest::addRow("%s: ERANGE inside", database)
            << users << QByteArray("entry,erange,entry,end") << 2;
        QTest::addRow("%s: -1 and ERANGE inside", database)
            << users << QByteArray("entry,-1erange,-1erange,entry,end") << 2;
        QTest::addRow("%s: ERANGE forever", database) << users << QByteArray("entry,erange") << 1;
        QTest::addRow("%s: a failing source", database)
            << users << QByteArray("entry,fail,entry,end") << 1;
    }
}

// A walk outlives entries too large for its buffer, ends on the first failure, and always
// closes the database it opened.
void AccountFaultsTest::walks()
{
    QFETCH(bool, users);
    QFETCH(QByteArray, answers);
    QFETCH(int, count);

    arm(answers, EIO);
    const int counted = users ? Common::userCount(0) : Common::groupCount(0);
    script.armed = false;
    QCOMPARE(counted, count);
    QCOMPARE(script.rewinds, 1);
    QCOMPARE(script.closes, 1);
    QVERIFY2(script.calls < RunawayCalls, "the walk retried without end");
    QVERIFY(script.largestBuffer <= std::size_t(16) << 20);
}

QTEST_GUILESS_MAIN(AccountFaultsTest)
#include "tst_accountfaults.moc"
