// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Placement on the default screen, whose origin is taken as (0, 0): only its size counts.
namespace CorvadQt5::ScreenPlacement {

QSize defaultScreenSize();
// Top-left corner that centres a window of \a size on the screen; halves truncate toward zero.
QPoint centredOnScreen(QSize size);
// The centre of \a parent's rectangle in global coordinates, or of the screen without one.
QPoint centreOf(const QWidget *parent);
// Shifts \a rect onto the screen, one pass per axis: a window larger than the screen ends
// with its right (or bottom) edge on the screen's edge.
QRect clampedToScreen(QRect rect);

} // namespace CorvadQt5::ScreenPlacement
