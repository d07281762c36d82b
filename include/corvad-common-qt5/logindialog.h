// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! LoginDialog: a login and password request.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace CorvadQt5 {

/*!
 * A modal request for a login name and a password. Accept is enabled while both fields hold
 * text. A prefilled login puts the keyboard focus on the password field.
 *
 * \code
 * CorvadQt5::LoginDialog dialog(this, QString(), lastLogin);
 * if (dialog.exec() == QDialog::Accepted)
 *     connectAs(dialog.login(), dialog.password());
 * \endcode
 *
 * Child widgets carry the object names "login", "password", "accept" and "cancel".
 */
class CORVADQT5_EXPORT LoginDialog : public QDialog
{
    Q_OBJECT

public:
    //! An empty \a title gives "Autentification"; \a login prefills the login field.
    explicit LoginDialog(QWidget *parent = nullptr, const QString &title = QString(),
                         const QString &login = QString());
    ~LoginDialog() override;

    //! The login field's text, whatever the dialog's result.
    QString login();
    /*!
     * The password field's text, whatever the dialog's result, as a copy in a buffer of its
     * own. The destructor overwrites everything the dialog held of the password; the copy is
     * the caller's to overwrite in place before dropping it (see PasswordDialog::getPassword).
     */
    QString password();

    //! Closes the dialog as accepted, whatever the fields hold.
    void accept() override;

private Q_SLOTS:
    void lineEditTextChanged();

private:
    QLineEdit *m_login = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace CorvadQt5
