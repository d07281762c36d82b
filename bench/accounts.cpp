// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Over 100,000 users: a lookup against the C library's keyed call, a count against a bare C
// getpwent_r walk of the same database.
#include "benchfixture.h"

#include <corvad-common-qt5/common.h>

#include <QCoreApplication>
#include <QTextStream>

#include <cstring>
#include <pwd.h>

namespace {

constexpr int Users = 100000;

unsigned int bareUidByName(const char *name)
{
    return Bench::keyedId(getpwnam_r, name);
}

int bareCount(unsigned int threshold)
{
    int count = 0;
    Bench::bareWalk([&](const passwd &entry) {
        count += entry.pw_uid >= threshold || entry.pw_uid == 0;
        return true;
    });
    return count;
}

// Child side: bare and library figures, interleaved so that both see the same machine.
int measure()
{
    const QByteArray last = "user" + QByteArray::number(Users - 1);
    const QString lastName = QString::fromLatin1(last);
    double bareLookup = 1e300, libraryLookup = 1e300, bareCounting = 1e300, libraryCounting = 1e300;
    for (int round = 0; round < 5; ++round) {
        bareLookup =
            std::min(bareLookup, Bench::fastest(1, [&] { bareUidByName(last.constData()); }));
        libraryLookup = std::min(
            libraryLookup, Bench::fastest(1, [&] { CorvadQt5::Common::uidByName(lastName); }));
        bareCounting = std::min(bareCounting, Bench::fastest(1, [] { bareCount(1000); }));
        libraryCounting = std::min(libraryCounting,
                                   Bench::fastest(1, [] { CorvadQt5::Common::userCount(1000); }));
    }
    const bool same = CorvadQt5::Common::uidByName(lastName) == bareUidByName(last.constData()) &&
                      CorvadQt5::Common::userCount(1000) == bareCount(1000);
    QTextStream(stdout) << (same ? 1 : 0) << ' ' << bareLookup << ' ' << libraryLookup << ' '
                        << bareCounting << ' ' << libraryCounting << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--measure")))
        return measure();

    QTextStream out(stdout);
    const QList<QByteArray> fields =
        Bench::measureAgainstAccounts(Users, app.applicationFilePath());
    if (fields.size() != 5 || fields[0] != "1") {
        out << "the measuring run did not agree with the bare walk\n";
        return 1;
    }
    const double bareLookup = fields[1].toDouble(), libraryLookup = fields[2].toDouble(),
                 bareCounting = fields[3].toDouble(), libraryCounting = fields[4].toDouble();
    out << "account lookups over " << Users << " users, " << Bench::backendName()
        << "; seconds, fastest of 5\n"
        << qSetRealNumberPrecision(3) << "uidByName(last user): " << libraryLookup
        << " against getpwnam_r's " << bareLookup << ", ratio " << libraryLookup / bareLookup
        << "\n"
        << "userCount(1000):      " << libraryCounting << " against a bare walk's " << bareCounting
        << ", ratio " << libraryCounting / bareCounting << "\n"
        << "target: each ratio at most 1.10\n";
    return 0;
}
