// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// A plugin linked against the other Qt major. Loading it at all is the fault (a second Qt in
// the process), so it ends the process the moment it is loaded.
#include <QtGlobal>

#include <unistd.h>

namespace {

__attribute__((constructor)) void loaded()
{
    _exit(99);
}

} // namespace

extern "C" Q_DECL_EXPORT int corvadQt5PluginType()
{
    return qVersion() ? 1 : 0; // keeps the link to its Qt
}

extern "C" Q_DECL_EXPORT void *corvadQt5PluginInstance()
{
    return nullptr;
}
