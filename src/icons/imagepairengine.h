// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QIconEngine>
#include <QPixmap>

namespace CorvadQt5 {

// An embedded image and its twin of twice the size (Qt's NAME@2x.png), told apart by the
// device pixel ratio Qt asks for: at ratio 1 what an icon of the image alone gives, above it
// the twin, scaled down to the pixels asked for. QIcon's own loading of a @2x file depends on
// the ratio when the icon is made, and then serves the twin as one more size, at ratio 1 too;
// this serves a window moved to a screen of another ratio, and leaves ratio 1 as it was.
class ImagePairEngine : public QIconEngine
{
public:
    explicit ImagePairEngine(const QString &path);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
#if QT_VERSION_MAJOR >= 6
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
#endif
    void virtual_hook(int id, void *data) override;

private:
    ImagePairEngine(const ImagePairEngine &) = default; // for clone()
    ImagePairEngine &operator=(const ImagePairEngine &) = delete;

    QPixmap pixmapAt(QSize devicePixels, qreal ratio, QIcon::Mode mode) const;

    QString m_path;
    QPixmap m_image;
    mutable QPixmap m_twin; // read when first asked for: most screens never do
};

} // namespace CorvadQt5
