// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The password dialog with confirmation, then the login dialog with a prefilled name, as an
// application opens them: for a screen reader in another process to listen to while keys
// are typed into them, with both aids of the password fields on. Ends when both are closed.
#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CorvadQt5::Common::setPasswordAidEnabled(CorvadQt5::Common::CapsLockWarning);
    CorvadQt5::Common::setPasswordAidEnabled(CorvadQt5::Common::RevealPassword);
    const QString title = QStringLiteral("Typing test");
    QString password = CorvadQt5::PasswordDialog::getPassword(nullptr, title, true);
    CorvadQt5::LoginDialog login(nullptr, title, QStringLiteral("alice"));
    login.exec();
    return password.isNull() ? 0 : 1; // both are cancelled
}
