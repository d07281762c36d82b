// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// What the Python bindings add: Common.nameByUid from Python against the standard library's
// pwd.getpwuid, and the chooser filled from Python against the same fill from C++.
#include "benchfixture.h"

#include <corvad-common-qt5/elementselectdialog.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Child side: the C++ fill of the chooser, fastest of five.
int measure()
{
    const double fill = Bench::fastest(5, [] {
        CorvadQt5::ElementSelectDialog chooser({}, {}, CorvadQt5::ElementSelectDialog::UserMode);
    });
    QTextStream(stdout) << fill << '\n';
    return 0;
}

// Up to 300 ids spread over the users, the last one last.
QString sampleIds(int users)
{
    QStringList ids;
    const int step = qMax(1, users / 300);
    for (int i = step - 1; i < users; i += step)
        ids << QString::number(1000 + i);
    return ids.join(QLatin1Char(','));
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--measure")))
        return measure();
    qputenv("PYTHONPATH", CORVADQT5_PYTHON_PATH);

    QTextStream out(stdout);
    out << "the Python bindings, " << Bench::backendName() << "\n\n"
        << qSetFieldWidth(11) << "binding" << "users" << "nameByUid" << "pwd" << "ratio"
        << "fill (Py)" << "fill (C++)" << "ratio" << qSetFieldWidth(0)
        << "\n(lookups in microseconds, fills in seconds)\n";
    for (const int users : {100, 100000}) {
        QTemporaryDir dir;
        if (!dir.isValid() || !Bench::writeAccounts(dir.path(), users, 10)) {
            out << "cannot write the account database\n";
            return 1;
        }
        const QList<QByteArray> cxx =
            Bench::runAgainst(dir.path(), app.applicationFilePath(), {QStringLiteral("--measure")})
                .simplified()
                .split(' ');
        for (const QString &binding : QStringLiteral(CORVADQT5_BINDINGS).split(QLatin1Char(','))) {
            const QList<QByteArray> python =
                Bench::runAgainst(dir.path(), QStringLiteral(CORVADQT5_PYTHON),
                                  {QStringLiteral(CORVADQT5_PYTHON_MEASURE), binding, sampleIds(users)})
                    .simplified()
                    .split(' ');
            if (python.size() != 3 || cxx.size() != 1) {
                out << "a measuring run gave no figures\n";
                return 1;
            }
            const double lookup = python[0].toDouble(), standard = python[1].toDouble(),
                         fromPython = python[2].toDouble(), fromCxx = cxx[0].toDouble();
            out << qSetFieldWidth(11) << binding << users << qSetRealNumberPrecision(3)
                << lookup * 1e6 << standard * 1e6 << lookup / standard << fromPython << fromCxx
                << fromPython / fromCxx << qSetFieldWidth(0) << '\n';
            out.flush();
        }
    }
    out << "targets: nameByUid <= 1.5 x pwd.getpwuid; the fill from Python <= 1.05 x from C++ at "
           "100,000 users\n";
    return 0;
}
