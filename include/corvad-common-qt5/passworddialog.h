// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! PasswordDialog: a password request, optionally typed twice.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace CorvadQt5 {

/*!
 * A modal request for a password, optionally typed twice. Accept is enabled only while the
 * entry is complete: a non-empty password, equal to the confirmation in confirmation mode.
 *
 * \code
 * const QString password = CorvadQt5::PasswordDialog::getPassword(this, tr("New password"), true);
 * if (password.isNull())
 *     return; // cancelled
 * \endcode
 *
 * Child widgets carry the object names "password", "confirmation", "accept" and "cancel".
 */
class CORVADQT5_EXPORT PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    //! An empty \a title gives "Password request".
    explicit PasswordDialog(QWidget *parent = nullptr, const QString &title = QString(),
                            bool confirmation = false);
    ~PasswordDialog() override;

    /*!
     * Runs the dialog; the typed password on acceptance, a null string otherwise. The dialog
     * overwrites everything it held of the password before it is gone; what is returned is a
     * copy in a buffer of its own, the caller's to overwrite in place once done with it:
     *
     * \code
     * if (password.isDetached())
     *     std::fill(password.begin(), password.end(), QChar());
     * password.clear();
     * \endcode
     */
    static QString getPassword(QWidget *parent = nullptr, const QString &title = QString(),
                               bool confirmation = false);

    //! Closes the dialog as accepted only when the entry passes its test.
    void accept() override;

private Q_SLOTS:
    void lineEditTextChanged(const QString &);

private:
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirmation = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_confirm = false;
};

} // namespace CorvadQt5
