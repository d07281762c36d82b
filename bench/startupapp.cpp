// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// One start of an application that opens a password dialog and closes it again: with the
// library (CORVADQT5_WITH_LIBRARY) or with the same widgets built with plain Qt.
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef CORVADQT5_WITH_LIBRARY
#include <corvad-common-qt5/passworddialog.h>
#endif

#ifndef CORVADQT5_WITH_LIBRARY
namespace {

QDialog *plainPasswordDialog()
{
    auto *dialog = new QDialog;
    dialog->setWindowIcon(QIcon(QStringLiteral(CORVADQT5_KEY_ICON))); // the same image, from disk
    dialog->setWindowTitle(QStringLiteral("Password request"));
    auto *layout = new QVBoxLayout(dialog);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Password:"), dialog));
    auto *password = new QLineEdit(dialog);
    password->setEchoMode(QLineEdit::Password);
    row->addWidget(password);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(0);
    buttons->addWidget(new QPushButton(QStringLiteral("Accept"), dialog));
    buttons->addSpacing(10);
    buttons->addWidget(new QPushButton(QStringLiteral("Cancel"), dialog));
    buttons->addStretch(0);
    layout->addLayout(buttons);
    dialog->adjustSize();
    return dialog;
}

} // namespace
#endif

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
#ifdef CORVADQT5_WITH_LIBRARY
    QDialog *dialog = new CorvadQt5::PasswordDialog;
#else
    QDialog *dialog = plainPasswordDialog();
#endif
    dialog->show();
    QCoreApplication::processEvents();
    dialog->close();
    delete dialog;
    return 0;
}
