// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/popupwidget.h>

#include "popupguard.h"
#include "base/screenplacement.h"

#include <QEvent>
#include <QVBoxLayout>

namespace CorvadQt5 {
namespace {

void hideAndSignal(PopupWidget *popup)
{
    popup->hide();
    emit popup->done();
}

} // namespace

PopupWidget::PopupWidget(Mode mode, QWidget *parent)
    : QFrame(parent, Qt::WindowFlags()), m_mode(mode)
{
    setWindowFlags(windowFlags() | ScreenPlacement::popupWindowType() | Qt::FramelessWindowHint);
    new PopupGuard(this, [this] { hideAndSignal(this); });
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PopupWidget::~PopupWidget() = default;

void PopupWidget::setWidget(QWidget *widget)
{
    if (m_widget)
        layout()->removeWidget(m_widget);
    m_widget = widget;
    if (widget) // newer Qt layouts warn about a null widget; no content is nothing to show
        layout()->addWidget(widget);
}

void PopupWidget::popup()
{
    placeCentredOn(ScreenPlacement::centreOf(parentWidget()));
}

void PopupWidget::popup(const QPoint &pos) // clazy:exclude=function-args-by-value
{
    placeCentredOn(pos);
}

void PopupWidget::placeCentredOn(QPoint centre)
{
    adjustSize();
    setGeometry(
        ScreenPlacement::clampedToScreenAt(ScreenPlacement::centredAt(centre, size()), centre));
    show();
}

void PopupWidget::accept()
{
    if (PopupGuard *guard = PopupGuard::of(this))
        guard->closeOnce();
    else // a caller deleted the popup's children, its guard among them
        hideAndSignal(this);
}

// The close comes last in each handler: a slot connected to done() may delete the popup. A
// deactivation or a Leave that reaches a hidden popup (the window manager closed it, and
// the window system reports its focus and pointer going afterwards) is no trigger.
bool PopupWidget::event(QEvent *event)
{
    const bool closes = event->type() == QEvent::WindowDeactivate &&
                        m_mode == CloseOnDeactivate && isVisible();
    const bool handled = QFrame::event(event); // QFrame keeps its frame width up to date here
    if (closes)
        accept();
    return handled;
}

void PopupWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    QFrame::mouseDoubleClickEvent(event);
    accept();
}

void PopupWidget::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    const PopupGuard *guard = PopupGuard::of(this);
    if (m_mode == CloseOnLeave && isVisible() && (!guard || guard->leaveCounts()))
        accept();
}

} // namespace CorvadQt5
