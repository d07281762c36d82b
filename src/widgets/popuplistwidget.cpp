// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/popuplistwidget.h>

#include "screenplacement.h"

#include <QCursor>

namespace CorvadQt5 {

PopupListWidget::PopupListWidget(QWidget *parent) : QListWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::Window);
    resize(150, 150);
}

PopupListWidget::~PopupListWidget() = default;

void PopupListWidget::popup()
{
    adjustSize();
    const QPoint centre = ScreenPlacement::centreOf(parentWidget());
    const QPoint topLeft = centre - QPoint(width() / 2, height() / 2);
    setGeometry(QRect(topLeft, size()));
    QCursor::setPos(topLeft + QPoint(width() / 2, height() / 2));
    show();
}

void PopupListWidget::leaveEvent(QEvent *event)
{
    hide();
    emit editingFinished();
    QWidget::leaveEvent(event);
}

} // namespace CorvadQt5
