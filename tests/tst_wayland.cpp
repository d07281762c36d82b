// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The popups as a Wayland client of weston (run-on-wayland.sh). A client cannot read its
// position there, so placement is read from screenshots of the display weston draws on: the
// parent is red, the list blue, the frame's content green. xdotool on that display moves and
// clicks the real pointer, and each popup is opened by a click, as a user opens one.
#include <corvad-common-qt5/popuplistwidget.h>
#include <corvad-common-qt5/popupwidget.h>

#include "display/outerdisplay.h"

#include <QImage>
#include <QWindow>
#include <QtTest>

#include <functional>

using namespace CorvadQt5;

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);

QWidget *coloured(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    return widget;
}

// For the README: what weston shows, kept where CORVADQT5_WAYLAND_SHOTS says.
void keepScreenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("CORVADQT5_WAYLAND_SHOTS");
    if (!dir.isEmpty())
        outerScreenshot()
            .save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The bounding box of the pixels of exactly \a colour on the outer display.
QRect onScreen(const QColor &colour)
{
    const QImage shot = outerScreenshot();
    QRect box;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.format() == QImage::Format_RGB32 || shot.format() == QImage::Format_ARGB32
                    ? (line[x] & 0xffffff) == (colour.rgb() & 0xffffff)
                    : shot.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void clickAt(QPoint point)
{
    runOnOuterDisplay(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

void moveTo(QPoint point)
{
    runOnOuterDisplay(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
}

// Waits until \a colour shows with \a size (give or take the frame) and answers where.
QRect waitFor(const QColor &colour, QSize size)
{
    QRect box;
    for (int i = 0; i < 50; ++i) {
        box = onScreen(colour);
        if (qAbs(box.width() - size.width()) <= 4 && qAbs(box.height() - size.height()) <= 4)
            break;
        QTest::qWait(100);
    }
    return box;
}

// Opens a popup from a press on its parent, as an application does.
class Opener : public QObject
{
public:
    Opener(QWidget *parent, std::function<void()> open) : m_open(std::move(open))
    {
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_open();
        return false;
    }

private:
    std::function<void()> m_open;
};

} // namespace

class WaylandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void listOverItsParentClosesOnAClickOutside();
    void frameOverItsParentClosesOnAClickOutside();
    void showingUnderThePointerIsNoLeave();

private:
    // Fails unless \a popup, as weston showed it, lies centred on the parent's place.
    void checkCentredOnParent(const QRect &popup);
    PopupWidget *openFrame(PopupWidget::Mode mode, QRect *shown);

    std::unique_ptr<Opener> m_opener;
    std::unique_ptr<QWidget> m_parent;
    QRect m_parentOnScreen;
};

void WaylandTest::initTestCase()
{
    QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
    QVERIFY(!qEnvironmentVariableIsEmpty("CORVADQT5_OUTER_DISPLAY"));
}

void WaylandTest::init()
{
    m_parent.reset(coloured(new QWidget, Red));
    m_parent->resize(400, 300);
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
    m_parentOnScreen = waitFor(Red, m_parent->size());
    QCOMPARE(m_parentOnScreen.size(), m_parent->size());
    // weston passes clicks on only once it has seen the pointer arrive over the window.
    for (int i = 0; i < 50 && !m_parent->underMouse(); ++i) {
        moveTo(m_parentOnScreen.center() + QPoint(i % 2, 0));
        QTest::qWait(100);
    }
    QVERIFY(m_parent->underMouse());
}

void WaylandTest::cleanup()
{
    m_opener.reset();
    m_parent.reset();
    moveTo(QPoint(1, 700)); // off every window, for the next test
    QTest::qWait(200);
}

void WaylandTest::checkCentredOnParent(const QRect &popup)
{
    QVERIFY2(m_parentOnScreen.contains(popup),
             qPrintable(QStringLiteral("popup %1,%2 %3x%4 outside its parent")
                            .arg(popup.x())
                            .arg(popup.y())
                            .arg(popup.width())
                            .arg(popup.height())));
    const QPoint offset = popup.center() - m_parentOnScreen.center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
}

void WaylandTest::listOverItsParentClosesOnAClickOutside()
{
    auto *list = new PopupListWidget(m_parent.get());
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
    list->setFixedSize(150, 150);
    list->setFrameShape(QFrame::NoFrame);
    coloured(list->viewport(), Blue);
    QSignalSpy finished(list, SIGNAL(editingFinished()));
    m_opener = std::make_unique<Opener>(m_parent.get(), [list] {
        if (!list->isVisible())
            list->popup();
    });

    clickAt(m_parentOnScreen.center());
    QTRY_VERIFY(list->isVisible());
    // No title bar: Qt draws one around a Wayland window that is no popup.
    QCOMPARE(list->windowHandle()->frameMargins(), QMargins());
    const QRect shown = waitFor(Blue, list->size());
    QCOMPARE(shown.size(), list->size());
    checkCentredOnParent(shown);
    keepScreenshot(QStringLiteral("wayland-popuplistwidget"));

    clickAt(m_parentOnScreen.topLeft() + QPoint(10, 10));
    QTRY_VERIFY(!list->isVisible());
    QTest::qWait(300);
    QCOMPARE(finished.count(), 1);
}

// A 200 x 100 green frame over the parent, opened by a click on the parent's centre.
PopupWidget *WaylandTest::openFrame(PopupWidget::Mode mode, QRect *shown)
{
    auto *popup = new PopupWidget(mode, m_parent.get());
    auto *content = coloured(new QWidget, Green);
    content->setFixedSize(200, 100);
    popup->setWidget(content);
    m_opener = std::make_unique<Opener>(m_parent.get(), [popup] {
        if (!popup->isVisible())
            popup->popup();
    });
    clickAt(m_parentOnScreen.center());
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }))
        return popup;
    *shown = waitFor(Green, content->size());
    return popup;
}

void WaylandTest::frameOverItsParentClosesOnAClickOutside()
{
    QRect shown;
    PopupWidget *popup = openFrame(PopupWidget::CloseOnDeactivate, &shown);
    QSignalSpy done(popup, SIGNAL(done()));
    QVERIFY(popup->isVisible());
    QCOMPARE(shown.size(), QSize(200, 100));
    checkCentredOnParent(shown);
    keepScreenshot(QStringLiteral("wayland-popupwidget"));

    clickAt(m_parentOnScreen.bottomRight() - QPoint(10, 10));
    QTRY_VERIFY(!popup->isVisible());
    QTest::qWait(300);
    QCOMPARE(done.count(), 1);
}

// Qt sends an Enter and a Leave when it shows a popup under the pointer; that used to close
// a CloseOnLeave popup before anyone saw it. Leaving after really moving over it still does.
void WaylandTest::showingUnderThePointerIsNoLeave()
{
    QRect shown;
    PopupWidget *popup = openFrame(PopupWidget::CloseOnLeave, &shown);
    QSignalSpy done(popup, SIGNAL(done()));
    QVERIFY(popup->isVisible());
    QTest::qWait(500);
    QVERIFY(popup->isVisible());
    QCOMPARE(done.count(), 0);

    moveTo(shown.center() + QPoint(10, 10));
    QTest::qWait(200);
    moveTo(m_parentOnScreen.bottomRight() + QPoint(60, 60));
    QTRY_VERIFY(!popup->isVisible());
    QTest::qWait(300);
    QCOMPARE(done.count(), 1);
}

QTEST_MAIN(WaylandTest)
#include "tst_wayland.moc"
