// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QByteArray>

#include <functional>

struct group;
struct passwd;

namespace CorvadQt5::Accounts {

// A visitor answers true to go on with the walk and false to stop it.
using UserVisitor = std::function<bool(const passwd &)>;
using GroupVisitor = std::function<bool(const group &)>;

// Walk the user or group database from its start, in database order, and close it again on
// every path. An entry too large for the buffer is read again with a larger one, so it does
// not end the walk; the buffer grows once and allocates nothing per entry afterwards. For
// lists and counts only: a directory sends every entry over the network for each walk.
void forEachUser(const UserVisitor &visit);
void forEachGroup(const GroupVisitor &visit);

// Ask the C library for one entry by key, as login and `id` do: the sources in nsswitch.conf
// order, each answering with its first match, which is the entry a walk would meet first.
// \a take gets the entry and says whether it is the one wanted; the result is that answer,
// false when there was no entry. A source that fails rather than finds nothing (a directory
// that is down) also answers false, and is reported once per database and error in the
// "corvad.accounts" logging category.
using UserTaker = std::function<bool(const passwd &)>;
using GroupTaker = std::function<bool(const group &)>;

bool userById(unsigned int uid, const UserTaker &take);
bool userByName(const QByteArray &name, const UserTaker &take);
bool groupById(unsigned int gid, const GroupTaker &take);
bool groupByName(const QByteArray &name, const GroupTaker &take);

} // namespace CorvadQt5::Accounts
