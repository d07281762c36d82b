// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/logindialog.h>

#include "credentialsform.h"
#include "passwordaids.h"
#include "secretfield.h"

#include <QLineEdit>
#include <QPushButton>

namespace CorvadQt5 {

LoginDialog::LoginDialog(QWidget *parent, const QString &title, const QString &login)
    : QDialog(parent, Qt::WindowFlags())
{
    CredentialsForm form(this, title, tr("Autentification"));
    m_login =
        form.addRow(tr("Login"), QStringLiteral("login"), CredentialsForm::Creation::LabelFirst);
    m_login->setText(login); // before the connections: prefilling runs no slot
    m_password = form.addRow(tr("Password"), QStringLiteral("password"),
                             CredentialsForm::Creation::FieldFirst);
    m_password->setEchoMode(QLineEdit::Password);
    SecretField::guard(m_password);
    PasswordAids::attach(form, {m_password});
    m_accept = form.addButtons(tr("Accept"), tr("Cancel"), &m_cancel);
    if (!m_login->text().isEmpty())
        m_password->setFocus(Qt::OtherFocusReason);
    form.centre();

    connect(m_login, "2textChanged( const QString & )", this, "1lineEditTextChanged()");
    connect(m_password, "2textChanged( const QString & )", this, "1lineEditTextChanged()");
    connect(m_accept, "2clicked()", this, "1accept()");
    connect(m_cancel, "2clicked()", this, "1reject()");
}

LoginDialog::~LoginDialog() = default;

QString LoginDialog::login()
{
    return m_login->text();
}

QString LoginDialog::password()
{
    return SecretField::text(m_password);
}

void LoginDialog::accept()
{
    QDialog::accept();
}

void LoginDialog::lineEditTextChanged()
{
    m_accept->setEnabled(!m_login->text().isEmpty() && !m_password->text().isEmpty());
}

} // namespace CorvadQt5
