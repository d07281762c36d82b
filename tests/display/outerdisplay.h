// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// The X display that run-on-wayland.sh nests weston in: xdotool there is a real seat of
// weston's, and a screenshot of it shows what weston shows.
#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QStringList>

inline QByteArray runOnOuterDisplay(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("CORVADQT5_OUTER_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput();
}

// What weston shows (1024 x 768).
inline QImage outerScreenshot()
{
    return QImage::fromData(runOnOuterDisplay(
                                QStringLiteral("import"),
                                {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}))
        .copy(0, 0, 1024, 768);
}
