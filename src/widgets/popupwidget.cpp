// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/popupwidget.h>

#include "popupguard.h"
#include "screenplacement.h"

#include <QEvent>
#include <QVBoxLayout>

namespace CorvadQt5 {

PopupWidget::PopupWidget(Mode mode, QWidget *parent)
    : QFrame(parent, Qt::WindowFlags()), m_mode(mode)
{
    setWindowFlags(windowFlags() | ScreenPlacement::popupWindowType() | Qt::FramelessWindowHint);
    new PopupGuard(this, [this] {
        hide();
        emit done();
    });
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
    PopupGuard::of(this)->closeOnce();
}

// The close comes last in each handler: a slot connected to done() may delete the popup.
bool PopupWidget::event(QEvent *event)
{
    const bool closes = event->type() == QEvent::WindowDeactivate && m_mode == CloseOnDeactivate;
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
    if (m_mode == CloseOnLeave && PopupGuard::of(this)->leaveCounts())
        accept();
}

} // namespace CorvadQt5
