// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Every catalogue holds exactly the texts the code translates, each with a finished
// translation: a changed tr() text can never silently lose its translation.
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Catalogue
{
    QSet<QString> texts; // "context|source"
    QStringList untranslated;
    bool readable = false;
};

Catalogue readTs(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            catalogue.texts.insert(context + QLatin1Char('|') + source);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (unfinished || xml.readElementText().trimmed().isEmpty())
                catalogue.untranslated << context + QLatin1Char('|') + source;
        }
    }
    catalogue.readable = !xml.hasError();
    return catalogue;
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void matchesTheCode_data();
    void matchesTheCode();

private:
    QTemporaryDir m_dir;
    Catalogue m_code;
};

void CatalogueTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString extracted = m_dir.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CORVADQT5_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-recursive"),
                   QStringLiteral(CORVADQT5_SOURCE_DIR "/include"),
                   QStringLiteral(CORVADQT5_SOURCE_DIR "/src"), QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_code = readTs(extracted);
    QVERIFY(m_code.readable);
    QVERIFY(m_code.texts.contains(QStringLiteral("CorvadQt5::LoginDialog|Autentification")));
}

void CatalogueTest::matchesTheCode_data()
{
    QTest::addColumn<QString>("path");
    const QDir translations(QStringLiteral(CORVADQT5_SOURCE_DIR "/translations"));
    const QStringList files = translations.entryList({QStringLiteral("*.ts")}, QDir::Files);
    // Every source is built and shipped: none lies in the folder unlisted, none is missing.
    QStringList built = QStringLiteral(CORVADQT5_LANGUAGES).split(QLatin1Char(','));
    for (QString &language : built)
        language = QStringLiteral("libcorvad-common-qt5_") + language + QStringLiteral(".ts");
    built.sort();
    QStringList present = files;
    present.sort();
    QCOMPARE(present, built);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << translations.filePath(file);
}

void CatalogueTest::matchesTheCode()
{
    QFETCH(QString, path);
    const Catalogue catalogue = readTs(path);
    QVERIFY(catalogue.readable);

    QStringList missing = (m_code.texts - catalogue.texts).values();
    QStringList stale = (catalogue.texts - m_code.texts).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogue: ") +
                                           missing.join(QStringLiteral(", "))));
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the code: ") +
                                         stale.join(QStringLiteral(", "))));
    QVERIFY2(catalogue.untranslated.isEmpty(),
             qPrintable(catalogue.untranslated.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
