// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// What the dialogs say to people who cannot see them, and to people who read them in another
// language: every focusable control has an accessible name, and the long "other" entry of the
// chooser shows whole. Each row runs in English or with one shipped catalogue.
#include <corvad-common-qt5/elementselectdialog.h>
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace CorvadQt5;

namespace {

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : QStringLiteral(CORVADQT5_LANGUAGES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(language)) << language;
}

// Focusable controls that a screen reader would announce by their kind alone.
QStringList unnamedControls(QAccessibleInterface *node)
{
    QStringList unnamed;
    if (!node)
        return unnamed;
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QString::fromLatin1(node->object() ? node->object()->metaObject()->className()
                                                      : "item") +
                       QLatin1Char(' ') +
                       (node->object() ? node->object()->objectName() : QString());
    for (int i = 0; i < node->childCount(); ++i)
        unnamed << unnamedControls(node->child(i));
    return unnamed;
}

QStringList labelTexts(QWidget *dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

} // namespace

class DialogTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlIsNamed_data() { addLanguageRows(); }
    void everyControlIsNamed();
    void otherEntryShowsWhole_data() { addLanguageRows(); }
    void otherEntryShowsWhole();

private:
    void useLanguage(const QString &language);
    std::unique_ptr<QTranslator> m_translator;
};

void DialogTextsTest::init()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(translator); // the start-up catalogue, if any
}

void DialogTextsTest::cleanup()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void DialogTextsTest::useLanguage(const QString &language)
{
    if (language.isEmpty())
        return;
    m_translator = std::make_unique<QTranslator>();
    QVERIFY(m_translator->load(QStringLiteral(CORVADQT5_CATALOGUE "_") + language,
                               QStringLiteral(CORVADQT5_QM_DIR)));
    QVERIFY(QCoreApplication::installTranslator(m_translator.get()));
}

// The labels are no buddies, so nothing else tells a screen reader what a field is for.
void DialogTextsTest::everyControlIsNamed()
{
    QFETCH(QString, language);
    useLanguage(language);

    PasswordDialog password(nullptr, QString(), true);
    LoginDialog login(nullptr, QString(), QString());
    ElementSelectDialog users({}, {}, ElementSelectDialog::UserMode);
    ElementSelectDialog groups({}, {}, ElementSelectDialog::GroupMode);
    ElementSelectDialog all({}, {}, ElementSelectDialog::AllMode);
    for (QDialog *dialog :
         std::initializer_list<QDialog *>{&password, &login, &users, &groups, &all}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList unnamed = unnamedControls(QAccessible::queryAccessibleInterface(dialog));
        QVERIFY2(unnamed.isEmpty(), qPrintable(dialog->windowTitle() + QStringLiteral(": ") +
                                               unnamed.join(QStringLiteral(", "))));
        // Each field is named after its own label, in the same words.
        for (QLineEdit *field : dialog->findChildren<QLineEdit *>())
            QVERIFY2(labelTexts(dialog).contains(field->accessibleName() + QLatin1Char(':')),
                     qPrintable(field->objectName()));
        dialog->hide();
    }
    QCOMPARE(users.findChild<QListWidget *>(QStringLiteral("list"))->accessibleName(),
             QCoreApplication::translate("CorvadQt5::ElementSelectDialog", "Users"));
    QCOMPARE(groups.findChild<QListWidget *>(QStringLiteral("list"))->accessibleName(),
             QCoreApplication::translate("CorvadQt5::ElementSelectDialog", "Groups"));
    // The list follows the kind chosen in the same dialog.
    all.findChild<QRadioButton *>(QStringLiteral("group"))->click();
    QCOMPARE(all.findChild<QListWidget *>(QStringLiteral("list"))->accessibleName(),
             QCoreApplication::translate("CorvadQt5::ElementSelectDialog", "Groups"));
}

// "Other" disables the list, and with it any scroll bar: a cut text could not be read at all.
void DialogTextsTest::otherEntryShowsWhole()
{
    QFETCH(QString, language);
    useLanguage(language);

    ElementSelectDialog dialog({}, {}, ElementSelectDialog::AllMode);
    dialog.findChild<QRadioButton *>(QStringLiteral("other"))->click();
    dialog.show(); // at its natural size
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("list"));
    QCOMPARE(list->count(), 1);
    const QString text = list->item(0)->text();
    QCOMPARE(text,
             QCoreApplication::translate("CorvadQt5::ElementSelectDialog", "Any user or group"));

    const QRect item = list->visualItemRect(list->item(0));
    const QRect viewport = list->viewport()->rect();
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY2(viewport.contains(item), qPrintable(QStringLiteral("item %1x%2 in %3x%4")
                                                     .arg(item.width())
                                                     .arg(item.height())
                                                     .arg(viewport.width())
                                                     .arg(viewport.height())));
    // The style draws the text inside a margin on either side.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRect needed = list->fontMetrics().boundingRect(
        QRect(0, 0, item.width() - 2 * margin, 100000), Qt::TextWordWrap, text);
    QVERIFY2(needed.width() <= item.width() - 2 * margin && needed.height() <= item.height(),
             qPrintable(QStringLiteral("text needs %1x%2, item is %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(item.width())
                            .arg(item.height())));
}

QTEST_MAIN(DialogTextsTest)
#include "tst_dialogtexts.moc"
