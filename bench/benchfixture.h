// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Account databases for the benchmarks, and a way to run a program against them: glibc's
// files backend in a private mount namespace where that is permitted, nss_wrapper otherwise.
namespace Bench {

// Writes passwd and group with \a users users (ids from 1000) and \a groups groups into \a dir.
bool writeAccounts(const QString &dir, int users, int groups);
// "glibc files backend (private mount namespace)" or "nss_wrapper".
QString backendName();
// Runs \a program with \a arguments against the databases in \a dir; its standard output.
QByteArray runAgainst(const QString &dir, const QString &program, const QStringList &arguments);
// Writes a database of \a users users, runs \a program with "--measure" against it and
// returns the words of its output; empty, after saying why on standard output, on failure.
QList<QByteArray> measureAgainstAccounts(int users, const QString &program);
// The fastest of \a rounds runs of \a work, in seconds.
template <typename Work>
double fastest(int rounds, Work work);
// The C library's keyed call (getpwuid_r, getpwnam_r, getgrgid_r, getgrnam_r) for \a key,
// with a 4096-byte buffer; the entry's id, or all ones when there is none.
template <typename Entry, typename Key>
unsigned int keyedId(int (*call)(Key, Entry *, char *, std::size_t, Entry **), Key key);
// The baseline: a bare C walk of the user database with a 4096-byte buffer, handing each
// entry to \a visit until it answers false.
template <typename Visit>
void bareWalk(Visit visit);

} // namespace Bench

#include <QElapsedTimer>
#include <algorithm>
#include <cstddef>
#include <grp.h>
#include <pwd.h>
#include <type_traits>

template <typename Visit>
void Bench::bareWalk(Visit visit)
{
    passwd record{};
    passwd *entry = nullptr;
    char buffer[4096];
    setpwent();
    while (getpwent_r(&record, buffer, sizeof buffer, &entry) == 0 && visit(*entry)) {
    }
    endpwent();
}

template <typename Entry, typename Key>
unsigned int Bench::keyedId(int (*call)(Key, Entry *, char *, std::size_t, Entry **), Key key)
{
    Entry record{}, *entry = nullptr;
    char buffer[4096];
    call(key, &record, buffer, sizeof buffer, &entry);
    if (!entry)
        return 0xFFFFFFFFu;
    if constexpr (std::is_same_v<Entry, passwd>)
        return entry->pw_uid;
    else
        return entry->gr_gid;
}

template <typename Work>
double Bench::fastest(int rounds, Work work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}
