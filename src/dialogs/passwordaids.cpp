// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "passwordaids.h"

#include <corvad-common-qt5/common.h>

#include "credentialsform.h"
#include "secretfield.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <utility>

namespace CorvadQt5 {
namespace {

constexpr int IdleMilliseconds = 30000;

// The desktop theme's eye where it has one (KDE's name, then GNOME's), else the library's.
QIcon revealIcon()
{
    for (const char *name : {"view-visible", "view-reveal-symbolic"}) {
        QIcon themed = QIcon::fromTheme(QLatin1String(name));
        if (!themed.isNull())
            return themed;
    }
    QIcon own;
    own.addFile(QStringLiteral(":/resources/icons/reveal.png"));
    own.addFile(QStringLiteral(":/resources/icons/reveal@2x.png"));
    return own;
}

// Where a line edit draws its text, inside the frame.
QRect textArea(const QLineEdit *field)
{
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.rect = field->rect();
    frame.lineWidth = field->hasFrame()
                          ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field)
                          : 0;
    return field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
}

} // namespace

PasswordAids::PasswordAids(QObject *parent, const QList<QLineEdit *> &fields)
    : QObject(parent), m_dialog(fields.first()->window()), m_fields(fields), m_idle(this)
{
    m_idle.setObjectName(QStringLiteral("revealIdle"));
    m_idle.setSingleShot(true);
    m_idle.setTimerType(Qt::PreciseTimer); // 30 seconds, not 30 rounded to whole seconds
    m_idle.setInterval(IdleMilliseconds);
    connect(&m_idle, "2timeout()", this, "1conceal()");
    m_dialog->installEventFilter(this);
}

void PasswordAids::attach(CredentialsForm &form, QList<QLineEdit *> fields)
{
    fields.removeAll(nullptr);
    const bool warn = Common::isPasswordAidEnabled(Common::CapsLockWarning);
    const bool reveal = Common::isPasswordAidEnabled(Common::RevealPassword);
    if ((!warn && !reveal) || fields.isEmpty())
        return;
    auto *aids = new PasswordAids(fields.first()->parent(), fields);
    if (warn)
        aids->m_warning = form.addNote(tr("Caps Lock is on"), QStringLiteral("capsLockWarning"));
    if (reveal) {
        aids->m_reveal = fields.first()->addAction(revealIcon(), QLineEdit::TrailingPosition);
        aids->m_reveal->setObjectName(QStringLiteral("reveal"));
        aids->m_reveal->setText(tr("Show password"));
        connect(aids->m_reveal, "2triggered()", aids, "1toggle()");
        for (QLineEdit *field : std::as_const(fields))
            connect(field, "2textChanged( const QString & )", aids, "1fieldChanged()");
    }
}

bool PasswordAids::hasField(QObject *object) const
{
    for (QLineEdit *field : m_fields) {
        if (field == object)
            return true;
    }
    return false;
}

bool PasswordAids::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // While the dialog is shown, keys pressed anywhere in it tell of Caps Lock where the
    // window system cannot be asked; the fields' own events are among them. QDialog hides
    // before its children go, so nothing of it is touched once it is hidden.
    case QEvent::Show:
        if (watched == m_dialog)
            QCoreApplication::instance()->installEventFilter(this);
        return false;
    case QEvent::Hide:
        if (watched == m_dialog) {
            QCoreApplication::instance()->removeEventFilter(this);
            conceal();
        }
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != m_dialog)
            return false;
        if (m_revealed && event->type() == QEvent::KeyPress)
            m_idle.start();
        if (m_warning)
            followCapsLock(CapsLock::afterKey(static_cast<QKeyEvent *>(event), widget, m_capsLock));
        return false;
    }
    case QEvent::FocusIn:
        if (m_warning && hasField(watched)) {
            const CapsLock::State asked = CapsLock::now(static_cast<QWidget *>(watched));
            followCapsLock(asked == CapsLock::State::Unknown ? m_capsLock : asked);
        }
        return false;
    case QEvent::FocusOut:
        if (hasField(watched)) {
            followCapsLock(m_capsLock);
            if (!hasField(QApplication::focusWidget()))
                conceal();
        }
        return false;
    case QEvent::Paint:
        if (m_revealed && hasField(watched)) {
            paintEntered(static_cast<QLineEdit *>(watched), static_cast<QPaintEvent *>(event));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void PasswordAids::followCapsLock(CapsLock::State state)
{
    m_capsLock = state;
    showWarning(state == CapsLock::State::On && hasField(QApplication::focusWidget()));
}

void PasswordAids::showWarning(bool show)
{
    if (!m_warning || show == m_warning->isVisible())
        return;
    m_warning->setVisible(show);
    // A screen reader hears the focused field's description change, once.
    for (QLineEdit *field : m_fields)
        field->setAccessibleDescription(show && field->hasFocus() ? m_warning->text() : QString());
}

void PasswordAids::toggle()
{
    setRevealed(!m_revealed);
}

void PasswordAids::conceal()
{
    setRevealed(false);
}

void PasswordAids::fieldChanged()
{
    bool entered = true;
    for (QLineEdit *field : m_fields)
        entered = entered && SecretField::enteredOnly(field);
    m_reveal->setEnabled(entered);
    if (!entered)
        conceal();
}

void PasswordAids::setRevealed(bool revealed)
{
    if (!m_reveal || revealed == m_revealed || (revealed && !m_reveal->isEnabled()))
        return;
    m_revealed = revealed;
    m_reveal->setText(revealed ? tr("Hide password") : tr("Show password"));
    if (revealed)
        m_idle.start();
    else
        m_idle.stop();
    for (QLineEdit *field : m_fields)
        field->update();
}

// The field paints its frame, masks and cursor; over each mask goes the character it stands
// for, in the order typed, each drawn on its own. Qt lays the masks out in the field's
// direction, the characters go left to right, so the cursor is drawn again where it falls
// among them.
void PasswordAids::paintEntered(QLineEdit *field, QPaintEvent *paint)
{
    static_cast<QObject *>(field)->event(paint);
    const int count = int(field->text().size());
    if (count == 0)
        return;
    const QChar mask(
        field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field));
    const QFontMetricsF metrics(field->font());
    const qreal advance = metrics.horizontalAdvance(mask);
    const QRectF cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const int at = field->cursorPosition();
    const qreal cursorX = cursor.center().x();
    const qreal left = cursorX - (field->isRightToLeft() ? count - at : at) * advance;
    const int selected = field->selectionStart();
    const int selectedEnd = selected + field->selectionLength();
    const QPalette &palette = field->palette();

    QPainter painter(field);
    painter.setClipRect(textArea(field));
    painter.setFont(field->font());
    painter.fillRect(QRectF(left - 1, cursor.top(), count * advance + 2, cursor.height()),
                     palette.brush(QPalette::Base));
    for (int i = 0; i < count; ++i) {
        const QRectF slot(left + i * advance, cursor.top(), advance, cursor.height());
        const bool inSelection = selected >= 0 && i >= selected && i < selectedEnd;
        if (inSelection)
            painter.fillRect(slot, palette.brush(QPalette::Highlight));
        painter.setPen(palette.color(inSelection ? QPalette::HighlightedText : QPalette::Text));
        QString character = SecretField::entered(field, i).toString();
        const qreal width = metrics.horizontalAdvance(character);
        painter.save();
        painter.translate(slot.center());
        if (width > advance) // a wide character keeps to its mask's place
            painter.scale(advance / width, 1);
        painter.drawText(QRectF(-width / 2, -slot.height() / 2, width, slot.height()),
                         Qt::AlignCenter, character);
        painter.restore();
        SecretField::wipe(character);
    }
    if (field->hasFocus())
        painter.fillRect(QRectF(left + at * advance, cursor.top(), 1, cursor.height()),
                         palette.brush(QPalette::Text));
}

} // namespace CorvadQt5
