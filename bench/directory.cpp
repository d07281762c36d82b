// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Account lookups where 100,000 users live in OpenLDAP behind nslcd, each against the C
// library's keyed call for the same keys, in the same run.
#include "benchfixture.h"

#include <corvad-common-qt5/common.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <grp.h>
#include <pwd.h>

namespace {

constexpr int Users = 100000;
constexpr int Groups = 2000;
constexpr int Keys = 300;
constexpr int Rounds = 5;

using Lookup = std::function<void(int)>; // looks up key number i

struct Row
{
    const char *name;
    Lookup library;
    Lookup keyed;
};

// Spread over the whole directory, so no lookup is favoured by where its entry lies.
int userNumber(int i)
{
    return int((qint64(i) * 7919) % Users);
}

QByteArray userName(int i)
{
    return "duser" + QByteArray::number(userNumber(i));
}

QByteArray groupName(int i)
{
    return "dgroup" + QByteArray::number(i * 7 % Groups);
}

QList<Row> rows()
{
    using CorvadQt5::Common;
    return {
        {"nameByUid", [](int i) { Common::nameByUid(20000 + userNumber(i)); },
         [](int i) { Bench::keyedId(getpwuid_r, uid_t(20000 + userNumber(i))); }},
        {"uidByName", [](int i) { Common::uidByName(QString::fromLatin1(userName(i))); },
         [](int i) { Bench::keyedId(getpwnam_r, userName(i).constData()); }},
        {"homeDirByUid", [](int i) { Common::homeDirByUid(20000 + userNumber(i)); },
         [](int i) { Bench::keyedId(getpwuid_r, uid_t(20000 + userNumber(i))); }},
        {"nameByGid", [](int i) { Common::nameByGid(30000 + i * 7 % Groups); },
         [](int i) { Bench::keyedId(getgrgid_r, gid_t(30000 + i * 7 % Groups)); }},
        {"gidByName", [](int i) { Common::gidByName(QString::fromLatin1(groupName(i))); },
         [](int i) { Bench::keyedId(getgrnam_r, groupName(i).constData()); }},
        {"nameByUid, no such id", [](int i) { Common::nameByUid(5000000 + i); },
         [](int i) { Bench::keyedId(getpwuid_r, uid_t(5000000 + i)); }},
        {"uidByName, no such name",
         [](int i) { Common::uidByName(QStringLiteral("ghost") + QString::number(i)); },
         [](int i) { Bench::keyedId(getpwnam_r, ("ghost" + QByteArray::number(i)).constData()); }},
    };
}

// Seconds per lookup over all keys, the fastest of the rounds.
double perLookup(const Lookup &lookup)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Keys; ++i)
        lookup(i);
    return timer.nsecsElapsed() / 1e9 / Keys;
}

int measure()
{
    QTextStream out(stdout);
    if (CorvadQt5::Common::nameByUid(20000 + Users - 1) !=
        QStringLiteral("duser") + QString::number(Users - 1)) {
        out << "the directory did not answer\n";
        return 1;
    }
    out << "| lookup (" << Users << " directory users) | the library | keyed call | ratio |\n"
        << "|---|---:|---:|---:|\n";
    for (const Row &row : rows()) {
        double library = 1e300, keyed = 1e300;
        for (int round = 0; round < Rounds; ++round) { // interleaved: both see the same machine
            keyed = std::min(keyed, perLookup(row.keyed));
            library = std::min(library, perLookup(row.library));
        }
        out << "| `" << row.name << "` | " << qSetRealNumberPrecision(3) << library * 1e6
            << " us | " << keyed * 1e6 << " us | " << library / keyed << " |\n";
    }
    out << "target: every ratio at most 2\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--measure")))
        return measure();

    QTemporaryDir work;
    QFile passwd(work.filePath(QStringLiteral("passwd"))), group(work.filePath(QStringLiteral("group")));
    if (!passwd.open(QIODevice::WriteOnly) || !group.open(QIODevice::WriteOnly))
        return 1;
    passwd.write("root:x:0:0:root:/root:/bin/sh\n");
    group.write("root:x:0:\n");
    passwd.close();
    group.close();

    QTextStream(stdout) << "loading " << Users << " users and " << Groups
                        << " groups into slapd; lookups through nslcd, " << Keys
                        << " keys, fastest of " << Rounds << " rounds\n"
                        << Qt::flush;
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(QStringLiteral(CORVADQT5_DIRECTORY_RUNNER),
              {QStringLiteral("--patient"), QStringLiteral("--users"), QString::number(Users),
               QStringLiteral("--groups"), QString::number(Groups),
               work.filePath(QStringLiteral("directory")), work.path(),
               app.applicationFilePath(), QStringLiteral("--measure")});
    run.waitForFinished(-1);
    return run.exitCode();
}
