// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The two text helpers over any text, list and length; the answers are checked against
// what they promise.
#include <corvad-common-qt5/common.h>

#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using CorvadQt5::Common;
    if (size < 1)
        return 0;
    // First byte: a length from -8 to 247; the rest: a name and a list, split at NUL bytes.
    const int n = int(data[0]) - 8;
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)).split('\0');
    const QString name = QString::fromUtf8(parts[0]);
    QStringList list;
    for (int i = 1; i < parts.size(); ++i)
        list << QString::fromUtf8(parts[i]);

    const QString unique = Common::uniqueName(name, list);
    if (list.contains(unique) || !unique.startsWith(name))
        std::abort();

    static Common *common = Common::ptr();
    const QString shorted = common->shortedString(name, n);
    const bool cut = n < name.size();
    if (cut != !shorted.isNull() ||
        (cut && shorted != name.left(n) + QLatin1String("...")))
        std::abort();
    return 0;
}
