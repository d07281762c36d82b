// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "screenplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <limits>

namespace CorvadQt5::ScreenPlacement {
namespace {

constexpr qint64 IntMin = std::numeric_limits<int>::min();
constexpr qint64 IntMax = std::numeric_limits<int>::max();

// A start for an extent of \a length whose last coordinate, start + length - 1 (what QRect
// keeps), still fits in an int at either end.
int representable(qint64 start, qint64 length)
{
    return int(qBound(IntMin + qMax<qint64>(1 - length, 0), start, IntMax - qMax<qint64>(length, 0)));
}

// QRect's own width() and height() overflow for extents near the ends of int in Qt 5.
qint64 widthOf(QRect rect)
{
    return qint64(rect.right()) - rect.left() + 1;
}

qint64 heightOf(QRect rect)
{
    return qint64(rect.bottom()) - rect.top() + 1;
}

qint64 clampedStart(qint64 start, qint64 length, qint64 screenStart, qint64 screenLength)
{
    if (start + length > screenStart + screenLength)
        return screenStart + screenLength - length;
    return start < screenStart ? screenStart : start;
}

QRect geometryOf(const QScreen *screen)
{
    return screen ? screen->geometry() : QRect(0, 0, 0, 0);
}

} // namespace

bool popupsAreRelativeToParent()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

Qt::WindowType popupWindowType()
{
    return popupsAreRelativeToParent() ? Qt::Popup : Qt::Window;
}

// What Qt 5's default screen widget (QDesktopWidget::screen(-1), gone in Qt 6) measured.
QRect primaryScreen()
{
    return geometryOf(QGuiApplication::primaryScreen());
}

QRect screenOf(const QWidget *widget)
{
    if (!widget)
        return primaryScreen();
    const QWidget *window = widget->window();
    return screenAt(window->mapToGlobal(window->rect().center()));
}

QRect screenAt(QPoint point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen->geometry() : primaryScreen();
}

QPoint centredIn(QRect area, QSize size)
{
    return {representable(area.x() + (widthOf(area) - size.width()) / 2, size.width()),
            representable(area.y() + (heightOf(area) - size.height()) / 2, size.height())};
}

QPoint centreOf(const QWidget *parent)
{
    if (!parent) {
        const QRect screen = primaryScreen();
        return {int(screen.x() + qint64(screen.width()) / 2),
                int(screen.y() + qint64(screen.height()) / 2)};
    }
    const QPoint origin = parent->mapToGlobal(QPoint(0, 0));
    return {int(qBound(IntMin, origin.x() + qint64(parent->width()) / 2, IntMax)),
            int(qBound(IntMin, origin.y() + qint64(parent->height()) / 2, IntMax))};
}

QRect centredAt(QPoint centre, QSize size)
{
    return {representable(centre.x() - qint64(size.width()) / 2, size.width()),
            representable(centre.y() - qint64(size.height()) / 2, size.height()), size.width(),
            size.height()};
}

QRect clampedTo(QRect rect, QRect screen)
{
    const qint64 width = widthOf(rect), height = heightOf(rect);
    const qint64 x = clampedStart(rect.x(), width, screen.x(), widthOf(screen));
    const qint64 y = clampedStart(rect.y(), height, screen.y(), heightOf(screen));
    return {representable(x, width), representable(y, height), int(width), int(height)};
}

QRect clampedToScreenAt(QRect rect, QPoint centre)
{
    return clampedTo(rect, screenAt(centre));
}

} // namespace CorvadQt5::ScreenPlacement
