// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! NativeIconProvider: the icons of the embedded set.

#include <corvad-common-qt5/iconprovider.h>

namespace CorvadQt5 {

/*!
 * The built-in provider: maps the ids of IconId to the PNG images embedded in the library
 * under ":/resources/icons/". Ids without an image of their own give unknown.png; IconTxt
 * gives a null icon. Beside each image lies its twin of twice the size (key@2x.png beside
 * key.png), from which the icon draws wherever the device pixel ratio is above 1.
 *
 * \code
 * CorvadQt5::NativeIconProvider icons;
 * const QPixmap key = icons.iconById(CorvadQt5::IconKey).pixmap(32, 32);
 * \endcode
 */
class CORVADQT5_EXPORT NativeIconProvider : public IconProvider
{
public:
    NativeIconProvider() = default;
    ~NativeIconProvider() = default;

    //! A new icon for \a id on every call.
    QIcon iconById(int id) override;
};

} // namespace CorvadQt5
