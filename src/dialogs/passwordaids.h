// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "base/capslock.h"

#include <QList>
#include <QObject>
#include <QTimer>

class QAction;
class QLabel;
class QLineEdit;
class QPaintEvent;

namespace CorvadQt5 {

class CredentialsForm;

// The aids an application may turn on for the password fields of the password and login
// dialogs (Common::PasswordAid): a line that warns of Caps Lock while a field has the focus,
// and a button in the first field that shows what the user typed in every field. The shown
// text is drawn a character at a time from the fields' guards, over the field's own masks, so
// that no copy of it is made; text the program set is never shown.
class PasswordAids : public QObject
{
    Q_OBJECT

public:
    // Gives \a fields (null ones left out), the first the one with the button, the aids turned
    // on, the warning in \a form's next line; nothing where none is on.
    static void attach(CredentialsForm &form, QList<QLineEdit *> fields);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void toggle();
    void conceal();
    void fieldChanged();

private:
    PasswordAids(QObject *parent, const QList<QLineEdit *> &fields);

    bool hasField(QObject *object) const;
    void followCapsLock(CapsLock::State state);
    void showWarning(bool show);
    void setRevealed(bool revealed);
    void paintEntered(QLineEdit *field, QPaintEvent *paint);

    QWidget *const m_dialog;
    const QList<QLineEdit *> m_fields;
    QTimer m_idle; // hides the text after a while without a key
    QLabel *m_warning = nullptr; // null without the warning
    QAction *m_reveal = nullptr; // null without the button
    CapsLock::State m_capsLock = CapsLock::State::Unknown;
    bool m_revealed = false;
};

} // namespace CorvadQt5
