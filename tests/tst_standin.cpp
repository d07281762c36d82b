// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The shipped library with the desktop's help menu stand-in: real windows, found and closed.
#include <corvad-common-qt5/common.h>

#include <QMessageBox>
#include <QtTest>

class StandInTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aboutShowsTheApplication();
    void contentsWithoutHelp();

private:
    // Closes the modal box that the call opens and returns its text.
    QString textOfTheModalBox(void (CorvadQt5::Common::*call)(QWidget *, QMap<QString, QVariant>));
};

void StandInTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("standin-test"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Stand-in Test"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.2"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvad"));
    qputenv("XDG_DATA_HOME", "/nonexistent");
    qputenv("XDG_DATA_DIRS", "/nonexistent");
}

QString StandInTest::textOfTheModalBox(void (CorvadQt5::Common::*call)(QWidget *,
                                                                       QMap<QString, QVariant>))
{
    QString text;
    QTimer::singleShot(0, this, [&text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->windowTitle() + QLatin1Char('|') + box->text();
        box->done(QMessageBox::Ok);
    });
    (CorvadQt5::Common::ptr()->*call)(nullptr, {});
    return text;
}

void StandInTest::aboutShowsTheApplication()
{
    const QString text = textOfTheModalBox(&CorvadQt5::Common::callApplicationAboutWindow);
    QVERIFY2(text.contains(QLatin1String("Stand-in Test")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("4.2")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("Corvad")), qPrintable(text));
}

void StandInTest::contentsWithoutHelp()
{
    const QString text = textOfTheModalBox(&CorvadQt5::Common::callApplicationHelpWindow);
    QVERIFY2(text.contains(QLatin1String("No help is installed for Stand-in Test")),
             qPrintable(text));
}

QTEST_MAIN(StandInTest)
#include "tst_standin.moc"
