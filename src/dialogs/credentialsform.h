// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace CorvadQt5 {

// Builds the common frame of the password and login dialogs: key icon, title, rows of a
// label and a field, the centred Accept and Cancel buttons, and the place on the screen.
class CredentialsForm
{
public:
    // Which of a row's two widgets is created first; the label is always shown first.
    enum class Creation { LabelFirst, FieldFirst };

    CredentialsForm(QDialog *dialog, const QString &title, const QString &defaultTitle);

    QLineEdit *addRow(const QString &label, const QString &objectName, Creation creation);
    // A line of its own, hidden, that keeps its place while hidden: showing it moves nothing.
    QLabel *addNote(const QString &text, const QString &objectName);
    // Accept starts disabled.
    QPushButton *addButtons(const QString &accept, const QString &cancel,
                            QPushButton **cancelButton);
    // Adjusts the dialog's size and centres it on the screen of its parent's window, or on
    // the primary screen without a parent.
    void centre();

private:
    QDialog *m_dialog = nullptr;
    QVBoxLayout *m_layout = nullptr;
};

} // namespace CorvadQt5
