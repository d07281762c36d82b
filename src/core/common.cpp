// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/common.h>

#include <corvad-common-qt5/desktopintegrationplugin.h>
#include <corvad-common-qt5/nativeiconprovider.h>
#include <corvad-common-qt5/pluginmanager.h>

#include "base/accountwalker.h"

#include <atomic>
#include <cstring>
#include <grp.h>
#include <pwd.h>

namespace CorvadQt5 {
namespace {

// Exact byte equality; unlike strcmp, a name with an embedded NUL matches nothing.
bool sameName(const char *entryName, const QByteArray &wanted)
{
    return std::strlen(entryName) == std::size_t(wanted.size()) &&
           std::memcmp(entryName, wanted.constData(), std::size_t(wanted.size())) == 0;
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

// Read by each dialog as it is built; set before the first ptr() as well as after.
std::atomic<int> passwordAids{0};

} // namespace

Common *Common::m_ptr = nullptr;

void Common::setPasswordAidEnabled(PasswordAid aid, bool enabled)
{
    if (enabled)
        passwordAids.fetch_or(aid);
    else
        passwordAids.fetch_and(~int(aid));
}

bool Common::isPasswordAidEnabled(PasswordAid aid)
{
    return (passwordAids.load() & aid) == aid;
}

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
    report(Accounts::userById(uid,
                              [&](const passwd &entry) {
                                  if (entry.pw_uid != uid)
                                      return false;
                                  name = QString::fromLocal8Bit(entry.pw_name);
                                  return true;
                              }),
           ok);
    return name;
}

QString Common::nameByGid(unsigned int gid, bool *ok)
{
    QString name;
    report(Accounts::groupById(gid,
                               [&](const group &entry) {
                                   if (entry.gr_gid != gid)
                                       return false;
                                   name = QString::fromLocal8Bit(entry.gr_name);
                                   return true;
                               }),
           ok);
    return name;
}

unsigned int Common::uidByName(const QString &name, bool *ok)
{
    const QByteArray wanted = name.toLocal8Bit();
    unsigned int uid = NotFound;
    report(Accounts::userByName(wanted,
                                [&](const passwd &entry) {
                                    if (!sameName(entry.pw_name, wanted))
                                        return false;
                                    uid = entry.pw_uid;
                                    return true;
                                }),
           ok);
    return uid;
}

unsigned int Common::gidByName(const QString &name, bool *ok)
{
    const QByteArray wanted = name.toLocal8Bit();
    unsigned int gid = NotFound;
    report(Accounts::groupByName(wanted,
                                 [&](const group &entry) {
                                     if (!sameName(entry.gr_name, wanted))
                                         return false;
                                     gid = entry.gr_gid;
                                     return true;
                                 }),
           ok);
    return gid;
}

QString Common::homeDirByUid(unsigned int uid)
{
    QString home;
    Accounts::userById(uid, [&](const passwd &entry) {
        if (entry.pw_uid == uid)
            home = QString::fromLocal8Bit(entry.pw_dir);
        return true;
    });
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
