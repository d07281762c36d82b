// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

// Where the library's windows go. The one place that knows about screens and about platforms
// on which a window cannot place itself (Qt-major differences live in qtmajor.h).
namespace CorvadQt5::ScreenPlacement {

// Wayland: a top-level window cannot choose its position nor move the pointer, but a popup
// window placed relative to its parent's window can.
bool popupsAreRelativeToParent();
// Qt::Popup where popups are relative to their parent, Qt::Window elsewhere.
Qt::WindowType popupWindowType();

// The full geometry of the primary screen, origin included.
QRect primaryScreen();
// The screen of \a widget's window; the primary screen without a widget.
QRect screenOf(const QWidget *widget);
// The screen that holds \a point; the primary screen when none does.
QRect screenAt(QPoint point);

// Top-left corner that centres \a size in \a area; halves truncate toward zero.
QPoint centredIn(QRect area, QSize size);
// The centre of \a parent's rectangle in global coordinates, or of the primary screen.
QPoint centreOf(const QWidget *parent);
// A rectangle of \a size centred on \a centre, kept within what int coordinates can hold.
QRect centredAt(QPoint centre, QSize size);
// Shifts \a rect onto \a screen, one pass per axis: a rectangle that reaches past the right
// (bottom) edge is moved back until that edge is on the screen's; otherwise one that starts
// before the left (top) edge is moved until that edge is on the screen's. So a rectangle wider
// than the screen keeps one part off it: its left part if it overhung on the right, else its
// right part.
QRect clampedTo(QRect rect, QRect screen);
// The same onto the screen that holds \a centre.
QRect clampedToScreenAt(QRect rect, QPoint centre);

} // namespace CorvadQt5::ScreenPlacement
