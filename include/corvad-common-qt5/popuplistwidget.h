// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! PopupListWidget: a list that pops up over its parent.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QListWidget>

namespace CorvadQt5 {

/*!
 * A list that opens as a window of its own centred over its parent widget, puts the pointer
 * in its middle, and hides itself as soon as the pointer leaves it.
 *
 * \code
 * auto *list = new CorvadQt5::PopupListWidget(field);
 * list->addItems({QStringLiteral("red"), QStringLiteral("green")});
 * connect(list, SIGNAL(editingFinished()), this, SLOT(takeColour()));
 * list->popup();
 * \endcode
 *
 * The position is not kept on the screen. A list without a parent is centred on the primary
 * screen.
 *
 * On Wayland a window can neither place itself nor move the pointer: there the list is a
 * Qt::Popup window of its parent's window, placed relative to it by the same arithmetic, the
 * pointer stays where it is, and a click outside the list or Escape also closes it, with
 * editingFinished(). It closes on a leave there only after the pointer was seen moving over
 * it, since Qt reports an entry and a leave whenever it shows a popup.
 */
class CORVADQT5_EXPORT PopupListWidget : public QListWidget
{
    Q_OBJECT

public:
    //! A hidden, empty 150 x 150 list, popped up over \a parent.
    explicit PopupListWidget(QWidget *parent = nullptr);
    ~PopupListWidget() override;

    //! Places the list centred over its parent, moves the pointer to its centre (not on
    //! Wayland), shows it.
    void popup();

Q_SIGNALS:
    //! Emitted each time the pointer leaves the list (which then hides).
    void editingFinished();

protected:
    //! Hides the list and emits editingFinished().
    void leaveEvent(QEvent *event) override;
};

} // namespace CorvadQt5
