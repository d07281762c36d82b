// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! Plugin, the entry-symbol types and the CORVADQT5_PLUGIN macro that declares them.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QtGlobal>

namespace CorvadQt5 {

/*!
 * Base of every plugin object. A plugin library exports two unmangled functions:
 * corvadQt5PluginType(), which returns the same Plugin::Type on every call, and
 * corvadQt5PluginInstance(), which returns a new object of a Plugin subclass (or null).
 * CORVADQT5_PLUGIN declares both:
 *
 * \code
 * #include <corvad-common-qt5/desktopintegrationplugin.h>
 * class MyPlugin : public CorvadQt5::DesktopIntegrationPlugin { ... };
 * CORVADQT5_PLUGIN(CorvadQt5::Plugin::DesktopIntegrationType, MyPlugin)
 * \endcode
 *
 * The host owns the object and deletes it through this class's virtual destructor, before
 * it unloads the library.
 */
class CORVADQT5_EXPORT Plugin
{
public:
    //! What kind of plugin a library provides; the host asks for plugins by type.
    enum Type : int {
        NoType = 0,                //!< what a library without a type entry reports
        DesktopIntegrationType = 1 //!< DesktopIntegrationPlugin objects
    };

    Plugin() = default;
    virtual ~Plugin();

private:
    Q_DISABLE_COPY(Plugin)
};

//! The signature of a plugin library's corvadQt5PluginType() entry symbol.
using PluginTypeEntry = Plugin::Type (*)();
//! The signature of a plugin library's corvadQt5PluginInstance() entry symbol.
using PluginInstanceEntry = Plugin *(*)();

} // namespace CorvadQt5

//! Declares and exports both entry symbols of a plugin library whose objects are \a PluginClass.
// NOLINTBEGIN(bugprone-macro-parentheses): it expands to declarations and a type name.
#define CORVADQT5_PLUGIN(pluginType, PluginClass)                                                  \
    extern "C" Q_DECL_EXPORT CorvadQt5::Plugin::Type corvadQt5PluginType()                         \
    {                                                                                              \
        return CorvadQt5::Plugin::Type(pluginType);                                                \
    }                                                                                              \
    extern "C" Q_DECL_EXPORT CorvadQt5::Plugin *corvadQt5PluginInstance()                          \
    {                                                                                              \
        return new PluginClass;                                                                    \
    }
// NOLINTEND(bugprone-macro-parentheses)
