// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTabWidget;

// One window with a page per part of the library, each with buttons to try it and a line
// that shows what came back.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget *parent = nullptr);

    QTabWidget *pages() const { return m_pages; }

private Q_SLOTS:
    void languageChosen(int index);
    void warnOfCapsLock(bool on);
    void offerReveal(bool on);
    void askPassword();
    void askConfirmedPassword();
    void askLogin();
    void askPrefilledLogin();
    void chooseUser();
    void chooseGroup();
    void chooseAnything();
    void popupOnLeave();
    void popupOnDeactivate();
    void popupList();
    void showHelp();
    void showAbout();

private:
    QLayout *languageRow();
    QWidget *dialogsPage();
    QWidget *popupsPage();
    QWidget *iconsPage();
    QWidget *desktopPage();
    QWidget *accountsPage();
    void choose(int mode);
    void popupFrame(int mode);
    void report(const QString &text);

    QTabWidget *m_pages = nullptr;
    QLabel *m_result = nullptr;
};
