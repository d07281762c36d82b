// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "zubhelpmenu.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString applicationTitle()
{
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

} // namespace

ZubHelpMenu::ZubHelpMenu(QWidget *parent) : QMenu(parent)
{
    setTitle(tr("&Help"));
    addAction(tr("&Contents"), this, &ZubHelpMenu::showContents);
    addAction(tr("&About %1").arg(applicationTitle()), this, &ZubHelpMenu::showAbout);
}

ZubHelpMenu::~ZubHelpMenu() = default;

void ZubHelpMenu::showContents()
{
    const QString index =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("help/") + QCoreApplication::applicationName() +
                                   QStringLiteral("/index.html"));
    if (!index.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(index)))
        return;
    QMessageBox::information(parentWidget(), tr("Help"),
                             tr("No help is installed for %1.").arg(applicationTitle()));
}

void ZubHelpMenu::showAbout()
{
    QString text = QStringLiteral("<h3>%1</h3>").arg(applicationTitle().toHtmlEscaped());
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty())
        text += tr("<p>Version %1</p>").arg(version.toHtmlEscaped());
    const QString organisation = QCoreApplication::organizationName();
    if (!organisation.isEmpty())
        text += QStringLiteral("<p>%1</p>").arg(organisation.toHtmlEscaped());
    QMessageBox::about(parentWidget(), tr("About %1").arg(applicationTitle()), text);
}
