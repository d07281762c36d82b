// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The account databases as `getent` lists them under the same fixture: the other path the
// library's answers are compared with.
namespace Getent {

struct Entry
{
    QByteArray name;
    unsigned int id = 0;
    QByteArray home; // users only
};

QList<Entry> entries(const char *database); // "passwd" or "group"
// getent's answer to one key (an id or a name); an empty name when it found nothing.
Entry lookup(const char *database, const QByteArray &key);

// Compares every lookup, count and chooser list of the library with getent's listing of the
// active databases; describes each disagreement in \a report and returns how many there were.
int mismatches(QStringList *report);

} // namespace Getent
