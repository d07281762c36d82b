// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

class QKeyEvent;
class QWidget;

// Whether Caps Lock is on, as far as the window system tells: the one place that knows which
// platform tells what.
namespace CorvadQt5::CapsLock {

enum class State { Unknown, Off, On };

// What the window system says now, for the display of \a window: X11 answers at any time
// (the keyboard state the server keeps); elsewhere only a key tells.
State now(const QWidget *window);

// What is known after \a key, \a before it: on X11 the server is asked again; on Wayland the
// key carries the modifiers the compositor last sent, but the Caps Lock key's own events may
// carry those from before it, and a key no keyboard sent carries none. Unknown on platforms
// whose key events say nothing of the lock.
State afterKey(const QKeyEvent *key, const QWidget *window, State before);

} // namespace CorvadQt5::CapsLock
