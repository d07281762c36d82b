// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! DesktopIntegrationPlugin: the plugin type that carries an icon provider and opens the
//! help and about windows.

#include <corvad-common-qt5/plugin.h>

#include <QMap>
#include <QString>
#include <QVariant>

class QWidget;

namespace CorvadQt5 {

class IconProvider;

/*!
 * The plugin of type Plugin::DesktopIntegrationType: carries an icon provider and opens the
 * desktop's help contents and about window through the desktop's help menu.
 *
 * \code
 * class MyIcons : public CorvadQt5::IconProvider { ... };
 * class MyPlugin : public CorvadQt5::DesktopIntegrationPlugin
 * {
 * public:
 *     MyPlugin() : DesktopIntegrationPlugin(new MyIcons) {}
 * };
 * CORVADQT5_PLUGIN(CorvadQt5::Plugin::DesktopIntegrationType, MyPlugin)
 * \endcode
 *
 * The provider is not owned: the plugin never deletes it.
 *
 * Installing such a plugin into the plugin directory registers it: the first Common::ptr()
 * finds and loads it, and PluginManager::pluginHandles(Plugin::DesktopIntegrationType) hands
 * it out. It does not replace anything: Common keeps its built-in plugin, so
 * Common::iconProvider() and Common's help and about calls stay the built-in ones. An
 * application that wants the registered plugin's icons or windows asks the plugin manager
 * for it and calls the plugin itself.
 */
class CORVADQT5_EXPORT DesktopIntegrationPlugin : public Plugin
{
public:
    //! Keeps \a iconProvider as it is; null is accepted.
    explicit DesktopIntegrationPlugin(IconProvider *iconProvider);
    ~DesktopIntegrationPlugin() override;

    //! The provider given to the constructor, possibly null.
    IconProvider *iconProvider();
    //! Shows the help contents with \a parent (null allowed) as the help menu's parent.
    //! \a options are not read.
    void callApplicationHelpWindow(QWidget *parent, QMap<QString, QVariant> options);
    //! Shows the about window with \a parent (null allowed) as the help menu's parent.
    //! \a options are not read.
    void callApplicationAboutWindow(QWidget *parent, QMap<QString, QVariant> options);

private:
    IconProvider *m_iconProvider = nullptr;
};

} // namespace CorvadQt5
