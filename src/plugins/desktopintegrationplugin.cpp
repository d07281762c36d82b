// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/desktopintegrationplugin.h>

#include <zubhelpmenu.h>

namespace CorvadQt5 {

DesktopIntegrationPlugin::DesktopIntegrationPlugin(IconProvider *iconProvider)
    : m_iconProvider(iconProvider)
{
}

DesktopIntegrationPlugin::~DesktopIntegrationPlugin() = default;

IconProvider *DesktopIntegrationPlugin::iconProvider()
{
    return m_iconProvider;
}

// The options map is taken by value by design. clazy:excludeall=function-args-by-ref
void DesktopIntegrationPlugin::callApplicationHelpWindow(QWidget *parent,
                                                         QMap<QString, QVariant> options)
{
    Q_UNUSED(options)
    ZubHelpMenu menu(parent);
    menu.showContents();
}

void DesktopIntegrationPlugin::callApplicationAboutWindow(QWidget *parent,
                                                          QMap<QString, QVariant> options)
{
    Q_UNUSED(options)
    ZubHelpMenu menu(parent);
    menu.showAbout();
}

} // namespace CorvadQt5
