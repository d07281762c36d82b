// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "secretfield.h"

#include "base/qtmajor.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string.h>

namespace CorvadQt5 {
namespace {

// Room kept free in the text's buffer: an edit of up to this many characters (a key, a short
// paste) never makes Qt reallocate it.
constexpr int Room = 256;

} // namespace

SecretField::SecretField(QLineEdit *field)
    : QObject(field), m_field(field)
{
    field->installEventFilter(this);
    connect(field, "2textChanged( const QString & )", this, "1countEdit( const QString & )");
    prepareForEdit();
}

void SecretField::guard(QLineEdit *field)
{
    new SecretField(field);
}

void SecretField::wipe(QLineEdit *field)
{
    if (auto *guard = field->findChild<SecretField *>(QString(), Qt::FindDirectChildrenOnly))
        guard->wipe();
}

QString SecretField::copy(const QString &secret)
{
    return secret.isNull() ? QString() : QString(secret.constData(), secret.size());
}

void SecretField::wipe(QString &text)
{
    if (!text.isDetached())
        return; // a literal, or shared with someone who still holds it
    const QtMajor::StringBuffer buffer = QtMajor::stringBuffer(text);
    explicit_bzero(buffer.start, buffer.bytes);
}

bool SecretField::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
        prepareForEdit();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SecretField::countEdit(const QString &text)
{
    // An edit from a characters to b records at most a removals, b insertions, a separator
    // and a selection.
    m_pending += m_length + text.size() + 2;
    m_length = text.size();
}

void SecretField::prepareForEdit()
{
    QString text = m_field->text(); // the field's own buffer, shared
    const bool roomy = text.capacity() - text.size() >= Room;
    if (m_pending == 0 && roomy)
        return; // no edit since the history was emptied (a key that moved the cursor)
    m_records = qMax(m_records, m_pending);
    m_pending = 0;
    QString next = text;
    if (!roomy) {
        next = QString();
        next.reserve(text.size() + Room + Room);
        next.append(text);
    }
    const int cursor = m_field->cursorPosition();
    const int start = m_field->selectionStart();
    const int length = m_field->selectionLength();
    {
        // setText empties the undo history; the text stays the same, so no signal but the
        // cursor's would be sent, and the cursor is put back.
        const QSignalBlocker blocker(m_field);
        m_field->setText(next);
        if (start < 0)
            m_field->setCursorPosition(cursor);
        else if (cursor == start)
            m_field->setSelection(start + length, -length);
        else
            m_field->setSelection(start, length);
    }
    next = QString();
    wipe(text); // the old buffer, where the text moved
}

void SecretField::wipe()
{
    m_records = qMax(m_records, m_pending);
    const QSignalBlocker blocker(m_field);
    QString text = m_field->text();
    m_field->setText(QString());
    wipe(text);
    // Writes over the undo records the history's buffer still holds: after setText the
    // history is empty, and each character inserted takes the next of its slots.
    const int maxLength = m_field->maxLength();
    m_field->setMaxLength(32767);
    m_field->insert(QString(int(m_records), QLatin1Char('*')));
    m_field->setText(QString());
    m_field->setMaxLength(maxLength);
    m_records = m_pending = m_length = 0;
}

} // namespace CorvadQt5
