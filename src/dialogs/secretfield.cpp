// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "secretfield.h"

#include "base/qtmajor.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStyle>

#include <string.h>

namespace CorvadQt5 {
namespace {

QAccessible::UpdateHandler previousHandler = nullptr;

// On to the application's handler where it had one, else along Qt's own path to the
// platform (the AT-SPI bridge), taken with no handler installed; whichever handler is
// current then is put back.
void forward(QAccessibleEvent *event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

// Overwrites the stack below the caller's frame, where whatever handled a secret on its way
// in (a clipboard's conversions, vector registers spilled) may have left it: libgcrypt and
// GnuPG burn their stacks the same way.
__attribute__((noinline)) void burnStack()
{
    char area[16384];
    explicit_bzero(area, sizeof area);
}

// Text made only of control characters (Return, Escape, Ctrl with a letter) is never
// inserted: such a key keeps its text.
bool typesText(const QString &text)
{
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return !text.isEmpty();
}

} // namespace

SecretField::SecretField(QLineEdit *field)
    : QObject(field), m_field(field)
{
    static const bool masking = [] {
        previousHandler = QAccessible::installUpdateHandler(maskAccessibleText);
        return true;
    }();
    Q_UNUSED(masking)
    field->installEventFilter(this);
}

void SecretField::guard(QLineEdit *field)
{
    new SecretField(field);
}

SecretField *SecretField::of(const QLineEdit *field)
{
    return field->findChild<SecretField *>(QString(), Qt::FindDirectChildrenOnly);
}

QString SecretField::text(const QLineEdit *field)
{
    const SecretField *guard = of(field);
    return guard ? guard->m_store.reveal(field->text()) : field->text();
}

bool SecretField::same(const QLineEdit *a, const QLineEdit *b)
{
    const SecretField *guardA = of(a), *guardB = of(b);
    if (!guardA || !guardB)
        return a->text() == b->text();
    return SecretStore::same(guardA->m_store, a->text(), guardB->m_store, b->text());
}

bool SecretField::enteredOnly(const QLineEdit *field)
{
    const SecretField *guard = of(field);
    const QString shown = field->text();
    for (int i = 0; i < shown.size(); ++i) {
        if (!guard || guard->m_store.standsFor(shown.at(i)).isEmpty())
            return false;
    }
    return true;
}

QStringView SecretField::entered(const QLineEdit *field, int index)
{
    const SecretField *guard = of(field);
    const QString shown = field->text();
    if (!guard || index < 0 || index >= shown.size())
        return QStringView();
    return guard->m_store.standsFor(shown.at(index));
}

void SecretField::wipe(QString &text)
{
    if (!text.isDetached())
        return; // a literal, or shared with someone who still holds it
    const QtMajor::StringBuffer buffer = QtMajor::stringBuffer(text);
    if (buffer.start)
        explicit_bzero(buffer.start, buffer.bytes);
}

// The field's text events tell how many characters came and went, as mask characters.
void SecretField::maskAccessibleText(QAccessibleEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(event->object());
    if (!field || !of(field)) {
        forward(event);
        return;
    }
    const QChar mask(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                               field));
    const auto masked = [mask](const QString &text) { return QString(text.size(), mask); };
    switch (event->type()) {
    case QAccessible::TextInserted: {
        auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent copy(field, inserted->changePosition(),
                                        masked(inserted->textInserted()));
        copy.setCursorPosition(inserted->cursorPosition());
        forward(&copy);
        break;
    }
    case QAccessible::TextRemoved: {
        auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent copy(field, removed->changePosition(),
                                        masked(removed->textRemoved()));
        copy.setCursorPosition(removed->cursorPosition());
        forward(&copy);
        break;
    }
    case QAccessible::TextUpdated: {
        auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent copy(field, updated->changePosition(),
                                        masked(updated->textRemoved()),
                                        masked(updated->textInserted()));
        copy.setCursorPosition(updated->cursorPosition());
        forward(&copy);
        break;
    }
    default:
        forward(event);
        break;
    }
}

bool SecretField::eventFilter(QObject *watched, QEvent *event)
{
    // Asked only for events that bring text: while the field is destroyed, QWidget's
    // destructor sends it events of its own, and it is a QLineEdit no longer.
    const auto editable = [this, watched] { return watched == m_field && !m_field->isReadOnly(); };
    switch (event->type()) {
    case QEvent::KeyPress:
        return editable() && typeKey(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod:
        return editable() && compose(static_cast<QInputMethodEvent *>(event));
    case QEvent::Drop:
        return editable() && drop(static_cast<QDropEvent *>(event));
    case QEvent::ContextMenu:
        return editable() && showMenu(static_cast<QContextMenuEvent *>(event));
    case QEvent::MouseButtonRelease:
        return editable() && pasteSelection(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

QString SecretField::keep(QStringView typed)
{
    return m_store.keep(typed, m_field->text());
}

bool SecretField::typeKey(QKeyEvent *key)
{
    if (key->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the selection where there is one (X11), as in Qt.
        const bool selection = key->key() == Qt::Key_Insert
                               && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                               && QGuiApplication::clipboard()->supportsSelection();
        paste(selection ? QClipboard::Selection : QClipboard::Clipboard);
        key->accept();
        return true;
    }
    if (!typesText(key->text()))
        return false;
    QKeyEvent placeholders = QtMajor::keyEventWithText(*key, keep(key->text()));
    deliver(&placeholders, key);
    return true;
}

bool SecretField::compose(QInputMethodEvent *input)
{
    if (input->commitString().isEmpty() && input->preeditString().isEmpty())
        return false;
    // Qt shows the text being composed as mask characters; what it is matters to no one.
    QInputMethodEvent placeholders(
        QString(input->preeditString().size(), QChar(SecretStore::Composing)),
        input->attributes());
    placeholders.setCommitString(keep(input->commitString()), input->replacementStart(),
                                 input->replacementLength());
    deliver(&placeholders, input);
    return true;
}

bool SecretField::drop(QDropEvent *drop)
{
    QString text = drop->mimeData()->text();
    if (text.isNull())
        return false;
    QMimeData mime;
    mime.setText(keep(text));
    wipe(text);
    QDropEvent placeholders = QtMajor::dropEventWithData(*drop, &mime);
    deliver(&placeholders, drop);
    drop->setDropAction(placeholders.dropAction());
    return true;
}

bool SecretField::showMenu(QContextMenuEvent *request)
{
    QMenu *menu = m_field->createStandardContextMenu();
    if (!menu)
        return false;
    // Qt's Paste would put the clipboard's text into the field as it is. Its name comes from
    // Qt's own catalogue, named through constants so that lupdate leaves it out of ours.
    static const char *const qtContext = "QLineEdit", *const qtPaste = "&Paste";
    const QString paste = QCoreApplication::translate(qtContext, qtPaste);
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == paste) {
            action->disconnect(m_field);
            connect(action, "2triggered()", this, "1pasteClipboard()");
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(request->globalPos());
    request->accept();
    return true;
}

bool SecretField::pasteSelection(QMouseEvent *click)
{
    if (click->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    m_field->deselect();
    paste(QClipboard::Selection);
    click->accept();
    return true;
}

void SecretField::pasteClipboard()
{
    paste(QClipboard::Clipboard);
}

void SecretField::paste(QClipboard::Mode mode)
{
    QString clip = QGuiApplication::clipboard()->text(mode);
    if (!clip.isEmpty() || m_field->hasSelectedText())
        m_field->insert(keep(clip));
    wipe(clip);
    burnStack();
}

void SecretField::deliver(QEvent *placeholders, QEvent *original)
{
    // Straight to the field: the original goes on to the field's parents where the field
    // leaves it unaccepted, as it would have without the copy.
    static_cast<QObject *>(m_field)->event(placeholders);
    original->setAccepted(placeholders->isAccepted());
    burnStack();
}

} // namespace CorvadQt5
