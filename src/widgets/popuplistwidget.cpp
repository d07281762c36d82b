// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/popuplistwidget.h>

#include "popupguard.h"
#include "base/screenplacement.h"

#include <QCursor>

namespace CorvadQt5 {
namespace {

void hideAndSignal(PopupListWidget *list)
{
    list->hide();
    emit list->editingFinished();
}

} // namespace

PopupListWidget::PopupListWidget(QWidget *parent) : QListWidget(parent)
{
    setWindowFlags(windowFlags() | ScreenPlacement::popupWindowType());
    resize(150, 150);
    new PopupGuard(this, [this] { hideAndSignal(this); });
}

PopupListWidget::~PopupListWidget() = default;

void PopupListWidget::popup()
{
    adjustSize();
    const QRect placed =
        ScreenPlacement::centredAt(ScreenPlacement::centreOf(parentWidget()), size());
    setGeometry(placed);
    if (!ScreenPlacement::popupsAreRelativeToParent()) // Wayland refuses to move the pointer
        QCursor::setPos(placed.topLeft() + QPoint(width() / 2, height() / 2));
    show();
}

void PopupListWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!isVisible()) // the window manager closed it; the pointer's going is no trigger
        return;
    PopupGuard *guard = PopupGuard::of(this);
    if (!guard) // a caller deleted the list's children, its guard among them
        hideAndSignal(this);
    else if (guard->leaveCounts()) // last: a slot may delete the list
        guard->closeOnce();
}

} // namespace CorvadQt5
