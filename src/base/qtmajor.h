// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QDropEvent>
#include <QKeyEvent>
#include <QSize>
#include <QString>
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

// The whole buffer a string owns, from the first character its allocation holds: Qt 6 may
// keep room before the text, where characters removed from its front remain.
struct StringBuffer
{
    void *start = nullptr;
    size_t bytes = 0;
};

inline StringBuffer stringBuffer(QString &text)
{
#if QT_VERSION_MAJOR >= 6
    auto &data = text.data_ptr();
    return {data.data() - data.freeSpaceAtBegin(),
            size_t(data.constAllocatedCapacity()) * sizeof(char16_t)};
#else
    if (text.capacity() == 0) // no buffer of its own (raw data) or nothing in it
        return {};
    return {const_cast<QChar *>(text.constData()), size_t(text.capacity() + 1) * sizeof(QChar)};
#endif
}

// \a event again with another text: Qt 6 also names the device it came from.
inline QKeyEvent keyEventWithText(const QKeyEvent &event, const QString &text)
{
    return QKeyEvent(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                     event.nativeVirtualKey(), event.nativeModifiers(), text,
                     event.isAutoRepeat(), quint16(event.count())
#if QT_VERSION_MAJOR >= 6
                                               ,
                     event.device()
#endif
    );
}

// \a event again with other data: Qt 6 renamed where the drop is and what is held.
inline QDropEvent dropEventWithData(const QDropEvent &event, const QMimeData *data)
{
#if QT_VERSION_MAJOR >= 6
    return QDropEvent(event.position(), event.possibleActions(), data, event.buttons(),
                      event.modifiers(), event.type());
#else
    return QDropEvent(event.posF(), event.possibleActions(), data, event.mouseButtons(),
                      event.keyboardModifiers(), event.type());
#endif
}

} // namespace CorvadQt5::QtMajor
