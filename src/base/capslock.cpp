// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "capslock.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>

namespace CorvadQt5::CapsLock {
namespace {

// The Lock modifier: X11's LockMask, and its bit in the modifier masks of xkb's keymaps,
// which Qt's Wayland plugin hands on as the key's native modifiers.
constexpr quint32 LockMask = 0x2;

enum class Platform { Other, X11, Wayland };

Platform platform()
{
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb"))
        return Platform::X11;
    if (name.startsWith(QLatin1String("wayland")))
        return Platform::Wayland;
    return Platform::Other;
}

State fromMask(quint32 mask)
{
    return mask & LockMask ? State::On : State::Off;
}

// The X protocol's QueryPointer, whose reply holds the keyboard's modifier state. libxcb is
// the one Qt's xcb plugin loaded: borrowing it adds no dependency for other platforms. The
// query goes through a connection of our own, to the display the plugin uses.
struct Cookie
{
    unsigned int sequence;
};

struct PointerReply
{
    std::uint8_t responseType, sameScreen;
    std::uint16_t sequence;
    std::uint32_t length, root, child;
    std::int16_t rootX, rootY, windowX, windowY;
    std::uint16_t mask;
    std::uint8_t pad[2];
};

class X11Keyboard
{
public:
    static X11Keyboard &instance()
    {
        static X11Keyboard keyboard;
        return keyboard;
    }

    State query(std::uint32_t window) const
    {
        if (!m_connection || !window)
            return State::Unknown;
        PointerReply *reply = m_reply(m_connection, m_query(m_connection, window), nullptr);
        if (!reply)
            return State::Unknown;
        const State state = fromMask(reply->mask);
        std::free(reply);
        return state;
    }

private:
    X11Keyboard()
    {
        void *xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (!xcb)
            return;
        const auto connect = reinterpret_cast<void *(*)(const char *, int *)>(dlsym(xcb, "xcb_connect"));
        const auto failed = reinterpret_cast<int (*)(void *)>(dlsym(xcb, "xcb_connection_has_error"));
        m_query = reinterpret_cast<Query>(dlsym(xcb, "xcb_query_pointer"));
        m_reply = reinterpret_cast<Reply>(dlsym(xcb, "xcb_query_pointer_reply"));
        if (!connect || !failed || !m_query || !m_reply)
            return;
        void *connection = connect(nullptr, nullptr);
        if (connection && !failed(connection))
            m_connection = connection; // kept for the process's life, as the plugin's is
    }

    using Query = Cookie (*)(void *, std::uint32_t);
    using Reply = PointerReply *(*)(void *, Cookie, void **);
    void *m_connection = nullptr;
    Query m_query = nullptr;
    Reply m_reply = nullptr;
};

} // namespace

State now(const QWidget *window)
{
    if (platform() != Platform::X11 || !window)
        return State::Unknown;
    return X11Keyboard::instance().query(std::uint32_t(window->window()->internalWinId()));
}

State afterKey(const QKeyEvent *key, const QWidget *window, State before)
{
    switch (platform()) {
    case Platform::X11:
        return now(window);
    case Platform::Wayland:
        // Compositors send the new lock before or after the Caps Lock key itself: which way
        // it went is known from the next key.
        if (key->key() == Qt::Key_CapsLock)
            return State::Unknown;
        // A key no keyboard sent (an application's own) carries no modifiers of the seat's.
        if (key->nativeScanCode() == 0)
            return before;
        return fromMask(key->nativeModifiers());
    case Platform::Other:
        break;
    }
    return State::Unknown;
}

} // namespace CorvadQt5::CapsLock
