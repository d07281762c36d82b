// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/nativeiconprovider.h>

namespace CorvadQt5 {
namespace {

QString resourceName(int id)
{
    switch (id) {
    case IconOpen:
        return QStringLiteral("open");
    case IconPrinter:
        return QStringLiteral("printer");
    case IconExport:
    case IconExportAlt:
        return QStringLiteral("export");
    case IconAbout:
        return QStringLiteral("about");
    case IconHelp:
        return QStringLiteral("help");
    case IconCancel:
        return QStringLiteral("cancel");
    case IconUser:
        return QStringLiteral("user");
    case IconGroup:
        return QStringLiteral("group");
    case IconKey:
        return QStringLiteral("key");
    case IconPlus:
        return QStringLiteral("plus");
    case IconMinus:
        return QStringLiteral("minus");
    case IconConnect:
        return QStringLiteral("connect");
    case IconDisconnect:
        return QStringLiteral("disconnect");
    case IconGears:
        return QStringLiteral("gears");
    case IconRefresh:
        return QStringLiteral("refresh");
    case IconTxt:
        return QStringLiteral("txt"); // not in the set: a null icon
    default:
        return QStringLiteral("unknown");
    }
}

} // namespace

QIcon NativeIconProvider::iconById(int id)
{
    return QIcon(QStringLiteral(":/resources/icons/") + resourceName(id) + QStringLiteral(".png"));
}

} // namespace CorvadQt5
