// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! PluginHandle: one plugin library file.

#include <corvad-common-qt5/plugin.h>

#include <QString>

class QLibrary;

namespace CorvadQt5 {

/*!
 * One plugin library file: loads it, resolves the two entry symbols, and keeps the plugin
 * object once it has been created. Destroying the handle deletes the object, then unloads
 * the library. A file that is missing, is not a library, fails to load or lacks a symbol
 * gives an invalid handle; nothing is reported.
 *
 * The file is opened once and exactly that file is loaded. It is refused like any other
 * non-plugin when it (after following links) is not a regular file, when it or its
 * directory is writable by group or others, or when either is owned by someone other than
 * root or the process's effective user: whoever could write there could run code in every
 * application. A library linked against another Qt major than the process's is refused too,
 * without being loaded. corvad-qt5-plugininfo says which rule refused a file.
 *
 * \code
 * CorvadQt5::PluginHandle handle(QStringLiteral("/usr/lib/corvad-qt5/libmine.so"));
 * if (handle.isValid() && handle.type() == CorvadQt5::Plugin::DesktopIntegrationType)
 *     auto *plugin = static_cast<CorvadQt5::DesktopIntegrationPlugin *>(handle.staticInstance());
 * \endcode
 */
class CORVADQT5_EXPORT PluginHandle
{
public:
    //! Checks and loads the library at \a path and resolves its entry symbols.
    explicit PluginHandle(const QString &path);
    ~PluginHandle();

    PluginHandle(const PluginHandle &) = delete;
    PluginHandle &operator=(const PluginHandle &) = delete;

    //! The plugin object, created at the first call that succeeds and kept; null when the
    //! library has no instance entry or the entry returned null (then the next call retries).
    Plugin *staticInstance();
    //! The type entry's answer, asked afresh on every call; Plugin::NoType without the entry.
    Plugin::Type type();
    //! True when both entry symbols were found.
    bool isValid();
    //! The path exactly as it was given to the constructor.
    QString path();

private:
    PluginTypeEntry m_typeEntry = nullptr;
    PluginInstanceEntry m_instanceEntry = nullptr;
    Plugin *m_instance = nullptr;
    QLibrary *m_library = nullptr;
    QString m_path;
};

} // namespace CorvadQt5
