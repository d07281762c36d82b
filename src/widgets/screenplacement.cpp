// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "screenplacement.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QWidget>

namespace CorvadQt5::ScreenPlacement {
namespace {

int clampOffset(int start, int length, int screenLength)
{
    if (start + length > screenLength)
        return screenLength - (start + length);
    return start < 0 ? -start : 0;
}

} // namespace

QSize defaultScreenSize()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED // the screen widget of the desktop is what is measured
        return QApplication::desktop()
            ->screen(-1)
            ->geometry()
            .size();
    QT_WARNING_POP
}

QPoint centredOnScreen(QSize size)
{
    const QSize screen = defaultScreenSize();
    return {(screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2};
}

QPoint centreOf(const QWidget *parent)
{
    if (!parent) {
        const QSize screen = defaultScreenSize();
        return {screen.width() / 2, screen.height() / 2};
    }
    return parent->mapToGlobal(QPoint(0, 0)) + QPoint(parent->width() / 2, parent->height() / 2);
}

QRect clampedToScreen(QRect rect)
{
    const QSize screen = defaultScreenSize();
    return rect.translated(clampOffset(rect.x(), rect.width(), screen.width()),
                           clampOffset(rect.y(), rect.height(), screen.height()));
}

} // namespace CorvadQt5::ScreenPlacement
