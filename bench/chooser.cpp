// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// How the chooser's fill scales: against a bare walk, the best plain fill, and the naive fill
// whose items are constructed with their text and the list as parent.
#include "benchfixture.h"

#include <corvad-common-qt5/elementselectdialog.h>

#include <QApplication>
#include <QListWidget>
#include <QTextStream>

#include <pwd.h>

namespace {

int bareWalk()
{
    int count = 0;
    Bench::bareWalk([&count](const passwd &) { return ++count; });
    return count;
}

template <typename AddItem>
void fillList(AddItem addItem)
{
    QListWidget list;
    Bench::bareWalk([&](const passwd &entry) {
        if (entry.pw_uid == 0 || entry.pw_uid >= 300)
            addItem(list, entry);
        return true;
    });
}

// Child side: the four timings of one database, on one line.
int measure()
{
    const double walk = Bench::fastest(5, [] { bareWalk(); });
    const double plain = Bench::fastest(3, [] {
        fillList([](QListWidget &list, const passwd &entry) {
            auto *item = new QListWidgetItem;
            item->setData(Qt::DisplayRole, QString::fromLocal8Bit(entry.pw_name));
            item->setData(Qt::UserRole, 1);
            item->setData(Qt::UserRole + 1, entry.pw_uid);
            list.addItem(item);
        });
    });
    const double dialog = Bench::fastest(3, [] {
        CorvadQt5::ElementSelectDialog chooser({}, {}, CorvadQt5::ElementSelectDialog::UserMode);
    });
    const double naive = Bench::fastest(1, [] {
        fillList([](QListWidget &list, const passwd &entry) {
            auto *item = new QListWidgetItem(QString::fromLocal8Bit(entry.pw_name), &list);
            item->setData(Qt::UserRole, 1);
            item->setData(Qt::UserRole + 1, entry.pw_uid);
        });
    });
    QTextStream(stdout) << bareWalk() << ' ' << walk << ' ' << plain << ' ' << dialog << ' '
                        << naive << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--measure")))
        return measure();

    QTextStream out(stdout);
    out << "chooser fill, " << Bench::backendName() << "; seconds, fastest of several runs\n"
        << "(a) bare getpwent_r walk  (b) best plain fill  (c) ElementSelectDialog(UserMode)\n"
        << "(d) naive fill, items constructed with their text and the list as parent\n\n";
    out << qSetFieldWidth(10) << "users"
        << "(a)"
        << "(b)"
        << "(c)"
        << "(d)"
        << "c/b"
        << "c/d" << qSetFieldWidth(0) << '\n';
    double dialogAt100k = 0;
    for (const int users : {10000, 100000, 200000}) {
        const QList<QByteArray> fields =
            Bench::measureAgainstAccounts(users, app.applicationFilePath());
        if (fields.size() != 5 || fields[0].toInt() != users + 1) {
            out << "the measuring run did not see the database\n";
            return 1;
        }
        const double walk = fields[1].toDouble(), plain = fields[2].toDouble(),
                     dialog = fields[3].toDouble(), naive = fields[4].toDouble();
        out << qSetFieldWidth(10) << users << qSetRealNumberPrecision(3) << walk << plain << dialog
            << naive << dialog / plain << dialog / naive << qSetFieldWidth(0) << '\n';
        out.flush();
        if (users == 100000)
            dialogAt100k = dialog;
        if (users == 200000)
            out << "\n(c) at 200,000 / (c) at 100,000: " << dialog / dialogAt100k
                << " (linear: 2)\n";
    }
    out << "targets: c/b <= 1.5 and c/d <= 0.1 at 100,000 users; 200k/100k <= 2.3\n";
    return 0;
}
