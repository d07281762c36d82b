// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/pluginhandle.h>

#include "base/checkedlibrary.h"

namespace CorvadQt5 {

PluginHandle::PluginHandle(const QString &path) : m_library(new CheckedLibrary), m_path(path)
{
    if (!QLibrary::isLibrary(path) ||
        static_cast<CheckedLibrary *>(m_library)->loadChecked(path) != CheckedLibrary::Loaded)
        return;
    m_typeEntry = reinterpret_cast<PluginTypeEntry>(m_library->resolve("corvadQt5PluginType"));
    m_instanceEntry =
        reinterpret_cast<PluginInstanceEntry>(m_library->resolve("corvadQt5PluginInstance"));
}

PluginHandle::~PluginHandle()
{
    delete m_instance; // its code lives in the library, so before the unload
    if (m_library->isLoaded())
        m_library->unload();
    delete m_library;
}

Plugin *PluginHandle::staticInstance()
{
    if (!m_instance && m_instanceEntry)
        m_instance = m_instanceEntry();
    return m_instance;
}

Plugin::Type PluginHandle::type()
{
    return m_typeEntry ? m_typeEntry() : Plugin::NoType;
}

bool PluginHandle::isValid()
{
    return m_typeEntry && m_instanceEntry;
}

QString PluginHandle::path()
{
    return m_path;
}

} // namespace CorvadQt5
