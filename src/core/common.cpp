// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/common.h>

#include <corvad-common-qt5/desktopintegrationplugin.h>
#include <corvad-common-qt5/nativeiconprovider.h>
#include <corvad-common-qt5/pluginmanager.h>

#include "accountwalker.h"

#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <utility>

namespace CorvadQt5 {
namespace {

// Exact byte equality; unlike strcmp, a name with an embedded NUL matches nothing.
bool sameName(const char *entryName, const QByteArray &wanted)
{
    return std::strlen(entryName) == std::size_t(wanted.size()) &&
           std::memcmp(entryName, wanted.constData(), std::size_t(wanted.size())) == 0;
}

// Hands the first entry that matches to take(), walking the database in order; only when
// the walk has none is the C library asked directly, so that accounts of directory services
// that do not enumerate are found too. Answers whether there was one.
template <typename Entry, typename Match, typename Take, typename Ask>
bool findFirst(void (*forEach)(const std::function<bool(const Entry &)> &), Match matches,
               Take take, Ask ask)
{
    bool found = false;
    forEach([&](const Entry &entry) {
        if (!matches(entry))
            return true;
        take(entry);
        found = true;
        return false;
    });
    return found || ask([&](const Entry &entry) {
               if (!matches(entry))
                   return false;
               take(entry);
               return true;
           });
}

void report(bool found, bool *ok)
{
    if (ok)
        *ok = found;
}

bool counted(unsigned int id, unsigned int threshold)
{
    return id >= threshold || id == 0;
}

} // namespace

Common *Common::m_ptr = nullptr;

Common::Common()
{
    m_nativeIconProvider = new NativeIconProvider;
    m_plugin = new DesktopIntegrationPlugin(m_nativeIconProvider);
    // Plugin code run by the scan may ask for the instance already: it gets this one, which
    // is complete but for the scan's registrations.
    m_ptr = this;
    // The scan registers the desktop-integration plugins; the list itself is not needed.
    PluginManager::ptr()->pluginHandles(Plugin::DesktopIntegrationType);
}

Common *Common::ptr()
{
    if (!m_ptr)
        m_ptr = new Common;
    return m_ptr;
}

QString Common::nameByUid(unsigned int uid, bool *ok)
{
    QString name;
    const bool found = findFirst(
        Accounts::forEachUser, [uid](const passwd &entry) { return entry.pw_uid == uid; },
        [&name](const passwd &entry) { name = QString::fromLocal8Bit(entry.pw_name); },
        [uid](const Accounts::UserTaker &take) { return Accounts::userById(uid, take); });
    report(found, ok);
    return name;
}

QString Common::nameByGid(unsigned int gid, bool *ok)
{
    QString name;
    const bool found = findFirst(
        Accounts::forEachGroup, [gid](const group &entry) { return entry.gr_gid == gid; },
        [&name](const group &entry) { name = QString::fromLocal8Bit(entry.gr_name); },
        [gid](const Accounts::GroupTaker &take) { return Accounts::groupById(gid, take); });
    report(found, ok);
    return name;
}

unsigned int Common::uidByName(const QString &name, bool *ok)
{
    const QByteArray wanted = name.toLocal8Bit();
    unsigned int uid = NotFound;
    const bool found = findFirst(
        Accounts::forEachUser,
        [&wanted](const passwd &entry) { return sameName(entry.pw_name, wanted); },
        [&uid](const passwd &entry) { uid = entry.pw_uid; },
        [&wanted](const Accounts::UserTaker &take) { return Accounts::userByName(wanted, take); });
    report(found, ok);
    return uid;
}

unsigned int Common::gidByName(const QString &name, bool *ok)
{
    const QByteArray wanted = name.toLocal8Bit();
    unsigned int gid = NotFound;
    const bool found = findFirst(
        Accounts::forEachGroup,
        [&wanted](const group &entry) { return sameName(entry.gr_name, wanted); },
        [&gid](const group &entry) { gid = entry.gr_gid; },
        [&wanted](const Accounts::GroupTaker &take) {
            return Accounts::groupByName(wanted, take);
        });
    report(found, ok);
    return gid;
}

QString Common::homeDirByUid(unsigned int uid)
{
    QString home;
    findFirst(
        Accounts::forEachUser, [uid](const passwd &entry) { return entry.pw_uid == uid; },
        [&home](const passwd &entry) { home = QString::fromLocal8Bit(entry.pw_dir); },
        [uid](const Accounts::UserTaker &take) { return Accounts::userById(uid, take); });
    return home;
}

int Common::userCount(unsigned int threshold)
{
    int count = 0;
    Accounts::forEachUser([&](const passwd &entry) {
        count += counted(entry.pw_uid, threshold);
        return true;
    });
    return count;
}

int Common::groupCount(unsigned int threshold)
{
    int count = 0;
    Accounts::forEachGroup([&](const group &entry) {
        count += counted(entry.gr_gid, threshold);
        return true;
    });
    return count;
}

QString Common::uniqueName(const QString &name, const QStringList &list)
{
    QString candidate = name;
    for (qint64 counter = 0; list.contains(candidate, Qt::CaseSensitive); ++counter)
        candidate = name + QString::number(counter);
    return candidate;
}

QString Common::shortedString(const QString &text, int n)
{
    if (n < text.size())
        return text.left(n) + QStringLiteral("...");
    return QString();
}

IconProvider *Common::iconProvider()
{
    return m_plugin ? m_plugin->iconProvider() : m_nativeIconProvider;
}

void Common::callApplicationHelpWindow(QWidget *parent, QMap<QString, QVariant> options)
{
    if (m_plugin)
        m_plugin->callApplicationHelpWindow(parent, std::move(options));
}

void Common::callApplicationAboutWindow(QWidget *parent, QMap<QString, QVariant> options)
{
    if (m_plugin)
        m_plugin->callApplicationAboutWindow(parent, std::move(options));
}

} // namespace CorvadQt5
