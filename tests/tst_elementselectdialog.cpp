// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The user, group or "other" chooser, driven with real clicks, against account fixtures.
#include "accounts/getent.h"
#include "qtmessages.h"

#include <corvad-common-qt5/elementselectdialog.h>

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using CorvadQt5::ElementSelectDialog;
using Ids = QList<unsigned int>;

namespace {

struct Offered
{
    QString name;
    int kind;
    unsigned int id;
    bool operator==(const Offered &other) const
    {
        return name == other.name && kind == other.kind && id == other.id;
    }
};

QList<Offered> itemsOf(ElementSelectDialog &dialog)
{
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("list"));
    QList<Offered> items;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *item = list->item(row);
        items.append({item->text(), item->data(Qt::UserRole).toInt(),
                      item->data(Qt::UserRole + 1).toUInt()});
    }
    return items;
}

// What the chooser must offer, from getent: database order, duplicates kept, 1..299 and the
// excluded ids left out.
QList<Offered> expectedFromGetent(const char *database, int kind, const Ids &excluded)
{
    QList<Offered> expected;
    for (const Getent::Entry &entry : Getent::entries(database)) {
        if ((entry.id >= 1 && entry.id <= 299) || excluded.contains(entry.id))
            continue;
        expected.append({QString::fromLocal8Bit(entry.name), kind, entry.id});
    }
    return expected;
}

QListWidget *listOf(ElementSelectDialog &dialog)
{
    return dialog.findChild<QListWidget *>(QStringLiteral("list"));
}

QPushButton *doneOf(ElementSelectDialog &dialog)
{
    return qobject_cast<QPushButton *>(
        dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttons"))->buttons().value(0));
}

// Each answers whether it could: the caller stops the test where it could not.
bool click(ElementSelectDialog &dialog, const char *kind)
{
    auto *button = dialog.findChild<QRadioButton *>(QLatin1String(kind));
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

bool selectRowNamed(ElementSelectDialog &dialog, const QString &name)
{
    const QList<QListWidgetItem *> found = listOf(dialog)->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    found.first()->setSelected(true);
    return true;
}

} // namespace

class ElementSelectDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void offersTheDatabaseInOrder_data();
    void offersTheDatabaseInOrder();
    void itemsCarryTheirData();
    void idBounds_data();
    void idBounds();
    void modes_data();
    void modes();
    void nothingChosen();
    void choosingOther();
    void userAfterOther();
    void kindClickDropsTheSelection();
    void disablingOtherWhileChecked();
    void nameInvalidInTheLocale();
    void acceptedThroughDone();
};

void ElementSelectDialogTest::initTestCase()
{
    QtMessages::collect();
}

// No dialog may outlive its test, nor any connection fail.
void ElementSelectDialogTest::cleanup()
{
    QString messages;
    QVERIFY2(QtMessages::none(&messages), qPrintable(messages));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void ElementSelectDialogTest::offersTheDatabaseInOrder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Ids>("excludedUsers");
    QTest::addColumn<Ids>("excludedGroups");

    QTest::newRow("users") << int(ElementSelectDialog::UserMode) << Ids() << Ids();
    QTest::newRow("groups") << int(ElementSelectDialog::GroupMode) << Ids() << Ids();
    QTest::newRow("users without 0 and 1000")
        << int(ElementSelectDialog::UserMode) << Ids{0, 1000} << Ids{300};
    QTest::newRow("groups without 300")
        << int(ElementSelectDialog::GroupMode) << Ids{300} << Ids{300};
    QTest::newRow("group exclusions leave users alone")
        << int(ElementSelectDialog::UserMode) << Ids() << Ids{0, 300, 1000};
    QTest::newRow("user exclusions leave groups alone")
        << int(ElementSelectDialog::GroupMode) << Ids{0, 300, 1000} << Ids();
}

// Also run under glibc with oversized entries: the accounts after them must still be offered.
void ElementSelectDialogTest::offersTheDatabaseInOrder()
{
    QFETCH(int, mode);
    QFETCH(Ids, excludedUsers);
    QFETCH(Ids, excludedGroups);

    ElementSelectDialog dialog(excludedUsers, excludedGroups, ElementSelectDialog::Mode(mode));
    const bool users = mode == ElementSelectDialog::UserMode;
    const QList<Offered> expected = users ? expectedFromGetent("passwd", 1, excludedUsers)
                                          : expectedFromGetent("group", 2, excludedGroups);
    QVERIFY(expected.size() >= 8);
    QCOMPARE(itemsOf(dialog), expected);
}

void ElementSelectDialogTest::itemsCarryTheirData()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::UserMode);
    QListWidget *list = listOf(dialog);
    QVERIFY(list->count() > 0);
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        QCOMPARE(item->type(), int(QListWidgetItem::Type));
        QCOMPARE(item->listWidget(), list);
        QCOMPARE(item->data(Qt::UserRole).userType(), int(QMetaType::Int));
        QCOMPARE(item->data(Qt::UserRole + 1).userType(), int(QMetaType::UInt));
        QVERIFY(item->icon().isNull());
    }
}

void ElementSelectDialogTest::idBounds_data()
{
    QTest::addColumn<unsigned int>("id");
    QTest::addColumn<bool>("offered");

    QTest::newRow("0 is offered") << 0u << true;
    QTest::newRow("1 is hidden") << 1u << false;
    QTest::newRow("150 is hidden") << 150u << false;
    QTest::newRow("299 is hidden") << 299u << false;
    QTest::newRow("300 is offered") << 300u << true;
    QTest::newRow("all bits set is offered") << 4294967295u << true;
}

void ElementSelectDialogTest::idBounds()
{
    QFETCH(unsigned int, id);
    QFETCH(bool, offered);

    for (const auto mode : {ElementSelectDialog::UserMode, ElementSelectDialog::GroupMode}) {
        ElementSelectDialog dialog({}, {}, mode);
        const QList<Offered> items = itemsOf(dialog);
        const bool listed = std::any_of(items.cbegin(), items.cend(),
                                        [id](const Offered &item) { return item.id == id; });
        QCOMPARE(listed, offered);
    }
}

void ElementSelectDialogTest::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hasTypeBox");
    QTest::addColumn<int>("kind");

    QTest::newRow("UserMode") << 0 << false << 1;
    QTest::newRow("GroupMode") << 1 << false << 2;
    QTest::newRow("AllMode") << 2 << true << 1;
    QTest::newRow("5 behaves as AllMode") << 5 << true << 1;
    QTest::newRow("-1 behaves as AllMode") << -1 << true << 1;
}

void ElementSelectDialogTest::modes()
{
    QFETCH(int, mode);
    QFETCH(bool, hasTypeBox);
    QFETCH(int, kind);

    ElementSelectDialog dialog({}, {}, ElementSelectDialog::Mode(mode));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose element"));
    QCOMPARE(dialog.findChild<QGroupBox *>(QStringLiteral("type")) != nullptr, hasTypeBox);
    QCOMPARE(dialog.findChildren<QRadioButton *>().size(), hasTypeBox ? 3 : 0);
    if (hasTypeBox)
        QVERIFY(dialog.findChild<QRadioButton *>(QStringLiteral("user"))->isChecked());
    dialog.setOtherIsEnabled(false); // nothing to disable without the box

    QCOMPARE(dialog.type(), 0);
    QVERIFY(selectRowNamed(dialog, QStringLiteral("root")));
    QCOMPARE(dialog.type(), kind);
    QCOMPARE(dialog.id(), 0);
    QCOMPARE(dialog.name(), QStringLiteral("root"));
    QVERIFY(doneOf(dialog)->isEnabled());
}

void ElementSelectDialogTest::nothingChosen()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    QCOMPARE(dialog.type(), 0);
    QCOMPARE(dialog.id(), -1);
    QVERIFY(dialog.name().isNull());
    QVERIFY(!doneOf(dialog)->isEnabled());
}

void ElementSelectDialogTest::choosingOther()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(click(dialog, "other"));

    QListWidget *list = listOf(dialog);
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Any user or group"));
    QVERIFY(!list->item(0)->data(Qt::UserRole).isValid());
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(doneOf(dialog)->isEnabled());
    QCOMPARE(dialog.type(), 3);
    QCOMPARE(dialog.id(), -1);
    QCOMPARE(dialog.name(), QStringLiteral("other"));
}

void ElementSelectDialogTest::userAfterOther()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<Offered> users = itemsOf(dialog);
    QVERIFY(click(dialog, "other"));
    QVERIFY(click(dialog, "user"));

    QVERIFY(listOf(dialog)->isEnabled());
    QCOMPARE(itemsOf(dialog), users);
    QVERIFY(!doneOf(dialog)->isEnabled());
    QCOMPARE(dialog.type(), 0);
}

void ElementSelectDialogTest::kindClickDropsTheSelection()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(selectRowNamed(dialog, QStringLiteral("first")));
    QVERIFY(doneOf(dialog)->isEnabled());

    QVERIFY(click(dialog, "user")); // the checked one: rebuilt all the same
    QVERIFY(listOf(dialog)->selectedItems().isEmpty());
    QVERIFY(!doneOf(dialog)->isEnabled());

    QVERIFY(selectRowNamed(dialog, QStringLiteral("first")));
    QVERIFY(click(dialog, "group"));
    QVERIFY(listOf(dialog)->selectedItems().isEmpty());
    QVERIFY(!doneOf(dialog)->isEnabled());
    QCOMPARE(itemsOf(dialog).value(0).kind, 2);
}

void ElementSelectDialogTest::disablingOtherWhileChecked()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(click(dialog, "other"));
    dialog.setOtherIsEnabled(false);

    auto *other = dialog.findChild<QRadioButton *>(QStringLiteral("other"));
    QVERIFY(!other->isEnabled());
    QVERIFY(other->isChecked());
    QVERIFY(doneOf(dialog)->isEnabled());
    QCOMPARE(dialog.type(), 3);
}

void ElementSelectDialogTest::nameInvalidInTheLocale()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::UserMode);
    const QString decoded = QString::fromLocal8Bit("caf\xe9");
    QVERIFY(!listOf(dialog)->findItems(decoded, Qt::MatchExactly).isEmpty());
}

void ElementSelectDialogTest::acceptedThroughDone()
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::GroupMode);
    QTimer::singleShot(0, this, [&dialog] {
        QVERIFY(QApplication::activeModalWidget() == &dialog);
        QVERIFY(selectRowNamed(dialog, QStringLiteral("max")));
        QTest::mouseClick(doneOf(dialog), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.type(), 2);
    QCOMPARE(dialog.id(), -1); // the id's 32 bits as int
    QCOMPARE(dialog.name(), QStringLiteral("max"));
}

QTEST_MAIN(ElementSelectDialogTest)
#include "tst_elementselectdialog.moc"
