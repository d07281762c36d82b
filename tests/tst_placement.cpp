// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The placement arithmetic at the ends of int, where the popups cannot take it: their frames
// keep them from being empty. Run under UBSan, an overflow fails the test.
#include "base/screenplacement.h"

#include <QtTest>

#include <limits>

using namespace CorvadQt5::ScreenPlacement;

class PlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void centredAndClamped_data();
    void centredAndClamped();
};

void PlacementTest::centredAndClamped_data()
{
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Max = std::numeric_limits<int>::max();
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("centred");
    QTest::addColumn<QRect>("clamped"); // onto an 800 x 600 screen at the origin

    QTest::newRow("ordinary") << QPoint(400, 300) << QSize(200, 100) << QRect(300, 250, 200, 100)
                              << QRect(300, 250, 200, 100);
    QTest::newRow("empty at the smallest x") << QPoint(Min, 0) << QSize(0, 10)
                                             << QRect(Min + 1, -5, 0, 10) << QRect(0, 0, 0, 10);
    QTest::newRow("empty at the largest y") << QPoint(0, Max) << QSize(10, 0)
                                            << QRect(-5, Max, 10, 0) << QRect(0, 600, 10, 0);
    QTest::newRow("widest at the largest x") << QPoint(Max, 0) << QSize(Max, 1)
                                             << QRect(0, 0, Max, 1) << QRect(800 - Max, 0, Max, 1);
    QTest::newRow("widest at the smallest x") << QPoint(Min, 0) << QSize(Max, 1)
                                              << QRect(Min, 0, Max, 1) << QRect(0, 0, Max, 1);
}

void PlacementTest::centredAndClamped()
{
    QFETCH(QPoint, centre);
    QFETCH(QSize, size);
    QFETCH(QRect, centred);
    QFETCH(QRect, clamped);

    const QRect rect = centredAt(centre, size);
    QCOMPARE(rect, centred);
    QCOMPARE(clampedTo(rect, QRect(0, 0, 800, 600)), clamped);
}

QTEST_GUILESS_MAIN(PlacementTest)
#include "tst_placement.moc"
