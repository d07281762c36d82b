// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// A platform for tests with two 800 x 600 screens side by side, (0, 0) and (800, 0), the
// first one primary. Windows live in memory as on the offscreen platform; only where they
// are matters.
#include <QtGlobal>
#if QT_VERSION_MAJOR == 5
#include <QtEventDispatcherSupport/private/qgenericunixeventdispatcher_p.h>
#include <QtFontDatabaseSupport/private/qgenericunixfontdatabase_p.h>
#else
#include <QtGui/private/qgenericunixeventdispatcher_p.h>
#include <QtGui/private/qgenericunixfontdatabase_p.h>
#endif
#include <qpa/qplatformbackingstore.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformintegrationplugin.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <QImage>

#include <memory>

namespace {

class Screen : public QPlatformScreen
{
public:
    explicit Screen(const QRect &geometry) : m_geometry(geometry) {}
    QRect geometry() const override { return m_geometry; }
    int depth() const override { return 32; }
    QImage::Format format() const override { return QImage::Format_ARGB32_Premultiplied; }
    QSizeF physicalSize() const override { return m_geometry.size() * 25.4 / 96; }

private:
    QRect m_geometry;
};

class Window : public QPlatformWindow
{
public:
    using QPlatformWindow::QPlatformWindow;

    void setGeometry(const QRect &rect) override
    {
        QPlatformWindow::setGeometry(rect);
        QWindowSystemInterface::handleGeometryChange(window(), rect);
    }
    void setVisible(bool visible) override
    {
        QPlatformWindow::setVisible(visible);
        if (!visible)
            return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0) // renamed there
        QWindowSystemInterface::handleFocusWindowChanged(window());
#else
        QWindowSystemInterface::handleWindowActivated(window());
#endif
    }
};

class BackingStore : public QPlatformBackingStore
{
public:
    using QPlatformBackingStore::QPlatformBackingStore;
    QPaintDevice *paintDevice() override { return &m_image; }
    void flush(QWindow *, const QRegion &, const QPoint &) override {}
    void resize(const QSize &size, const QRegion &) override
    {
        if (m_image.size() != size)
            m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }

private:
    QImage m_image;
};

class Integration : public QPlatformIntegration
{
public:
    ~Integration() override
    {
        for (QPlatformScreen *screen : m_screens)
            QWindowSystemInterface::handleScreenRemoved(screen);
    }
    void initialize() override
    {
        m_screens = {new Screen(QRect(0, 0, 800, 600)), new Screen(QRect(800, 0, 800, 600))};
        QWindowSystemInterface::handleScreenAdded(m_screens[0], true);
        QWindowSystemInterface::handleScreenAdded(m_screens[1]);
    }
    bool hasCapability(Capability capability) const override
    {
        return capability == ThreadedPixmaps || capability == MultipleWindows ||
               capability == NonFullScreenWindows;
    }
    QPlatformWindow *createPlatformWindow(QWindow *window) const override
    {
        return new Window(window);
    }
    QPlatformBackingStore *createPlatformBackingStore(QWindow *window) const override
    {
        return new BackingStore(window);
    }
    QAbstractEventDispatcher *createEventDispatcher() const override
    {
        return createUnixEventDispatcher();
    }
    QPlatformFontDatabase *fontDatabase() const override { return m_fonts.get(); }
    // Qt 6.11's fontconfig database asks it without checking for none.
    QPlatformNativeInterface *nativeInterface() const override { return m_native.get(); }

private:
    QList<QPlatformScreen *> m_screens;
    std::unique_ptr<QPlatformFontDatabase> m_fonts = std::make_unique<QGenericUnixFontDatabase>();
    std::unique_ptr<QPlatformNativeInterface> m_native = std::make_unique<QPlatformNativeInterface>();
};

} // namespace

class TwoScreensPlugin : public QPlatformIntegrationPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformIntegrationFactoryInterface_iid FILE "twoscreens.json")

public:
    QPlatformIntegration *create(const QString &key, const QStringList &) override
    {
        return key.compare(QLatin1String("twoscreens"), Qt::CaseInsensitive) == 0 ? new Integration
                                                                                  : nullptr;
    }
};

#include "twoscreens.moc"
