// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// A desktop-integration plugin with icons of its own: the built-in set, except that the
// "unknown" icon is the help icon.
#include <corvad-common-qt5/desktopintegrationplugin.h>
#include <corvad-common-qt5/nativeiconprovider.h>

namespace {

class HelpfulIcons : public CorvadQt5::NativeIconProvider
{
public:
    QIcon iconById(int id) override
    {
        return NativeIconProvider::iconById(id == CorvadQt5::IconUnknown ? int(CorvadQt5::IconHelp)
                                                                         : id);
    }
};

HelpfulIcons icons;

class ExamplePlugin : public CorvadQt5::DesktopIntegrationPlugin
{
public:
    ExamplePlugin() : DesktopIntegrationPlugin(&icons) {}
};

} // namespace

CORVADQT5_PLUGIN(CorvadQt5::Plugin::DesktopIntegrationType, ExamplePlugin)
