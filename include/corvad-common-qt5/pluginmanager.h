// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! PluginManager: the registry of plugin libraries by type.

#include <corvad-common-qt5/plugin.h>

#include <QList>
#include <QMap>

namespace CorvadQt5 {

class PluginHandle;

/*!
 * The process-wide registry of plugin libraries in the plugin directory ("/usr/lib/corvad-qt5").
 *
 * \code
 * const auto handles = CorvadQt5::PluginManager::ptr()->pluginHandles(MyPluginType);
 * for (CorvadQt5::PluginHandle *handle : handles)
 *     use(handle->staticInstance());
 * \endcode
 *
 * Every pluginHandles() call scans the directory again, in case-insensitive name order, and
 * opens each file whose name ends in ".so". Valid plugins of the requested type that are not
 * yet registered are kept loaded; the others are unloaded again. The manager owns the handles;
 * only release() deletes them, and afterwards the registry is empty.
 *
 * Only files that no one but root or the process's own user could have written are loaded
 * (see PluginHandle). A pluginHandles() call made by plugin code while a scan is running
 * does not scan again: it returns what is registered for its type so far.
 */
class CORVADQT5_EXPORT PluginManager
{
public:
    //! The single instance, built at the first call.
    static PluginManager *ptr();

    PluginManager();
    //! Frees the registry's lists only: registered handles stay alive and loaded.
    virtual ~PluginManager();

    PluginManager(const PluginManager &) = delete;
    PluginManager &operator=(const PluginManager &) = delete;

    //! Scans, registers new plugins of \a type, and returns every handle registered for it,
    //! in the order of registration (an empty list when there is none).
    QList<PluginHandle *> pluginHandles(Plugin::Type type);
    //! True when a handle with the same path is registered under \a handle's type;
    //! false for null.
    bool isLoaded(PluginHandle *handle);
    //! Deletes every registered handle, lower types first, and empties the registry, so
    //! that a later pluginHandles() builds fresh handles.
    virtual void release();

private:
    QMap<Plugin::Type, QList<PluginHandle *>> m_registry;

    static PluginManager *m_ptr;
};

} // namespace CorvadQt5
