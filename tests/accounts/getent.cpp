// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "getent.h"

#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/elementselectdialog.h>

#include <QHash>
#include <QListWidget>
#include <QProcess>

using CorvadQt5::Common;

namespace Getent {
namespace {

struct Checker
{
    QStringList *report;
    int failures = 0;

    template <typename Value>
    void expect(const Value &actual, const Value &expected, const QString &what)
    {
        if (actual == expected)
            return;
        ++failures;
        if (report && report->size() < 20)
            *report << what;
    }
};

void compareLookups(Checker &check, bool users, const QList<Entry> &list)
{
    QHash<unsigned int, Entry> firstById;
    QHash<QByteArray, unsigned int> firstIdByName;
    for (const Entry &entry : list) {
        if (!firstById.contains(entry.id))
            firstById.insert(entry.id, entry);
        if (!firstIdByName.contains(entry.name))
            firstIdByName.insert(entry.name, entry.id);
    }
    const QString kind = users ? QStringLiteral("uid ") : QStringLiteral("gid ");
    for (auto it = firstById.cbegin(); it != firstById.cend(); ++it) {
        bool ok = false;
        const QString name =
            users ? Common::nameByUid(it.key(), &ok) : Common::nameByGid(it.key(), &ok);
        check.expect(ok, true, kind + QString::number(it.key()) + QStringLiteral(" not found"));
        check.expect(name, QString::fromLocal8Bit(it->name),
                     kind + QString::number(it.key()) + QStringLiteral(": name"));
        if (users)
            check.expect(Common::homeDirByUid(it.key()), QString::fromLocal8Bit(it->home),
                         kind + QString::number(it.key()) + QStringLiteral(": home"));
    }
    for (auto it = firstIdByName.cbegin(); it != firstIdByName.cend(); ++it) {
        const QString name = QString::fromLocal8Bit(it.key());
        if (name.toLocal8Bit() != it.key())
            continue; // not valid in the locale: no QString names it
        bool ok = false;
        const unsigned int id = users ? Common::uidByName(name, &ok) : Common::gidByName(name, &ok);
        check.expect(ok, true, QStringLiteral("name ") + name + QStringLiteral(" not found"));
        check.expect(id, it.value(), QStringLiteral("name ") + name + QStringLiteral(": id"));
    }
}

void compareCounts(Checker &check, bool users, const QList<Entry> &list)
{
    for (const unsigned int threshold : {0u, 1u, 299u, 300u, 1000u, 65534u, 4294967295u}) {
        const int expected =
            int(std::count_if(list.cbegin(), list.cend(), [threshold](const Entry &e) {
                return e.id == 0 || e.id >= threshold;
            }));
        check.expect(users ? Common::userCount(threshold) : Common::groupCount(threshold), expected,
                     QStringLiteral("count from ") + QString::number(threshold));
    }
}

void compareChooser(Checker &check, bool users, const QList<Entry> &list)
{
    using CorvadQt5::ElementSelectDialog;
    ElementSelectDialog dialog(
        {}, {}, users ? ElementSelectDialog::UserMode : ElementSelectDialog::GroupMode);
    auto *items = dialog.findChild<QListWidget *>(QStringLiteral("list"));
    QStringList offered, expected;
    for (int row = 0; row < items->count(); ++row)
        offered << items->item(row)->text() + QLatin1Char(':') +
                       items->item(row)->data(Qt::UserRole + 1).toString();
    for (const Entry &entry : list) {
        if (entry.id == 0 || entry.id >= 300)
            expected << QString::fromLocal8Bit(entry.name) + QLatin1Char(':') +
                            QString::number(entry.id);
    }
    check.expect(offered, expected, QStringLiteral("chooser list"));
}

} // namespace

namespace {

QList<Entry> run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("getent"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    QList<Entry> list;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() < 3)
            continue;
        list.append({fields[0], fields[2].toUInt(), fields.size() > 5 ? fields[5] : QByteArray()});
    }
    return list;
}

} // namespace

QList<Entry> entries(const char *database)
{
    return run({QLatin1String(database)});
}

Entry lookup(const char *database, const QByteArray &key)
{
    return run({QLatin1String(database), QString::fromLocal8Bit(key)}).value(0);
}

int mismatches(QStringList *report)
{
    Checker check{report};
    for (const bool users : {true, false}) {
        const QList<Entry> list = entries(users ? "passwd" : "group");
        compareLookups(check, users, list);
        compareCounts(check, users, list);
        compareChooser(check, users, list);
    }
    return check.failures;
}

} // namespace Getent
