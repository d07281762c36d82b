// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! PopupWidget: a frameless popup around any widget.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QFrame>

namespace CorvadQt5 {

/*!
 * A frameless top-level frame that shows one widget of the caller's as a popup, kept on the
 * default screen. It closes itself (hides and emits done()) on a double click, and, by mode,
 * when the pointer leaves it or when its window loses activation.
 *
 * \code
 * auto *popup = new CorvadQt5::PopupWidget(CorvadQt5::PopupWidget::CloseOnLeave, button);
 * popup->setWidget(new QCalendarWidget);
 * connect(button, SIGNAL(clicked()), popup, SLOT(popup()));
 * connect(popup, SIGNAL(done()), this, SLOT(dateChosen()));
 * \endcode
 *
 * popup() centres the popup over its parent widget; a popup without a parent is centred on
 * the primary screen instead. The popup is then moved onto the screen that holds its centre,
 * so over a window on a second monitor it stays there. One closing action emits done()
 * once: an accept() that arrives while accept() is hiding the popup is dropped.
 *
 * On Wayland a window cannot place itself: there the popup is a Qt::Popup window of its
 * parent's window, placed relative to it by the same arithmetic, and it also closes, with
 * done(), when the user clicks outside it or presses Escape. A CloseOnLeave popup closes
 * there only after the pointer was seen moving over it, since Qt reports an entry and a
 * leave whenever it shows a popup.
 */
class CORVADQT5_EXPORT PopupWidget : public QFrame
{
    Q_OBJECT

public:
    //! When the popup closes by itself, besides a double click.
    enum Mode : int {
        CloseOnLeave = 0,     //!< closes when the pointer leaves it
        CloseOnDeactivate = 1 //!< closes when its window loses activation
    };

    //! A hidden, empty popup that closes as \a mode says; \a parent is the widget it is
    //! centred over (and, on Wayland, whose window it belongs to).
    explicit PopupWidget(Mode mode = CloseOnLeave, QWidget *parent = nullptr);
    ~PopupWidget() override;

    //! Shows \a widget inside the popup. A previous content leaves the layout but stays a
    //! child of the popup, visible or not as it was: it is the caller's to dispose of.
    void setWidget(QWidget *widget);

Q_SIGNALS:
    //! Emitted by every accept(), also when the popup was already hidden, after the popup
    //! is hidden; not again by an accept() nested in the first one.
    void done();

public Q_SLOTS:
    //! Shows the popup centred over its parent widget, moved onto the screen it is on.
    void popup();
    //! Shows the popup centred on the global point \a pos, moved onto the screen it is on.
    void popup(const QPoint &pos);
    //! Hides the popup, then emits done().
    void accept();

protected:
    //! Closes a CloseOnDeactivate popup when its window loses activation, and, on Wayland,
    //! on a click outside it or Escape.
    bool event(QEvent *event) override;
    //! Closes the popup.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    //! Closes a CloseOnLeave popup.
    void leaveEvent(QEvent *event) override;

private:
    void placeCentredOn(QPoint centre);

    QWidget *m_widget = nullptr;
    Mode m_mode = CloseOnLeave;
};

} // namespace CorvadQt5
