// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// corvad-qt5-gallery [--help] [--version] [--screenshots DIR]
//
// Lets a person try every part of the library. With --screenshots it renders the window and
// each dialog and widget to DIR/<name>.png without a display, and exits. Without a display
// (and without a platform chosen by -platform or QT_QPA_PLATFORM) it says so and exits 2.
#include "gallerywindow.h"
#include "language.h"

#include <corvad-common-qt5/elementselectdialog.h>
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/passworddialog.h>
#include <corvad-common-qt5/popuplistwidget.h>
#include <corvad-common-qt5/popupwidget.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QCommandLineParser>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QString &dir, const QString &name)
{
    widget->show();
    const bool saved = QTest::qWaitForWindowExposed(widget) &&
                       widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(name));
    widget->hide();
    return saved;
}

// A new password typed twice with both aids on, shown: the warning of Caps Lock takes its line
// only where the window system tells of the lock (not without a display).
bool aidsScreenshot(const QString &dir, const QString &name)
{
    using namespace CorvadQt5;
    Common::setPasswordAidEnabled(Common::CapsLockWarning);
    Common::setPasswordAidEnabled(Common::RevealPassword);
    PasswordDialog dialog(nullptr, QString(), true);
    const QString typed = QStringLiteral("Tr0ub4dor&3");
    for (const char *field : {"password", "confirmation"})
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QLatin1String(field)), typed);
    const QList<QAction *> actions =
        dialog.findChild<QLineEdit *>(QStringLiteral("password"))->actions();
    dialog.show();
    if (!actions.isEmpty())
        actions.first()->trigger();
    const bool ok = save(&dialog, dir, name);
    Common::setPasswordAidEnabled(Common::CapsLockWarning, false);
    Common::setPasswordAidEnabled(Common::RevealPassword, false);
    return ok;
}

// Arabic, laid out right to left as an application in that language shows them.
bool rightToLeftScreenshots(const QString &dir)
{
    using namespace CorvadQt5;
    if (!Language::use(QStringLiteral("ar")))
        return false;
    PasswordDialog confirmation(nullptr, QString(), true);
    bool ok = save(&confirmation, dir, QStringLiteral("passworddialog-ar"));
    LoginDialog login(nullptr, QString(), QStringLiteral("alice"));
    ok = save(&login, dir, QStringLiteral("logindialog-ar")) && ok;
    ElementSelectDialog chooser({}, {}, ElementSelectDialog::AllMode);
    chooser.resize(320, 360);
    ok = save(&chooser, dir, QStringLiteral("elementselectdialog-ar")) && ok;
    ok = aidsScreenshot(dir, QStringLiteral("passworddialog-aids-ar")) && ok;
    Language::use(QString());
    return ok;
}

int screenshots(const QString &dir)
{
    using namespace CorvadQt5;
    QDir().mkpath(dir);
    bool ok = true;

    GalleryWindow window;
    window.resize(560, 420);
    const char *pages[] = {"gallery-dialogs", "gallery-popups", "gallery-icons",
                           "gallery-help-and-about", "gallery-accounts"};
    for (int page = 0; page < window.pages()->count(); ++page) {
        window.pages()->setCurrentIndex(page);
        ok = save(&window, dir, QLatin1String(pages[page])) && ok;
    }

    PasswordDialog password(nullptr, QString(), false);
    password.findChild<QLineEdit *>(QStringLiteral("password"))->setText(QStringLiteral("secret"));
    ok = save(&password, dir, QStringLiteral("passworddialog")) && ok;
    PasswordDialog confirmation(nullptr, QStringLiteral("New password"), true);
    ok = save(&confirmation, dir, QStringLiteral("passworddialog-confirmation")) && ok;
    ok = aidsScreenshot(dir, QStringLiteral("passworddialog-aids")) && ok;
    LoginDialog login(nullptr, QString(), QStringLiteral("alice"));
    ok = save(&login, dir, QStringLiteral("logindialog")) && ok;
    ElementSelectDialog chooser({}, {}, ElementSelectDialog::AllMode);
    chooser.resize(320, 360);
    ok = save(&chooser, dir, QStringLiteral("elementselectdialog")) && ok;

    PopupWidget popup(PopupWidget::CloseOnLeave);
    auto *calendar = new QCalendarWidget;
    calendar->setSelectedDate(QDate(2026, 12, 8)); // the same picture every day
    popup.setWidget(calendar);
    popup.adjustSize();
    ok = save(&popup, dir, QStringLiteral("popupwidget")) && ok;
    PopupListWidget list;
    list.addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")});
    list.setCurrentRow(1);
    ok = save(&list, dir, QStringLiteral("popuplistwidget")) && ok;
    return rightToLeftScreenshots(dir) && ok ? 0 : 1;
}

// Qt's own message for a missing display ends in advice to reinstall, which is wrong here.
bool platformChosen(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void describeOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(
        QStringLiteral("Lets you try every part of " CORVADQT5_LIBRARY_NAME ".\n"
                       "Exit status: 0 when the window was closed or every picture was written;\n"
                       "1 when a picture could not be written or the command line is wrong;\n"
                       "2 when there is no display and --screenshots was not given."));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addOption(
        {QStringLiteral("screenshots"),
         QStringLiteral("Render the window, every dialog and widget to DIR/<name>.png "
                        "without a display, and exit."),
         QStringLiteral("DIR")});
}

void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral(CORVADQT5_TOOL_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVADQT5_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral(CORVADQT5_LIBRARY_NAME));
}

} // namespace

int main(int argc, char **argv)
{
    // What the options ask for is known before Qt's platform (and so a display) is needed.
    QCommandLineParser parser;
    describeOptions(&parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments); // Qt's own options (-platform) are only known to QApplication
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        QCoreApplication core(argc, argv);
        setNames();
        parser.process(core); // prints and exits 0
    }
    const QString shotsDir = parser.value(QStringLiteral("screenshots"));
    if (!shotsDir.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!displayAvailable() && !platformChosen(argc, argv)) {
        std::fprintf(stderr, CORVADQT5_TOOL_NAME ": no display (neither DISPLAY nor "
                                                 "WAYLAND_DISPLAY is set); run it in a desktop "
                                                 "session, or render its pictures with "
                                                 "--screenshots DIR\n");
        return 2;
    }

#if QT_VERSION_MAJOR < 6
    // Sharp icons on screens above ratio 1 (Qt 6 always has them).
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    setNames();
    QApplication::setApplicationDisplayName(QStringLiteral(CORVADQT5_LIBRARY_NAME " gallery"));
    parser.process(app); // the final word on the command line: a wrong option exits 1
    if (!shotsDir.isEmpty())
        return screenshots(shotsDir);

    GalleryWindow window;
    window.show();
    return app.exec();
}
