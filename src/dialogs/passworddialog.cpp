// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/passworddialog.h>

#include "credentialsform.h"
#include "passwordaids.h"
#include "secretfield.h"

#include <QLineEdit>
#include <QPushButton>

namespace CorvadQt5 {

PasswordDialog::PasswordDialog(QWidget *parent, const QString &title, bool confirmation)
    : QDialog(parent, Qt::WindowFlags()), m_confirm(confirmation)
{
    CredentialsForm form(this, title, tr("Password request"));
    m_password = form.addRow(tr("Password"), QStringLiteral("password"),
                             CredentialsForm::Creation::LabelFirst);
    m_password->setEchoMode(QLineEdit::Password);
    SecretField::guard(m_password);
    if (m_confirm) {
        m_confirmation = form.addRow(tr("Confirm password"), QStringLiteral("confirmation"),
                                     CredentialsForm::Creation::FieldFirst);
        m_confirmation->setEchoMode(QLineEdit::Password);
        SecretField::guard(m_confirmation);
    }
    PasswordAids::attach(form, {m_password, m_confirmation});
    m_accept = form.addButtons(tr("Accept"), tr("Cancel"), &m_cancel);
    form.centre();

    connect(m_password, "2textChanged( const QString & )", this,
            "1lineEditTextChanged( const QString & )");
    if (m_confirm)
        connect(m_confirmation, "2textChanged( const QString & )", this,
                "1lineEditTextChanged( const QString & )");
    connect(m_accept, "2clicked()", this, "1accept()");
    connect(m_cancel, "2clicked()", this, "1reject()");
}

PasswordDialog::~PasswordDialog() = default;

QString PasswordDialog::getPassword(QWidget *parent, const QString &title, bool confirmation)
{
    PasswordDialog dialog(parent, title, confirmation);
    if (dialog.exec() == QDialog::Accepted)
        return SecretField::text(dialog.m_password);
    return QString();
}

void PasswordDialog::accept()
{
    // Confirmation mode tests equality alone; the emptiness rule lives in the enabling rule.
    const bool passes = m_confirm ? SecretField::same(m_confirmation, m_password)
                                  : !m_password->text().isEmpty();
    if (passes)
        QDialog::accept();
}

void PasswordDialog::lineEditTextChanged(const QString &)
{
    const bool complete = !m_password->text().isEmpty() &&
                          (!m_confirm || SecretField::same(m_confirmation, m_password));
    m_accept->setEnabled(complete);
}

} // namespace CorvadQt5
