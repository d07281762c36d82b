// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QSize>
#include <QtGlobal>

// Where the Qt majors the library builds against differ, decided here and nowhere else.
namespace CorvadQt5::QtMajor {

// QButtonGroup's click with the button's id, for string-based connections: Qt 6 dropped the
// int overload of buttonClicked for idClicked, which Qt 5 only has from 5.15.
inline const char *buttonGroupIdClicked()
{
#if QT_VERSION_MAJOR >= 6
    return "2idClicked( int )";
#else
    return "2buttonClicked( int )";
#endif
}

// The pixels an icon engine's ScaledPixmapHook asks for: Qt 6.8 passes the size in logical
// pixels, to be multiplied by the scale, where Qt 5 and 6.4 passed it in device pixels.
inline QSize scaledPixmapPixels(QSize size, qreal scale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return size * scale;
#else
    Q_UNUSED(scale)
    return size;
#endif
}

} // namespace CorvadQt5::QtMajor
