// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The embedded icon set, the built-in provider's table, and merged icons.
#include <corvad-common-qt5/nativeiconprovider.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QResource>
#include <QtTest>

using namespace CorvadQt5;

namespace {

bool keyReadableBeforeTheApplication = false;

QImage imageOf(const QIcon &icon)
{
    return icon.pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage resourceImage(const QString &name)
{
    return imageOf(QIcon(QStringLiteral(":/resources/icons/") + name + QStringLiteral(".png")));
}

// Answers every id with a solid square whose colour and size the test chooses, and records
// the order in which the ids were asked for.
class SolidProvider : public IconProvider
{
public:
    QIcon iconById(int id) override
    {
        asked << id;
        QPixmap pixmap(id == 1 ? QSize(64, 64) : QSize(20, 80));
        pixmap.fill(id == 1 ? Qt::red : Qt::blue);
        return QIcon(pixmap);
    }
    QList<int> asked;
};

} // namespace

class IconsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableBeforeTheApplication();
    void imageSizes_data();
    void imageSizes();
    void setIsSmallAndUncompressed();
    void providerTable_data();
    void providerTable();
    void unknownIds_data();
    void unknownIds();
    void txtHasNoImage();
    void sharpAtTheScreensRatio_data() { providerTable_data(); }
    void sharpAtTheScreensRatio();
    void mergedAtTheScreensRatio();
    void mergedSizes_data();
    void mergedSizes();
    void overlayDrawnAtTopLeft();
    void overlayClippedToTheBase();
    void mergeWithoutImages();
    void mergeUsesTheSubclassMapping();
};

void IconsTest::readableBeforeTheApplication()
{
    QVERIFY(keyReadableBeforeTheApplication);
}

void IconsTest::imageSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    const struct
    {
        const char *name;
        int width, height;
    } table[] = {{"about", 128, 128},    {"cancel", 48, 48},    {"connect", 48, 48},
                 {"disconnect", 48, 48}, {"export", 128, 128},  {"gears", 48, 48},
                 {"group", 128, 128},    {"help", 128, 128},    {"key", 128, 128},
                 {"list", 128, 128},     {"minus", 32, 32},     {"open", 128, 128},
                 {"plus", 32, 32},       {"printer", 128, 128}, {"refresh", 32, 32},
                 {"reveal", 32, 32},     {"unknown", 128, 128}, {"user", 94, 120}};
    for (const auto &row : table)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QSize(row.width, row.height);
}

void IconsTest::imageSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = QStringLiteral(":/resources/icons/") + name;
    QCOMPARE(QImage(path + QStringLiteral(".png")).size(), size);
    QCOMPARE(QImage(path + QStringLiteral("@2x.png")).size(), size * 2);
}

void IconsTest::setIsSmallAndUncompressed()
{
    const QStringList files = QDir(QStringLiteral(":/resources/icons")).entryList();
    QCOMPARE(files.size(), 2 * 18); // each image and its @2x twin
    qint64 total = 0;
    for (const QString &file : files) {
        const QResource resource(QStringLiteral(":/resources/icons/") + file);
        QCOMPARE(int(resource.compressionAlgorithm()), int(QResource::NoCompression));
        total += file.endsWith(QLatin1String("@2x.png")) ? 0 : resource.size();
    }
    QVERIFY2(total < 60 * 1024, qPrintable(QString::number(total)));
    QVERIFY(!QFile::exists(QStringLiteral(":/resources/icons/txt.png")));
}

void IconsTest::providerTable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("image");

    const struct
    {
        int id;
        const char *image;
    } table[] = {
        {IconOpen, "open"},        {IconPrinter, "printer"}, {IconExport, "export"},
        {IconAbout, "about"},      {IconHelp, "help"},       {IconCancel, "cancel"},
        {IconUser, "user"},        {IconGroup, "group"},     {IconKey, "key"},
        {IconExportAlt, "export"}, {IconUnknown, "unknown"}, {IconPlus, "plus"},
        {IconMinus, "minus"},      {IconConnect, "connect"}, {IconDisconnect, "disconnect"},
        {IconGears, "gears"},      {IconRefresh, "refresh"}};
    for (const auto &row : table)
        QTest::addRow("%d %s", row.id, row.image) << row.id << QString::fromLatin1(row.image);
}

void IconsTest::providerTable()
{
    QFETCH(int, id);
    QFETCH(QString, image);
    NativeIconProvider provider;
    QCOMPARE(imageOf(provider.iconById(id)), resourceImage(image));
}

void IconsTest::unknownIds_data()
{
    QTest::addColumn<int>("id");
    for (const int id : {1003, 1010, 0, -1, 1001, 1028, std::numeric_limits<int>::max(),
                         std::numeric_limits<int>::min()})
        QTest::addRow("%d", id) << id;
}

void IconsTest::unknownIds()
{
    QFETCH(int, id);
    NativeIconProvider provider;
    QCOMPARE(imageOf(provider.iconById(id)), resourceImage(QStringLiteral("unknown")));
}

void IconsTest::txtHasNoImage()
{
    NativeIconProvider provider;
    QVERIFY(provider.iconById(IconTxt).pixmap(QSize(64, 64)).isNull());
    QVERIFY(provider.iconById(IconTxt).pixmap(QSize(16, 16)).isNull());
}

// Run at QT_SCALE_FACTOR 1, 1.5 and 2: an icon asked for at its own size gives its image at
// ratio 1 and the pixels of its @2x twin above it (scaled down to 1.5), never the image
// enlarged.
void IconsTest::sharpAtTheScreensRatio()
{
    QFETCH(int, id);
    QFETCH(QString, image);
    const qreal ratio = qApp->devicePixelRatio();
    const QString path = QStringLiteral(":/resources/icons/") + image;
    const QImage one(path + QStringLiteral(".png")), twin(path + QStringLiteral("@2x.png"));
    const QIcon icon = NativeIconProvider().iconById(id);
    const QPixmap pixmap = icon.pixmap(one.size());
    const QSize pixels = one.size() * ratio;
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    // Above 1 the twin, scaled down as Qt scales pixmaps where the ratio asks for fewer pixels.
    QPixmap expected = QPixmap::fromImage(ratio == 1 ? one : twin);
    if (expected.size() != pixels)
        expected = expected.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    expected.setDevicePixelRatio(ratio);
    // Both through a pixmap, whose premultiplied pixels round the translucent ones alike.
    QCOMPARE(argb(pixmap.toImage()), argb(expected.toImage()));

    // A window on a screen of ratio 2 while the application's is 1 (it moved there).
    if (ratio == 1) {
        QPixmap window(pixels * 2);
        window.setDevicePixelRatio(2);
        window.fill(Qt::transparent);
        QPainter painter(&window);
        icon.paint(&painter, QRect(QPoint(), one.size()));
        painter.end();
        QCOMPARE(argb(window.toImage()), argb(QPixmap::fromImage(twin).toImage()));
    }
}

// The merge keeps its layout at every ratio (the overlay at its own size in the top left
// corner) and takes its pixels from the icons at that ratio.
void IconsTest::mergedAtTheScreensRatio()
{
    NativeIconProvider provider;
    const qreal ratio = qApp->devicePixelRatio();
    const QImage merged = provider.mergedIconByIds(IconKey, IconPlus).pixmap(QSize(64, 64)).toImage();
    const QImage key = provider.iconById(IconKey).pixmap(QSize(64, 64)).toImage();
    const QImage plus = provider.iconById(IconPlus).pixmap(QSize(32, 32)).toImage();
    QCOMPARE(merged.size(), QSize(64, 64) * ratio);
    const int overlay = plus.width();
    QCOMPARE(overlay, qRound(32 * ratio));
    for (const QPoint at : {QPoint(overlay / 2, overlay / 2), QPoint(overlay / 2, overlay / 4)})
        QCOMPARE(merged.pixel(at), plus.pixel(at)); // the plus's opaque cross
    const QRect outside(overlay, overlay, merged.width() - overlay, merged.height() - overlay);
    QCOMPARE(argb(merged.copy(outside)), argb(key.copy(outside)));
}

void IconsTest::mergedSizes_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("overlay");
    QTest::addColumn<QSize>("size");

    QTest::newRow("128 base") << int(IconOpen) << int(IconPlus) << QSize(64, 64);
    QTest::newRow("user base keeps its aspect") << int(IconUser) << int(IconPlus) << QSize(50, 64);
    QTest::newRow("32 base stays 32") << int(IconPlus) << int(IconUser) << QSize(32, 32);
    QTest::newRow("48 base stays 48") << int(IconGears) << int(IconKey) << QSize(48, 48);
}

void IconsTest::mergedSizes()
{
    QFETCH(int, base);
    QFETCH(int, overlay);
    QFETCH(QSize, size);
    NativeIconProvider provider;
    const QIcon merged = provider.mergedIconByIds(base, overlay);
    QCOMPARE(merged.availableSizes().value(0), size);
    QCOMPARE(merged.pixmap(QSize(64, 64)).size(), size);
}

void IconsTest::overlayDrawnAtTopLeft()
{
    NativeIconProvider provider;
    const QImage merged = imageOf(provider.mergedIconByIds(IconUser, IconPlus));
    const QImage plus = imageOf(provider.iconById(IconPlus));
    const QImage user = imageOf(provider.iconById(IconUser));
    QCOMPARE(merged.pixel(16, 16), plus.pixel(16, 16)); // the plus's opaque middle
    QCOMPARE(merged.pixel(25, 55), user.pixel(25, 55)); // below the overlay: the user alone
    QVERIFY(merged.pixel(16, 16) != user.pixel(16, 16));
}

void IconsTest::overlayClippedToTheBase()
{
    NativeIconProvider provider;
    const QImage merged = imageOf(provider.mergedIconByIds(IconPlus, IconUser));
    const QImage user = imageOf(provider.iconById(IconUser));
    QCOMPARE(merged.size(), QSize(32, 32));
    QCOMPARE(merged.pixel(25, 17), user.pixel(25, 17)); // inside the head: drawn unscaled
}

void IconsTest::mergeWithoutImages()
{
    NativeIconProvider provider;
    for (const int overlay : {int(IconPlus), int(IconTxt), 5})
        QVERIFY(provider.mergedIconByIds(IconTxt, overlay).isNull());
    QCOMPARE(imageOf(provider.mergedIconByIds(IconKey, IconTxt)),
             imageOf(provider.iconById(IconKey)));
}

// The merge asks the subclass, overlay first, and draws the overlay unscaled: a 20 x 80
// overlay on a 64 x 64 base covers the first 20 columns and is clipped below row 63.
void IconsTest::mergeUsesTheSubclassMapping()
{
    SolidProvider provider;
    const QImage merged = imageOf(provider.mergedIconByIds(1, 2));
    QCOMPARE(provider.asked, (QList<int>{2, 1}));
    QCOMPARE(merged.size(), QSize(64, 64));
    QCOMPARE(QColor(merged.pixel(0, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(merged.pixel(15, 63)), QColor(Qt::blue)); // 20 x 64 of the 64 x 64 pixmap
    QCOMPARE(QColor(merged.pixel(16, 0)), QColor(Qt::red));
}

int main(int argc, char **argv)
{
    keyReadableBeforeTheApplication =
        QFile(QStringLiteral(":/resources/icons/key.png")).open(QIODevice::ReadOnly);
#if QT_VERSION_MAJOR < 6
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps); // as a Qt 5 application shown at ratio 2 must
#endif
    QApplication app(argc, argv);
    IconsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_icons.moc"
