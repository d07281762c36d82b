// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// 200 random account databases (seeded, so every run sees the same ones): duplicates, ids at
// the edges, names invalid in UTF-8, lines from 4 to 70,000 bytes, comments and malformed
// lines. Under each, read by glibc's own files backend, the library must agree with getent.
#include "accounts/getent.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Under the sanitizers every child starts ten times slower: a quarter of the databases
// there, all of them in the ordinary run.
int databases()
{
    return qEnvironmentVariableIsSet("ASAN_OPTIONS") ? 50 : 200;
}

class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    QByteArray passwd() { return database(true); }
    QByteArray group() { return database(false); }

private:
    QByteArray database(bool users)
    {
        QByteArray text;
        const int lines = 5 + int(m_random.bounded(40));
        for (int i = 0; i < lines; ++i)
            text += line(users);
        return text;
    }

    QByteArray line(bool user)
    {
        switch (m_random.bounded(20)) {
        case 0:
            return "# a comment:x:0:0\n";
        case 1:
            return "broken:x\n";
        case 2:
            return name() + ":x:not-a-number:0::/:/bin/sh\n";
        case 3:
            return "\n";
        default:
            break;
        }
        const QByteArray id = QByteArray::number(this->id());
        if (user)
            return name() + ":x:" + id + ':' + id + ':' + text() + ":/home/" + name() +
                   ":/bin/sh\n";
        return name() + ":x:" + id + ':' + members() + '\n';
    }

    // Reuses earlier names and ids now and then, so that first matches matter.
    QByteArray name()
    {
        if (!m_names.isEmpty() && m_random.bounded(4) == 0)
            return m_names.at(int(m_random.bounded(m_names.size())));
        static const char letters[] = "abcxyzABC_-.0123";
        QByteArray name;
        const int length = 1 + int(m_random.bounded(12));
        for (int i = 0; i < length; ++i)
            name += m_random.bounded(10) == 0 ? char(0x80 + m_random.bounded(0x7f))
                                              : letters[m_random.bounded(int(sizeof letters) - 1)];
        if (m_random.bounded(5) == 0)
            name = name.toUpper();
        if (name.startsWith('-'))
            name[0] = 'n'; // getent prints "+name" and "-name" compat entries without their ids
        m_names << name;
        return name;
    }

    quint32 id()
    {
        static const quint32 edges[] = {0,   1,    150,   299,         300,
                                        301, 1000, 65534, 4294967294u, 4294967295u};
        if (!m_ids.isEmpty() && m_random.bounded(4) == 0)
            return m_ids.at(int(m_random.bounded(m_ids.size())));
        const quint32 id = m_random.bounded(2) ? edges[m_random.bounded(int(std::size(edges)))]
                                               : m_random.generate();
        m_ids << id;
        return id;
    }

    // Mostly short; now and then far larger than any first buffer.
    QByteArray text()
    {
        const int length =
            m_random.bounded(8) == 0 ? int(m_random.bounded(70000)) : int(m_random.bounded(20));
        return QByteArray(length, 'g');
    }

    QByteArray members()
    {
        QByteArray list;
        const int count =
            m_random.bounded(8) == 0 ? int(m_random.bounded(7000)) : int(m_random.bounded(4));
        for (int i = 0; i < count; ++i)
            list += (i ? "," : "") + QByteArray("member") + QByteArray::number(i);
        return list;
    }

    QRandomGenerator m_random;
    QList<QByteArray> m_names;
    QList<quint32> m_ids;
};

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class HostileAccountsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithGetentEverywhere();
};

void HostileAccountsTest::agreesWithGetentEverywhere()
{
    if (QProcess::execute(QStringLiteral("unshare"),
                          {QStringLiteral("-m"), QStringLiteral("true")}) != 0)
        QSKIP(
            "private mount namespaces are not permitted here; nss_wrapper would skip long entries");

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(write(root.filePath(QStringLiteral("nsswitch.conf")), "passwd: files\ngroup: files\n"));
    // Under the sanitizers the children still catch memory errors; their leak checks (which
    // need the slow unwinder to excuse the platform plugin) would make the run minutes long.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":detect_leaks=0:fast_unwind_on_malloc=1"));
    int total = 0;
    for (int seed = 1; seed <= databases(); ++seed) {
        const QString dir = root.filePath(QString::number(seed));
        QVERIFY(QDir().mkpath(dir));
        Generator generate{quint32(seed)};
        QVERIFY(write(dir + QStringLiteral("/passwd"), generate.passwd()));
        QVERIFY(write(dir + QStringLiteral("/group"), generate.group()));

        QProcess check;
        check.setProcessEnvironment(environment);
        check.start(QStringLiteral(CORVADQT5_NAMESPACE_RUNNER),
                    {dir, QCoreApplication::applicationFilePath(), QStringLiteral("--compare")});
        QVERIFY(check.waitForFinished(60000));
        const QByteArray output = check.readAllStandardOutput();
        QVERIFY2(check.exitCode() == 0 && output.startsWith("mismatches "),
                 qPrintable(QStringLiteral("seed %1: ").arg(seed) +
                            QString::fromLocal8Bit(output + check.readAllStandardError())));
        const int found = output.mid(11, output.indexOf('\n') - 11).toInt();
        if (found)
            qWarning("seed %d: %s", seed, output.constData());
        total += found;
    }
    QCOMPARE(total, 0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--compare"))) {
        QStringList report;
        const int found = Getent::mismatches(&report);
        std::printf("mismatches %d\n%s\n", found, qPrintable(report.join(QLatin1Char('\n'))));
        return 0;
    }
    HostileAccountsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostileaccounts.moc"
