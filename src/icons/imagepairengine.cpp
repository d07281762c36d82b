// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "imagepairengine.h"

#include "base/qtmajor.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace CorvadQt5 {
namespace {

// As QIcon fits an image: never enlarged, scaled down within the bounds keeping its aspect.
QSize fittedSize(QSize image, QSize bounds)
{
    if (image.width() > bounds.width() || image.height() > bounds.height()) {
        image.scale(bounds, Qt::KeepAspectRatio);
        image = image.expandedTo(QSize(1, 1));
    }
    return image;
}

// The image fitted to \a bounds in the look of \a mode, which the style makes, as for any icon.
QPixmap fitted(const QPixmap &image, QSize bounds, QIcon::Mode mode)
{
    const QSize size = fittedSize(image.size(), bounds);
    const QString key = QStringLiteral("corvadqt5-icon-%1-%2x%3-%4")
                            .arg(image.cacheKey())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(mode));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = size == image.size() ? image
                                  : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        if (!generated.isNull())
            pixmap = generated;
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

ImagePairEngine::ImagePairEngine(const QString &path) : m_path(path), m_image(path) {}

QPixmap ImagePairEngine::pixmapAt(QSize devicePixels, qreal ratio, QIcon::Mode mode) const
{
    if (ratio > 1 && m_twin.isNull())
        m_twin.load(m_path.left(m_path.size() - 4) + QStringLiteral("@2x.png"));
    return fitted(ratio > 1 && !m_twin.isNull() ? m_twin : m_image, devicePixels, mode);
}

void ImagePairEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    const qreal ratio = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, pixmapAt(rect.size() * ratio, ratio, mode));
}

QSize ImagePairEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return fittedSize(m_image.size(), size);
}

QPixmap ImagePairEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    return pixmapAt(size, 1, mode);
}

QIconEngine *ImagePairEngine::clone() const
{
    return new ImagePairEngine(*this);
}

QString ImagePairEngine::key() const
{
    return QStringLiteral("corvadqt5-image-pair");
}

#if QT_VERSION_MAJOR >= 6
QList<QSize> ImagePairEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {m_image.size()};
}
#endif

void ImagePairEngine::virtual_hook(int id, void *data)
{
    switch (id) {
    case ScaledPixmapHook: {
        auto *argument = static_cast<ScaledPixmapArgument *>(data);
        argument->pixmap =
            pixmapAt(QtMajor::scaledPixmapPixels(argument->size, argument->scale), argument->scale,
                     argument->mode);
        return;
    }
#if QT_VERSION_MAJOR < 6
    case AvailableSizesHook:
        static_cast<AvailableSizesArgument *>(data)->sizes = {m_image.size()};
        return;
#endif
    default:
        QIconEngine::virtual_hook(id, data);
    }
}

} // namespace CorvadQt5
