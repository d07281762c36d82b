// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Placement with two 800 x 600 screens side by side (the test platform "twoscreens"): a
// popup or dialog over a window on the second screen stays on it, clamped to its edges.
#include <corvad-common-qt5/passworddialog.h>
#include <corvad-common-qt5/popuplistwidget.h>
#include <corvad-common-qt5/popupwidget.h>

#include "popupsupport.h"

#include <QScreen>
#include <QtTest>

using namespace CorvadQt5;

namespace {

std::unique_ptr<QWidget> shownWindowAt(const QRect &geometry)
{
    auto window = std::make_unique<QWidget>();
    window->setGeometry(geometry);
    window->show();
    return window;
}

} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void popupPlacement_data();
    void popupPlacement();
    void listOverTheSecondScreen();
    void dialogCentring_data();
    void dialogCentring();
};

void ScreensTest::initTestCase()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(screens[1]->geometry(), QRect(800, 0, 800, 600));
}

void ScreensTest::popupPlacement_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("parent"); // null: popup(point) instead
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    // The clamp used the primary screen's size with its origin at (0, 0), so all of these
    // ended on the first screen.
    QTest::newRow("over a window on the second screen")
        << QSize(200, 100) << QRect(1000, 100, 400, 300) << QPoint() << QPoint(1100, 200);
    QTest::newRow("second screen, right edge")
        << QSize(200, 100) << QRect() << QPoint(1590, 300) << QPoint(1400, 250);
    QTest::newRow("second screen, left edge")
        << QSize(200, 100) << QRect() << QPoint(810, 300) << QPoint(800, 250);
    QTest::newRow("wider than the second screen")
        << QSize(900, 100) << QRect() << QPoint(1200, 300) << QPoint(700, 250);
    QTest::newRow("first screen, right edge")
        << QSize(200, 100) << QRect() << QPoint(790, 300) << QPoint(600, 250);
    QTest::newRow("centre on no screen: the primary one")
        << QSize(200, 100) << QRect() << QPoint(2000, 300) << QPoint(600, 250);
}

void ScreensTest::popupPlacement()
{
    QFETCH(QSize, size);
    QFETCH(QRect, parent);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);

    const std::unique_ptr<QWidget> owner = parent.isValid() ? shownWindowAt(parent) : nullptr;
    std::unique_ptr<PopupWidget> popup(popupOfSize(size, PopupWidget::CloseOnLeave, owner.get()));
    if (point.isNull())
        popup->popup();
    else
        popup->popup(point);
    QCOMPARE(popup->geometry(), QRect(expected, size));
    popup.reset();
}

void ScreensTest::listOverTheSecondScreen()
{
    const std::unique_ptr<QWidget> owner = shownWindowAt(QRect(1300, 100, 400, 300));
    auto *list = new PopupListWidget(owner.get());
    list->setFixedSize(150, 150);
    list->popup();
    QCOMPARE(list->geometry(), QRect(1425, 175, 150, 150)); // not kept on any screen
}

void ScreensTest::dialogCentring_data()
{
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<int>("screen");
    QTest::newRow("parent on the second screen") << QRect(900, 50, 300, 200) << 1;
    QTest::newRow("parent on the first screen") << QRect(100, 50, 300, 200) << 0;
    // The screen that holds most of the parent, not its corner.
    QTest::newRow("parent across both, mostly the second")
        << QRect(700, 50, 400, 200) << 1;
    QTest::newRow("no parent: the primary screen") << QRect() << 0;
}

void ScreensTest::dialogCentring()
{
    QFETCH(QRect, parent);
    QFETCH(int, screen);

    const std::unique_ptr<QWidget> owner = parent.isValid() ? shownWindowAt(parent) : nullptr;
    PasswordDialog dialog(owner.get(), QString(), false);
    const QRect area = QGuiApplication::screens().at(screen)->geometry();
    const QSize size = dialog.size();
    QCOMPARE(dialog.geometry().topLeft(),
             area.topLeft() +
                 QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
