// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The placement arithmetic over any point, size and screen (faked: the functions that take
// a screen rectangle), under UBSan: no int may overflow, and what fits on the screen must
// end up on it.
#include "base/screenplacement.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

int take(const std::uint8_t *&data, std::size_t &size)
{
    int value = 0;
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace CorvadQt5::ScreenPlacement;
    const QPoint centre(take(data, size), take(data, size));
    const QSize extent(take(data, size), take(data, size));
    // A screen as Qt reports one: an origin within 2^23 of (0, 0), a size from 1 to 65536.
    const auto origin = [&] { return (take(data, size) & 0xffffff) - 0x800000; };
    const auto length = [&] { return 1 + (take(data, size) & 0xffff); };
    const QRect screen(origin(), origin(), length(), length());

    centredIn(screen, extent);
    const QRect rect = centredAt(centre, extent);
    const QRect clamped = clampedTo(rect, screen);
    if (extent.width() < 0 || extent.height() < 0)
        return 0; // no widget has such a size; Qt 5's own QRect::size() overflows on some
    if (clamped.size() != extent || rect.size() != extent)
        std::abort();
    const bool fits = extent.width() <= screen.width() && extent.height() <= screen.height();
    if (fits && !clamped.isEmpty() && !screen.contains(clamped))
        std::abort();
    return 0;
}
