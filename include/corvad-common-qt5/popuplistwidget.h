// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

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
 * The position is not kept on the screen. A list without a parent is centred on the default
 * screen.
 */
class CORVADQT5_EXPORT PopupListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit PopupListWidget(QWidget *parent = nullptr);
    ~PopupListWidget() override;

    //! Places the list centred over its parent, moves the pointer to its centre, shows it.
    void popup();

Q_SIGNALS:
    //! Emitted each time the pointer leaves the list (which then hides).
    void editingFinished();

protected:
    void leaveEvent(QEvent *event) override;
};

} // namespace CorvadQt5
