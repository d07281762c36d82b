// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "credentialsform.h"

#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/iconprovider.h>

#include "base/screenplacement.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace CorvadQt5 {

CredentialsForm::CredentialsForm(QDialog *dialog, const QString &title, const QString &defaultTitle)
    : m_dialog(dialog)
{
    dialog->setWindowIcon(Common::ptr()->iconProvider()->iconById(IconKey));
    dialog->setWindowTitle(title.isEmpty() ? defaultTitle : title);
    m_layout = new QVBoxLayout(dialog);
}

QLineEdit *CredentialsForm::addRow(const QString &label, const QString &objectName,
                                   Creation creation)
{
    QLabel *caption = nullptr;
    QLineEdit *field = nullptr;
    const QString text = label + QLatin1Char(':');
    if (creation == Creation::LabelFirst) {
        caption = new QLabel(text, m_dialog);
        field = new QLineEdit(m_dialog);
    } else {
        field = new QLineEdit(m_dialog);
        caption = new QLabel(text, m_dialog);
    }
    field->setObjectName(objectName);
    // The label is no buddy, so a screen reader learns the field's purpose only from this.
    field->setAccessibleName(label);
    auto *row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(field);
    m_layout->addLayout(row);
    return field;
}

QLabel *CredentialsForm::addNote(const QString &text, const QString &objectName)
{
    auto *note = new QLabel(text, m_dialog);
    note->setObjectName(objectName);
    QSizePolicy policy = note->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    note->setSizePolicy(policy);
    note->hide();
    m_layout->addWidget(note);
    return note;
}

QPushButton *CredentialsForm::addButtons(const QString &accept, const QString &cancel,
                                         QPushButton **cancelButton)
{
    auto *acceptButton = new QPushButton(accept, m_dialog);
    acceptButton->setObjectName(QStringLiteral("accept"));
    acceptButton->setEnabled(false);
    *cancelButton = new QPushButton(cancel, m_dialog);
    (*cancelButton)->setObjectName(QStringLiteral("cancel"));

    auto *row = new QHBoxLayout;
    row->addStretch(0);
    row->addWidget(acceptButton);
    row->addSpacing(10);
    row->addWidget(*cancelButton);
    row->addStretch(0);
    m_layout->addLayout(row);
    return acceptButton;
}

void CredentialsForm::centre()
{
    m_dialog->adjustSize();
    const QRect screen = ScreenPlacement::screenOf(m_dialog->parentWidget());
    m_dialog->setGeometry(
        QRect(ScreenPlacement::centredIn(screen, m_dialog->size()), m_dialog->size()));
}

} // namespace CorvadQt5
