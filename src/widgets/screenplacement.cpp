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

// A start for an extent of \a length whose end still fits in an int (QRect adds the two).
int representable(qint64 start, int length)
{
    return int(qBound(IntMin, start, IntMax - qMax(length, 0)));
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
    return {representable(area.x() + (qint64(area.width()) - size.width()) / 2, size.width()),
            representable(area.y() + (qint64(area.height()) - size.height()) / 2, size.height())};
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

QRect clampedToScreenAt(QRect rect, QPoint centre)
{
    const QRect screen = screenAt(centre);
    const qint64 x = clampedStart(rect.x(), rect.width(), screen.x(), screen.width());
    const qint64 y = clampedStart(rect.y(), rect.height(), screen.y(), screen.height());
    return {representable(x, rect.width()), representable(y, rect.height()), rect.width(),
            rect.height()};
}

} // namespace CorvadQt5::ScreenPlacement
