// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The catalogue installed at start-up, for the locale of the run (LANG is set per ctest run).
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QLabel>
#include <QLocale>
#include <QTranslator>
#include <QtTest>

namespace {

// What the shipped catalogues say for two texts, by language; English where none exists.
struct Expected
{
    QString passwordRequest;
    QString loginLabel;
};

Expected expectedForSystemLocale()
{
    switch (QLocale::system().language()) {
    case QLocale::German:
        return {QStringLiteral("Passwortabfrage"), QStringLiteral("Benutzername:")};
    case QLocale::Russian:
        return {QStringLiteral("Запрос пароля"), QStringLiteral("Имя пользователя:")};
    case QLocale::French:
        return {QStringLiteral("Demande de mot de passe"), QStringLiteral("Identifiant:")};
    case QLocale::Spanish:
        return {QStringLiteral("Solicitud de contraseña"), QStringLiteral("Nombre de usuario:")};
    case QLocale::Japanese:
        return {QStringLiteral("パスワードの要求"), QStringLiteral("ユーザー名:")};
    case QLocale::Portuguese: // Brazil's catalogue is not Portugal's
        if (QLocale::system().name() == QLatin1String("pt_BR"))
            return {QStringLiteral("Solicitação de senha"), QStringLiteral("Nome de usuário:")};
        break;
    default:
        break;
    }
    return {QStringLiteral("Password request"), QStringLiteral("Login:")};
}

bool hasCatalogue()
{
    return expectedForSystemLocale().passwordRequest != QLatin1String("Password request");
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installedWithTheApplication();
    void dialogsShowTheLanguage();
};

// A linked library installs its translator while the application object is constructed,
// before any dialog exists; without a catalogue for the locale none is left behind.
void TranslationsTest::installedWithTheApplication()
{
    const QList<QTranslator *> translators = qApp->findChildren<QTranslator *>();
    QCOMPARE(translators.size(), hasCatalogue() ? 1 : 0);
    QCOMPARE(QCoreApplication::translate("CorvadQt5::PasswordDialog", "Password request"),
             expectedForSystemLocale().passwordRequest);
}

void TranslationsTest::dialogsShowTheLanguage()
{
    const Expected expected = expectedForSystemLocale();
    CorvadQt5::PasswordDialog password;
    QCOMPARE(password.windowTitle(), expected.passwordRequest);

    CorvadQt5::LoginDialog login;
    QStringList labels;
    for (const QLabel *label : login.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY2(labels.contains(expected.loginLabel), qPrintable(labels.join(QLatin1Char('|'))));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
