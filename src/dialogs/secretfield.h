// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace CorvadQt5 {

// Keeps what is typed into a password field out of memory that is freed unwiped. A QLineEdit
// records every typed character for undo and grows its text by reallocating; here the text
// lives in one buffer with room to spare, moved (and the old one wiped) before Qt would
// reallocate it, and the undo history is emptied before each key, so only the last edit's
// records stay in the history's buffer. wipe() overwrites both before the field goes.
class SecretField : public QObject
{
    Q_OBJECT

public:
    // Guards \a field for its whole life; the guard is the field's child.
    static void guard(QLineEdit *field);
    // Overwrites the text and undo records of a guarded field and leaves it empty.
    static void wipe(QLineEdit *field);
    // A copy in a buffer of its own, for a caller to keep (and wipe) after the field is gone.
    static QString copy(const QString &secret);
    // Overwrites the whole buffer of \a text where \a text is its only owner.
    static void wipe(QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void countEdit(const QString &text);

private:
    explicit SecretField(QLineEdit *field);
    // Empties the undo history and makes room for the next edit, keeping cursor and selection.
    void prepareForEdit();
    void wipe();

    QLineEdit *m_field = nullptr;
    // Upper bounds of the undo records: those since the history was last emptied, and the
    // most ever held, which the history's buffer may still hold.
    qsizetype m_pending = 0;
    qsizetype m_records = 0;
    qsizetype m_length = 0;
};

} // namespace CorvadQt5
