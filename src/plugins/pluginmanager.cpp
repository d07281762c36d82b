// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/pluginmanager.h>

#include <corvad-common-qt5/pluginhandle.h>

#include "base/fixedpaths.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace CorvadQt5 {
namespace {

// Plugin code runs during a scan (static initialisers, type entries); a scan it starts
// would load the same files again and, from a type entry, recurse without end.
bool scanning = false;

struct ScanGuard
{
    ScanGuard() { scanning = true; }
    ~ScanGuard() { scanning = false; }
    ScanGuard(const ScanGuard &) = delete;
    ScanGuard &operator=(const ScanGuard &) = delete;
};

} // namespace

PluginManager *PluginManager::m_ptr = nullptr;

PluginManager *PluginManager::ptr()
{
    if (!m_ptr)
        m_ptr = new PluginManager;
    return m_ptr;
}

PluginManager::PluginManager() = default;

PluginManager::~PluginManager() = default;

QList<PluginHandle *> PluginManager::pluginHandles(Plugin::Type type)
{
    if (scanning)
        return m_registry.value(type);
    const ScanGuard guard;
    const QString directory = FixedPaths::pluginDirectory();
    // NoSort applies QDir's own default for a path: case-insensitive name order.
    const QStringList names =
        QDir(directory).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString &name : names) {
        if (!name.endsWith(QLatin1String(".so"), Qt::CaseSensitive))
            continue;
        auto *handle = new PluginHandle(directory + QLatin1Char('/') + name);
        if (!handle->isValid() || handle->type() != type || isLoaded(handle)) {
            delete handle;
            continue;
        }
        m_registry[handle->type()].append(handle);
    }
    return m_registry[type];
}

bool PluginManager::isLoaded(PluginHandle *handle)
{
    if (!handle)
        return false;
    const QString path = handle->path();
    const QList<PluginHandle *> &registered = m_registry[handle->type()];
    return std::any_of(registered.cbegin(), registered.cend(),
                       [&path](PluginHandle *known) { return known->path() == path; });
}

void PluginManager::release()
{
    for (const QList<PluginHandle *> &handles : std::as_const(m_registry))
        qDeleteAll(handles);
    m_registry.clear(); // a later scan builds fresh handles; none of the deleted is reachable
}

} // namespace CorvadQt5
