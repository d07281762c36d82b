// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Builds against the installed headers and library only; exits 0 when the library answers
// (with --german: in German, from the catalogue the install put in place).
#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/iconprovider.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString unique =
        CorvadQt5::Common::uniqueName(QStringLiteral("a"), {QStringLiteral("a")});
    const QIcon key = CorvadQt5::Common::ptr()->iconProvider()->iconById(CorvadQt5::IconKey);
    CorvadQt5::PasswordDialog dialog(nullptr, QString(), true);
    std::printf("uniqueName: %s, key icon: %s, dialog: %s\n", qPrintable(unique),
                key.isNull() ? "missing" : "present", qPrintable(dialog.windowTitle()));
    const bool german = app.arguments().contains(QStringLiteral("--german"));
    if (german && dialog.windowTitle() != QStringLiteral("Passwortabfrage"))
        return 1;
    return unique == QLatin1String("a0") && !key.isNull() ? 0 : 1;
}
