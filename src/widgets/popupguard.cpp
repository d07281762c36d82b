// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "popupguard.h"

#include "base/screenplacement.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace CorvadQt5 {

PopupGuard::PopupGuard(QWidget *popup, std::function<void()> close)
    : QObject(popup), m_popup(popup), m_close(std::move(close))
{
    setObjectName(QStringLiteral("corvadqt5-popup-guard"));
    popup->installEventFilter(this);
}

PopupGuard *PopupGuard::of(const QWidget *popup)
{
    return popup->findChild<PopupGuard *>(QStringLiteral("corvadqt5-popup-guard"),
                                          Qt::FindDirectChildrenOnly);
}

void PopupGuard::closeOnce()
{
    if (m_closing)
        return;
    m_closing = true;
    const QPointer<PopupGuard> alive(this); // a slot may delete the popup, and this with it
    m_close();
    if (alive)
        m_closing = false;
}

bool PopupGuard::leaveCounts() const
{
    return m_entered || !ScreenPlacement::popupsAreRelativeToParent();
}

bool PopupGuard::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *window = m_popup->windowHandle();
    if (watched == window && event->type() == QEvent::MouseMove) {
        // The pointer seen moving over the popup: the Enter was real.
        const auto *move = static_cast<QMouseEvent *>(event);
        m_entered = m_entered || QRect(QPoint(), window->size()).contains(move->pos());
        return false;
    }
    if (watched != m_popup)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (window && !m_watchingWindow) {
            window->installEventFilter(this);
            m_watchingWindow = true;
        }
        m_entered = false;
        break;
    case QEvent::Hide:
        m_entered = false;
        break;
    case QEvent::MouseButtonPress:
        // In Qt's popup mode a click anywhere else in the application comes here; a list
        // would take it as a click on an item instead of closing, as popups do.
        if (m_popup->windowType() == Qt::Popup &&
            !m_popup->rect().contains(static_cast<QMouseEvent *>(event)->pos())) {
            closeOnce();
            return true;
        }
        break;
    case QEvent::Close:
        // Qt closes a popup window itself on a click outside, and a window manager closes a
        // top-level one (Alt+F4, its close button): a close the library did not ask for is
        // the user's way out and must signal like any other, once.
        if ((m_popup->windowType() == Qt::Popup || event->spontaneous()) && m_popup->isVisible())
            closeOnce();
        break;
    default:
        break;
    }
    return false;
}

} // namespace CorvadQt5
