// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QMenu>

#if defined(zubintegration_EXPORTS)
#define ZUBINTEGRATION_EXPORT Q_DECL_EXPORT
#else
#define ZUBINTEGRATION_EXPORT Q_DECL_IMPORT
#endif

/*!
 * The desktop's help menu: "Contents" and "About" entries for the application.
 *
 * showAbout() shows a modal box with the application's display name, version and
 * organisation. showContents() opens "help/<application name>/index.html" from the first
 * XDG data directory that has it, and otherwise says that no help is installed.
 */
class ZUBINTEGRATION_EXPORT ZubHelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ZubHelpMenu(QWidget *parent = nullptr);
    ~ZubHelpMenu() override;

public Q_SLOTS:
    void showContents();
    void showAbout();
};
