// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace CorvadQt5 {

// What both popups must remember beyond their own members, kept in a child object so that
// their class layout stays as it is:
// - one close at a time: hiding the active popup deactivates it, and a deactivation that
//   closes it again from inside hide() must not signal a second time;
// - where popups are relative to their parent (Wayland), Qt and the compositor close them
//   by themselves on a click outside or Escape, and elsewhere a window manager closes them
//   (Alt+F4): that close takes the popup's own path;
// - there, Qt also sends an Enter and a Leave while showing a popup the pointer is nowhere
//   near, and one when it shows a popup under the pointer: only a Leave after the pointer
//   was seen moving over the popup counts.
class PopupGuard : public QObject
{
    Q_OBJECT

public:
    // \a close hides the popup and signals; it is what the popup does on its own triggers.
    PopupGuard(QWidget *popup, std::function<void()> close);

    // Null where a caller deleted the popup's children: the popup then closes directly.
    static PopupGuard *of(const QWidget *popup);

    // Runs the close unless one is running already.
    void closeOnce();
    // Whether a Leave is the pointer really leaving.
    bool leaveCounts() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_popup = nullptr;
    std::function<void()> m_close;
    bool m_closing = false;
    bool m_entered = false;
    bool m_watchingWindow = false;
};

} // namespace CorvadQt5
