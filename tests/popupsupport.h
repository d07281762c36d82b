// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <corvad-common-qt5/popupwidget.h>

// A popup whose size after adjustSize() is exactly \a size, whatever the style's margins.
inline CorvadQt5::PopupWidget *
popupOfSize(QSize size, CorvadQt5::PopupWidget::Mode mode = CorvadQt5::PopupWidget::CloseOnLeave,
            QWidget *parent = nullptr)
{
    auto *popup = new CorvadQt5::PopupWidget(mode, parent);
    auto *content = new QWidget;
    content->setFixedSize(size);
    popup->setWidget(content);
    popup->adjustSize();
    content->setFixedSize(size * 2 - popup->size());
    return popup;
}
