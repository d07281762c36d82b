// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The popup frame and the popup list on the offscreen screen (800 x 600).
#include <corvad-common-qt5/popuplistwidget.h>
#include <corvad-common-qt5/popupwidget.h>

#include "popupsupport.h"
#include "qtmessages.h"

#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSpontaneKeyEvent>
#include <QtTest>

using CorvadQt5::PopupListWidget;
using CorvadQt5::PopupWidget;

namespace {

// The offscreen platform sends the pointer's enter and leave events to the first shown
// window under it, not the topmost: a list's parent is therefore left hidden (its place on
// the screen counts all the same).
QWidget *parentAt(const QRect &geometry, bool shown = true)
{
    auto *parent = new QWidget;
    parent->setGeometry(geometry);
    if (shown)
        parent->show();
    return parent;
}

// A 200 x 100 popup in \a mode, shown centred on \a centre and exposed.
PopupWidget *shownPopup(int mode, QPoint centre)
{
    PopupWidget *popup = popupOfSize(QSize(200, 100), PopupWidget::Mode(mode));
    popup->popup(centre);
    if (!QTest::qWaitForWindowExposed(popup))
        qFatal("the popup was never exposed");
    return popup;
}

// Moves the real pointer into \a widget's middle and then far outside it. A display server
// reports each move a little later: wait for the entry before leaving.
void moveThroughAndOut(QWidget *widget)
{
    QCursor::setPos(widget->geometry().center());
    QTRY_VERIFY(widget->underMouse());
    QCursor::setPos(widget->geometry().bottomRight() + QPoint(40, 40));
    QTRY_VERIFY(!widget->underMouse());
}

// Pops \a list up over its parent, moves the pointer in and out again; answers whether the
// list then hid itself. The pointer was put there before the list was shown: its entry is
// reported when it moves.
bool popUpAndLeave(PopupListWidget *list)
{
    list->popup();
    if (!QTest::qWaitForWindowExposed(list))
        return false;
    QCursor::setPos(QCursor::pos() + QPoint(1, 1));
    if (!QTest::qWaitFor([list] { return list->underMouse(); }))
        return false;
    QCursor::setPos(list->geometry().bottomRight() + QPoint(40, 40));
    return QTest::qWaitFor([list] { return !list->isVisible(); });
}

} // namespace

class PopupsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void placement_data();
    void placement();
    void leaveClosesOnlyInItsMode_data();
    void leaveClosesOnlyInItsMode();
    void deactivationClosesOnlyInItsMode_data();
    void deactivationClosesOnlyInItsMode();
    void lateEventsToAHiddenPopup_data();
    void lateEventsToAHiddenPopup();
    void doubleClickClosesEveryMode_data();
    void doubleClickClosesEveryMode();
    void deletedByItsOwnDoneSlot();
    void doubleClickConsumedByTheContent();
    void escapeDoesNotClose();
    void acceptWhileHiddenSignalsAgain();
    void secondWidgetReplacesTheFirst();
    void windowManagerCloseSignalsOnce_data();
    void windowManagerCloseSignalsOnce();
    void deletedChildrenDoNotCrash();

    void listStartsAt150();
    void listPlacement_data();
    void listPlacement();
    void listHidesOnEveryLeave();
    void listClickDoesNotHide();
};

void PopupsTest::initTestCase()
{
    QtMessages::collect();
}

// Parents own their popups; whatever is left without a parent goes here. No connection may
// have failed.
void PopupsTest::cleanup()
{
    QString messages;
    QVERIFY2(QtMessages::none(&messages), qPrintable(messages));
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows) {
        if (window && !window->parentWidget())
            delete window.data();
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PopupsTest::placement_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("parent"); // null: popup(point) instead
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("centred over the parent")
        << QSize(200, 100) << QRect(100, 100, 400, 300) << QPoint() << QPoint(200, 200);
    QTest::newRow("at a point, moved onto the screen")
        << QSize(200, 100) << QRect() << QPoint(10, 10) << QPoint(0, 0);
    QTest::newRow("at the far corner")
        << QSize(200, 100) << QRect() << QPoint(790, 590) << QPoint(600, 500);
    QTest::newRow("odd width halves down")
        << QSize(201, 101) << QRect() << QPoint(300, 300) << QPoint(200, 250);
    QTest::newRow("wider than the screen: right edge on it")
        << QSize(900, 100) << QRect(300, 100, 200, 100) << QPoint() << QPoint(-100, 100);
    QTest::newRow("taller than the screen: bottom edge on it")
        << QSize(100, 700) << QRect() << QPoint(400, 300) << QPoint(350, -100);
    QTest::newRow("no parent: centred on the screen")
        << QSize(200, 100) << QRect(0, 0, 0, 0) << QPoint() << QPoint(300, 250);
    // The centring and the clamp used to overflow int here.
    QTest::newRow("at the largest x")
        << QSize(200, 100) << QRect() << QPoint(2147483600, 0) << QPoint(600, 0);
    QTest::newRow("at the smallest y")
        << QSize(200, 100) << QRect() << QPoint(100, -2147483600) << QPoint(0, 0);
}

void PopupsTest::placement()
{
    QFETCH(QSize, size);
    QFETCH(QRect, parent);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);

    QWidget *owner = parent.isValid() ? parentAt(parent) : nullptr;
    PopupWidget *popup = popupOfSize(size, PopupWidget::CloseOnLeave, owner);
    if (point.isNull())
        popup->popup();
    else
        popup->popup(point);
    QVERIFY(popup->isVisible());
    QVERIFY(popup->isWindow());
    QCOMPARE(popup->size(), size);
    QCOMPARE(popup->pos(), expected);
    if (!owner)
        delete popup;
}

void PopupsTest::leaveClosesOnlyInItsMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("closes");
    QTest::newRow("CloseOnLeave") << int(PopupWidget::CloseOnLeave) << true;
    QTest::newRow("CloseOnDeactivate") << int(PopupWidget::CloseOnDeactivate) << false;
    QTest::newRow("mode 7") << 7 << false;
}

void PopupsTest::leaveClosesOnlyInItsMode()
{
    QFETCH(int, mode);
    QFETCH(bool, closes);

    QScopedPointer<PopupWidget> popup(shownPopup(mode, QPoint(400, 300)));
    QSignalSpy done(popup.data(), SIGNAL(done()));
    moveThroughAndOut(popup.data());
    QCOMPARE(popup->isVisible(), !closes);
    QCOMPARE(done.count(), closes ? 1 : 0);
}

void PopupsTest::deactivationClosesOnlyInItsMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("closes");
    QTest::newRow("CloseOnDeactivate") << int(PopupWidget::CloseOnDeactivate) << true;
    QTest::newRow("CloseOnLeave") << int(PopupWidget::CloseOnLeave) << false;
}

void PopupsTest::deactivationClosesOnlyInItsMode()
{
    QFETCH(int, mode);
    QFETCH(bool, closes);

    QScopedPointer<PopupWidget> popup(shownPopup(mode, QPoint(100, 100)));
    QSignalSpy done(popup.data(), SIGNAL(done()));
    QVERIFY(QTest::qWaitForWindowActive(popup.data()));
    QWidget other;
    other.setGeometry(500, 400, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_COMPARE(popup->isVisible(), !closes);
    QCOMPARE(done.count(), closes ? 1 : 0);
}

void PopupsTest::lateEventsToAHiddenPopup_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("event"); // QEvent::Close: the window system's
    QTest::newRow("deactivation")
        << int(PopupWidget::CloseOnDeactivate) << int(QEvent::WindowDeactivate);
    QTest::newRow("leave") << int(PopupWidget::CloseOnLeave) << int(QEvent::Leave);
    QTest::newRow("the window system's close")
        << int(PopupWidget::CloseOnDeactivate) << int(QEvent::Close);
}

// The window system reports the focus or the pointer going, or closes the window again,
// after the popup was closed: nothing to signal.
void PopupsTest::lateEventsToAHiddenPopup()
{
    QFETCH(int, mode);
    QFETCH(int, event);
    QScopedPointer<PopupWidget> popup(shownPopup(mode, QPoint(100, 100)));
    popup->hide();
    QSignalSpy done(popup.data(), SIGNAL(done()));
    if (event == QEvent::Close) { // spontaneous, as a window manager's
        QCloseEvent closing;
        QSpontaneKeyEvent::setSpontaneous(&closing);
        QApplication::instance()->notify(popup.data(), &closing); // sendEvent would unmark it
    } else {
        QEvent late{QEvent::Type(event)};
        QApplication::sendEvent(popup.data(), &late);
    }
    QCOMPARE(done.count(), 0);
}

void PopupsTest::doubleClickClosesEveryMode_data()
{
    leaveClosesOnlyInItsMode_data();
}

void PopupsTest::doubleClickClosesEveryMode()
{
    QFETCH(int, mode);
    QScopedPointer<PopupWidget> popup(shownPopup(mode, QPoint(400, 300)));
    QSignalSpy done(popup.data(), SIGNAL(done()));
    QList<bool> visibleAtDone;
    connect(popup.data(), &PopupWidget::done, this,
            [&visibleAtDone, &popup] { visibleAtDone << popup->isVisible(); });
    QTest::mouseDClick(popup.data(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!popup->isVisible());
    // Hiding the active popup also deactivates it, which in CloseOnDeactivate mode arrived
    // inside hide() as a second trigger: one action, one done(), once the popup is hidden.
    QCOMPARE(done.count(), 1);
    QCOMPARE(visibleAtDone, QList<bool>{false});
}

// A slot that deletes the popup on done() used to leave the outer accept() emitting on a
// deleted object (AddressSanitizer reports it in the sanitizer run).
void PopupsTest::deletedByItsOwnDoneSlot()
{
    QPointer<PopupWidget> popup(shownPopup(PopupWidget::CloseOnDeactivate, QPoint(400, 300)));
    QVERIFY(QTest::qWaitForWindowActive(popup.data()));
    int calls = 0;
    connect(popup.data(), &PopupWidget::done, popup.data(), [&calls, &popup] {
        ++calls;
        delete popup.data();
    });
    popup->accept();
    QVERIFY(popup.isNull());
    QCOMPARE(calls, 1);
}

void PopupsTest::doubleClickConsumedByTheContent()
{
    QScopedPointer<PopupWidget> popup(new PopupWidget(PopupWidget::CloseOnDeactivate));
    auto *edit = new QLineEdit(QStringLiteral("two words"));
    popup->setWidget(edit);
    QSignalSpy done(popup.data(), SIGNAL(done()));
    popup->popup(QPoint(400, 300));
    QVERIFY(QTest::qWaitForWindowExposed(popup.data()));
    QTest::mouseDClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, edit->height() / 2));
    QVERIFY(popup->isVisible());
    QCOMPARE(done.count(), 0);
}

void PopupsTest::escapeDoesNotClose()
{
    QScopedPointer<PopupWidget> popup(popupOfSize(QSize(100, 100), PopupWidget::CloseOnDeactivate));
    popup->popup(QPoint(400, 300));
    QVERIFY(QTest::qWaitForWindowActive(popup.data()));
    QTest::keyClick(popup.data(), Qt::Key_Escape);
    QVERIFY(popup->isVisible());
}

void PopupsTest::acceptWhileHiddenSignalsAgain()
{
    PopupWidget popup;
    QSignalSpy done(&popup, SIGNAL(done()));
    popup.accept();
    popup.accept();
    QCOMPARE(done.count(), 2);
    QVERIFY(!popup.isVisible());
}

void PopupsTest::secondWidgetReplacesTheFirst()
{
    PopupWidget popup;
    auto *first = new QWidget;
    auto *second = new QWidget;
    popup.setWidget(first);
    popup.setWidget(second);
    QCOMPARE(first->parentWidget(), &popup);
    QCOMPARE(popup.layout()->indexOf(first), -1);
    QCOMPARE(popup.layout()->indexOf(second), 0);
    QCOMPARE(popup.layout()->count(), 1);

    // No content at all is accepted silently.
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; });
    popup.setWidget(nullptr);
    qInstallMessageHandler(previous);
    QCOMPARE(messages, QStringList());
    QCOMPARE(popup.layout()->count(), 0);
    QCOMPARE(second->parentWidget(), &popup);
}

void PopupsTest::listStartsAt150()
{
    PopupListWidget list;
    QCOMPARE(list.size(), QSize(150, 150));
    QVERIFY(list.isWindow());
    QVERIFY(!(list.windowFlags() & Qt::FramelessWindowHint));
}

void PopupsTest::listPlacement_data()
{
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("centred over the parent") << QRect(100, 100, 400, 300) << QPoint(225, 175);
    QTest::newRow("off the right edge, not corrected")
        << QRect(700, 100, 400, 300) << QPoint(825, 175);
    QTest::newRow("no parent: centred on the screen") << QRect() << QPoint(325, 225);
}

void PopupsTest::listPlacement()
{
    QFETCH(QRect, parent);
    QFETCH(QPoint, expected);

    QWidget *owner = parent.isValid() ? parentAt(parent) : nullptr;
    auto *list = new PopupListWidget(owner);
    list->setFixedSize(150, 150); // what adjustSize() then keeps
    list->popup();
    QCOMPARE(list->geometry(), QRect(expected, QSize(150, 150)));
    // A real display keeps the pointer on the screen; the offscreen one does not.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint pointer = expected + QPoint(75, 75);
    const QPoint onScreen(qMin(pointer.x(), screen.right()), qMin(pointer.y(), screen.bottom()));
    QVERIFY2(
        QCursor::pos() == pointer || QCursor::pos() == onScreen,
        qPrintable(
            QStringLiteral("pointer at %1,%2").arg(QCursor::pos().x()).arg(QCursor::pos().y())));
    QVERIFY(list->isVisible());
    if (!owner)
        delete list;
}

void PopupsTest::listHidesOnEveryLeave()
{
    QScopedPointer<QWidget> owner(parentAt(QRect(100, 100, 400, 300), false));
    auto *list = new PopupListWidget(owner.data());
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
    QSignalSpy finished(list, SIGNAL(editingFinished()));
    for (int round = 1; round <= 2; ++round) {
        QVERIFY(popUpAndLeave(list));
        QCOMPARE(finished.count(), round);
    }
}

void PopupsTest::listClickDoesNotHide()
{
    QScopedPointer<QWidget> owner(parentAt(QRect(100, 100, 400, 300), false));
    auto *list = new PopupListWidget(owner.data());
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
    QSignalSpy finished(list, SIGNAL(editingFinished()));
    list->popup();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(list->isVisible());
    QCOMPARE(finished.count(), 0);
}

void PopupsTest::windowManagerCloseSignalsOnce_data()
{
    QTest::addColumn<int>("mode"); // -1: the list
    QTest::newRow("CloseOnLeave") << int(PopupWidget::CloseOnLeave);
    QTest::newRow("CloseOnDeactivate") << int(PopupWidget::CloseOnDeactivate);
    QTest::newRow("list") << -1;
}

// Closed by the window manager (what Alt+F4 or the close button asks of it), a popup left its
// caller waiting for a signal that never came, or signalled twice as its focus went after.
void PopupsTest::windowManagerCloseSignalsOnce()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a window manager: run by display/run-on-x11.sh");
    QFETCH(int, mode);

    QScopedPointer<QWidget> popup;
    if (mode < 0) {
        auto *list = new PopupListWidget;
        list->addItems({QStringLiteral("one"), QStringLiteral("two")});
        list->popup();
        popup.reset(list);
    } else {
        popup.reset(shownPopup(mode, QPoint(400, 300)));
    }
    QSignalSpy closed(popup.data(), mode < 0 ? SIGNAL(editingFinished()) : SIGNAL(done()));
    popup->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(popup.data()));

    QCOMPARE(QProcess::execute(QStringLiteral("wmctrl"),
                               {QStringLiteral("-i"), QStringLiteral("-c"),
                                QString::number(popup->winId())}),
             0);
    QTRY_COMPARE(closed.count(), 1);
    QTest::qWait(300); // the focus and the pointer leave the closed window after it closed
    QCOMPARE(closed.count(), 1);
    QVERIFY(!popup->isVisible());
}

// A caller that deletes a popup's children (its guard among them) must not crash it.
void PopupsTest::deletedChildrenDoNotCrash()
{
    QScopedPointer<PopupWidget> popup(shownPopup(PopupWidget::CloseOnLeave, QPoint(400, 300)));
    QScopedPointer<QWidget> owner(parentAt(QRect(100, 100, 400, 300), false));
    auto *list = new PopupListWidget(owner.data());
    qDeleteAll(popup->findChildren<QObject *>(QString(), Qt::FindDirectChildrenOnly));
    qDeleteAll(list->findChildren<QObject *>(QStringLiteral("corvadqt5-popup-guard")));
    QSignalSpy done(popup.data(), SIGNAL(done()));
    QSignalSpy finished(list, SIGNAL(editingFinished()));

    popup->popup(QPoint(300, 300));
    moveThroughAndOut(popup.data());
    popup->accept();
    QVERIFY(popUpAndLeave(list));
    QCOMPARE(done.count(), 2);
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(PopupsTest)
#include "tst_popups.moc"
