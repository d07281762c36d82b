// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// corvad-qt5-plugininfo [--help] [--version] [FILE-OR-DIR ...]
//
// For plugin authors and administrators: says of each candidate whether the plugin manager
// takes it, and if not why, which the library itself never says. Without arguments it looks
// at the plugin directory. Exits 0 when every named file, and every file of a named directory
// that the manager would open, is a valid plugin.
#include "base/checkedlibrary.h"
#include "base/fixedpaths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <utility>

using CorvadQt5::CheckedLibrary;

namespace {

QTextStream out(stdout);

struct Verdict
{
    bool valid = false;
    QString reason;
    bool scanned = true; // false: a directory scan would not even open it
};

const char *refusal(const CheckedLibrary &library, CheckedLibrary::Verdict verdict)
{
    switch (verdict) {
    case CheckedLibrary::Missing:
        return "cannot be opened";
    case CheckedLibrary::NotRegularFile:
        return "not a regular file (after following links)";
    case CheckedLibrary::UnsafeFileOwner:
        return "unsafe: the file is owned by someone other than root or this user";
    case CheckedLibrary::UnsafeFileMode:
        return "unsafe: the file is writable by group or others";
    case CheckedLibrary::UnsafeDirectoryOwner:
        return "unsafe: its directory is owned by someone other than root or this user";
    case CheckedLibrary::UnsafeDirectoryMode:
        return "unsafe: its directory is writable by group or others";
    case CheckedLibrary::MalformedElf:
        return CorvadQt5::describe(library.elfProblem());
    case CheckedLibrary::OtherQtMajor:
        return "linked against another Qt major than this Qt " QT_STRINGIFY(
            QT_VERSION_MAJOR) " build (loading it would bring a second Qt into the process)";
    default:
        return "does not load";
    }
}

Verdict inspectLibrary(const QString &path)
{
    CheckedLibrary library;
    const CheckedLibrary::Verdict loaded = library.loadChecked(path);
    if (loaded == CheckedLibrary::LoadFailed) {
        out << "  load:    failed: " << library.errorString() << '\n';
        return {false, QStringLiteral("does not load")};
    }
    if (loaded != CheckedLibrary::Loaded) {
        out << "  load:    refused: " << refusal(library, loaded) << '\n';
        return {false, QString::fromLatin1(refusal(library, loaded))};
    }
    out << "  load:    ok\n";
    const auto type = reinterpret_cast<int (*)()>(library.resolve("corvadQt5PluginType"));
    const bool instance = library.resolve("corvadQt5PluginInstance") != nullptr;
    out << "  symbols: corvadQt5PluginType " << (type ? "found" : "MISSING")
        << ", corvadQt5PluginInstance " << (instance ? "found" : "MISSING") << '\n';
    const int value = type ? type() : 0;
    out << "  type:    " << value << (type ? "" : " (no type entry)")
        << (value == 1 ? " (desktop integration)" : "") << '\n';
    library.unload();
    if (!type || !instance)
        return {false, QStringLiteral("an entry symbol is missing")};
    return {true, QStringLiteral("registered when plugins of type %1 are asked for").arg(value)};
}

// Follows the manager's rules: regular files only, no hidden names, ".so" case-sensitively.
Verdict inspect(const QString &path)
{
    out << path << '\n';
    const QFileInfo file(path);
    const QString name = file.fileName();
    Verdict verdict;
    if (!file.exists() || !file.isFile()) {
        out << "  file:    " << (file.exists() ? "not a regular file" : "missing") << '\n';
        verdict.reason = QStringLiteral("not a file");
        verdict.scanned = false;
    } else if (name.startsWith(QLatin1Char('.')) || !name.endsWith(QLatin1String(".so"))) {
        out << "  name:    rejected (hidden, or not ending in \".so\")\n";
        verdict.reason = QStringLiteral("name not scanned");
        verdict.scanned = false;
    } else {
        out << "  name:    ok\n";
        verdict = inspectLibrary(path);
    }
    out << "  verdict: " << (verdict.valid ? "valid plugin, " : "not taken: ") << verdict.reason
        << '\n';
    return verdict;
}

QStringList entriesOf(const QString &argument)
{
    QStringList paths;
    const QDir dir(argument);
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVADQT5_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Says of each file whether the plugin manager takes it, and if not why.\n"
                       "Exit status: 0 when every file named, and every file of a directory\n"
                       "named that the manager would open, is a valid plugin; 1 otherwise,\n"
                       "also when there is no candidate or the command line is wrong."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file-or-dir"),
                                 QStringLiteral("Plugin files or directories (default: %1).")
                                     .arg(CorvadQt5::FixedPaths::pluginDirectory()),
                                 QStringLiteral("[FILE-OR-DIR...]"));
    parser.process(app);
    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        arguments << CorvadQt5::FixedPaths::pluginDirectory();

    bool allValid = true;
    int seen = 0;
    for (const QString &argument : std::as_const(arguments)) {
        if (!QFileInfo(argument).isDir()) {
            allValid = inspect(argument).valid && allValid;
            ++seen;
            continue;
        }
        const QStringList entries = entriesOf(argument);
        for (const QString &path : entries) {
            const Verdict verdict = inspect(path);
            if (verdict.scanned) {
                allValid = verdict.valid && allValid;
                ++seen;
            }
        }
    }
    if (seen == 0)
        out << "no candidates in " << arguments.join(QLatin1String(", ")) << '\n';
    return allValid && seen > 0 ? 0 : 1;
}
