// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/nativeiconprovider.h>

#include "imagepairengine.h"

#include <QFile>

namespace CorvadQt5 {
namespace {

struct IconImage
{
    int id;
    const char *name;
};

constexpr IconImage Images[] = {
#include "icontable.inc"
};

QString resourceName(int id)
{
    for (const IconImage &image : Images) {
        if (image.id == id)
            return QLatin1String(image.name);
    }
    return QStringLiteral("unknown");
}

} // namespace

QIcon NativeIconProvider::iconById(int id)
{
    const QString path = QStringLiteral(":/resources/icons/") + resourceName(id) + QStringLiteral(".png");
    if (!QFile::exists(path))
        return QIcon(path); // an id without an image: a null icon
    return QIcon(new ImagePairEngine(path));
}

} // namespace CorvadQt5
