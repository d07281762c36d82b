// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// A help menu that records what it is asked instead of showing windows, linked into the test
// build of the library in place of the desktop's.
#include "recording.h"

#include <zubhelpmenu.h>

#include <stdexcept>

namespace {
bool throwNext = false;

void record(const char *event)
{
    zubHelpMenuLog().append(QLatin1String(event));
    if (throwNext) {
        throwNext = false;
        throw std::runtime_error(event);
    }
}
} // namespace

QStringList &zubHelpMenuLog()
{
    static QStringList log;
    return log;
}

void zubHelpMenuThrowNext()
{
    throwNext = true;
}

ZubHelpMenu::ZubHelpMenu(QWidget *parent) : QMenu(parent)
{
    zubHelpMenuLog().append(QLatin1String("construct ") +
                            (parent ? parent->objectName() : QLatin1String("null")));
}

ZubHelpMenu::~ZubHelpMenu()
{
    zubHelpMenuLog().append(QLatin1String("destroy"));
}

void ZubHelpMenu::showContents()
{
    record("showContents");
}

void ZubHelpMenu::showAbout()
{
    record("showAbout");
}
