// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Start-up cost as whole processes: an application that opens a PasswordDialog against the
// same application built with plain Qt, then with 10 and 50 plugin files of another type in
// the plugin directory (the test build's, so that no system folder is touched).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int Runs = 31;

double seconds(const QString &program)
{
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(program, {});
    return timer.nsecsElapsed() / 1e9;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Median times of both programs, run in turn so that both see the same machine.
QPair<double, double> measure(const QString &library, const QString &plain)
{
    QList<double> withLibrary, withoutLibrary;
    for (int run = 0; run < Runs; ++run) {
        withLibrary << seconds(library);
        withoutLibrary << seconds(plain);
    }
    return {median(withLibrary), median(withoutLibrary)};
}

bool fillPluginDirectory(int plugins)
{
    QDir directory(QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR));
    directory.removeRecursively();
    if (!QDir().mkpath(directory.path()))
        return false;
    for (int i = 0; i < plugins; ++i) {
        if (!QFile::copy(
                QStringLiteral(CORVADQT5_OTHER_TYPE_PLUGIN),
                directory.filePath(QStringLiteral("other%1.so").arg(i, 2, 10, QLatin1Char('0')))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString library = QStringLiteral(CORVADQT5_STARTUP_LIBRARY);
    const QString plain = QStringLiteral(CORVADQT5_STARTUP_PLAIN);

    out << "start-up as whole processes, median of " << Runs << " runs each, in turn\n";
    double emptyCost = 0; // what the library adds with an empty directory
    for (const int plugins : {0, 10, 50}) {
        if (!fillPluginDirectory(plugins)) {
            out << "cannot fill the plugin directory\n";
            return 1;
        }
        const auto [withLibrary, withoutLibrary] = measure(library, plain);
        out << qSetRealNumberPrecision(3) << plugins
            << " plugins of another type: " << withLibrary * 1000 << " ms with the library, "
            << withoutLibrary * 1000 << " ms with plain Qt, ratio " << withLibrary / withoutLibrary;
        // Against the plain run of the same batch, so that drift between batches cancels.
        const double cost = withLibrary - withoutLibrary;
        if (plugins == 0)
            emptyCost = cost;
        else
            out << ", " << (cost - emptyCost) * 1000 / plugins << " ms more per plugin file";
        out << '\n';
        out.flush();
    }
    fillPluginDirectory(0);
    out << "target: ratio at most 1.10 with an empty plugin directory\n";
    return 0;
}
