// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/iconprovider.h>

#include <QPainter>
#include <QPixmap>

namespace CorvadQt5 {

QIcon IconProvider::mergedIconByIds(int baseId, int overlayId)
{
    const QSize size(64, 64);
    const QIcon overlayIcon = iconById(overlayId);
    const QIcon baseIcon = iconById(baseId);
    QPixmap base = baseIcon.pixmap(size, QIcon::Normal, QIcon::Off);
    // The overlay at its own size, in the pixels of the application's ratio (the base's).
    const QSize overlaySize = overlayIcon.actualSize(size, QIcon::Normal, QIcon::Off);
    const QPixmap overlay = overlayIcon.pixmap(overlaySize, QIcon::Normal, QIcon::Off);
    if (!base.isNull()) {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        // An empty source rectangle stands for the whole overlay: drawn unscaled, clipped.
        painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(overlaySize)), overlay, QRectF());
    }
    return QIcon(base);
}

} // namespace CorvadQt5
