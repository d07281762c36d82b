// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "secretstore.h"

#include <QClipboard>
#include <QObject>
#include <QString>

class QAccessibleEvent;
class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace CorvadQt5 {

// Keeps what a user enters into a password field out of the field: every way text comes in
// (keys, input methods, paste by key, menu or middle click, drag and drop) reaches the field
// as placeholders, and the characters themselves go to a SecretStore. The field edits,
// selects and undoes as ever, on placeholders. Its accessibility events carry one mask
// character per character inserted or removed, so a screen reader hears a key land and
// nothing more.
class SecretField : public QObject
{
    Q_OBJECT

public:
    // Guards \a field for its whole life; the guard is the field's child.
    static void guard(QLineEdit *field);
    // The text \a field stands for, in a buffer of its own for a caller to keep (and wipe).
    static QString text(const QLineEdit *field);
    // Whether two fields stand for the same text, compared without copying either.
    static bool same(const QLineEdit *a, const QLineEdit *b);
    // Whether \a field holds only what the user entered through the guard: no text the program
    // set. An empty field holds nothing else.
    static bool enteredOnly(const QLineEdit *field);
    // The character entered as \a field's character at \a index, as a view that lasts until the
    // field next changes; empty for text the program set.
    static QStringView entered(const QLineEdit *field, int index);
    // Overwrites the whole buffer of \a text where \a text is its only owner.
    static void wipe(QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void pasteClipboard();

private:
    explicit SecretField(QLineEdit *field);
    static SecretField *of(const QLineEdit *field);
    static void maskAccessibleText(QAccessibleEvent *event);

    QString keep(QStringView typed);
    bool typeKey(QKeyEvent *key);
    bool compose(QInputMethodEvent *input);
    bool drop(QDropEvent *drop);
    bool showMenu(QContextMenuEvent *request);
    bool pasteSelection(QMouseEvent *click);
    void paste(QClipboard::Mode mode);
    // Hands \a placeholders, the field's copy of \a original, to the field alone.
    void deliver(QEvent *placeholders, QEvent *original);

    QLineEdit *m_field = nullptr;
    SecretStore m_store;
};

} // namespace CorvadQt5
