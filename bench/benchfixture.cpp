// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "benchfixture.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

namespace Bench {
namespace {

bool namespacesPermitted()
{
    return QProcess::execute(QStringLiteral("unshare"),
                             {QStringLiteral("-m"), QStringLiteral("--propagation"),
                              QStringLiteral("private"), QStringLiteral("true")}) == 0;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

bool writeAccounts(const QString &dir, int users, int groups)
{
    QByteArray passwd = "root:x:0:0:root:/root:/bin/sh\n";
    for (int i = 0; i < users; ++i)
        passwd += "user" + QByteArray::number(i) + ":x:" + QByteArray::number(1000 + i) +
                  ":100:Bench user:/home/user" + QByteArray::number(i) + ":/bin/sh\n";
    QByteArray group = "root:x:0:\n";
    for (int i = 0; i < groups; ++i)
        group += "group" + QByteArray::number(i) + ":x:" + QByteArray::number(1000 + i) + ":\n";
    return writeFile(dir + QStringLiteral("/passwd"), passwd) &&
           writeFile(dir + QStringLiteral("/group"), group) &&
           writeFile(dir + QStringLiteral("/nsswitch.conf"), "passwd: files\ngroup: files\n");
}

QString backendName()
{
    return namespacesPermitted() ? QStringLiteral("glibc files backend (private mount namespace)")
                                 : QStringLiteral("nss_wrapper");
}

QByteArray runAgainst(const QString &dir, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (namespacesPermitted()) {
        const QString script = QStringLiteral(
            "mount --bind \"$0/passwd\" /etc/passwd && mount --bind \"$0/group\" /etc/group && "
            "mount --bind \"$0/nsswitch.conf\" /etc/nsswitch.conf && exec \"$@\"");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("unshare"),
                      QStringList{QStringLiteral("-m"), QStringLiteral("--propagation"),
                                  QStringLiteral("private"), QStringLiteral("sh"),
                                  QStringLiteral("-c"), script, dir, program} +
                          arguments);
    } else {
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(CORVADQT5_NSS_WRAPPER));
        environment.insert(QStringLiteral("NSS_WRAPPER_PASSWD"), dir + QStringLiteral("/passwd"));
        environment.insert(QStringLiteral("NSS_WRAPPER_GROUP"), dir + QStringLiteral("/group"));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
    }
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}

QList<QByteArray> measureAgainstAccounts(int users, const QString &program)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !writeAccounts(dir.path(), users, 10)) {
        QTextStream(stdout) << "cannot write the account database\n";
        return {};
    }
    const QByteArray output = runAgainst(dir.path(), program, {QStringLiteral("--measure")});
    if (output.isEmpty())
        QTextStream(stdout) << "the measuring run gave no figures\n";
    return output.simplified().split(' ');
}

} // namespace Bench
