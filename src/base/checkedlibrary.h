// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "elfcheck.h"

#include <QLibrary>

namespace CorvadQt5 {

// A plugin library that loads exactly the file it checked. The candidate is opened once
// (never in a way that can block), every check runs on that descriptor, and the loader is
// handed /proc/self/fd/N, so a file swapped in or placed beside it is never what runs. The
// descriptor stays open while the library may be loaded, which keeps its name unique among
// live QLibrary objects.
class CheckedLibrary : public QLibrary
{
    Q_OBJECT

public:
    // Why a candidate was not loaded; Loaded when it was.
    enum Verdict {
        NotTried,
        Missing,         // absent or unreadable
        NotRegularFile,  // a directory, FIFO, socket or device
        UnsafeFileOwner, // owned by someone other than root or the effective user
        UnsafeFileMode,  // writable by group or others
        UnsafeDirectoryOwner,
        UnsafeDirectoryMode,
        MalformedElf,        // the loader would crash or stall on it, or it asks for an
                             // executable stack; elfProblem() says why
        OtherQtMajor,        // linked against another Qt major than this process
        LoadFailed,          // the dynamic loader refused it; errorString() says why
        Loaded
    };

    explicit CheckedLibrary(QObject *parent = nullptr) : QLibrary(parent) {}
    ~CheckedLibrary() override; // closes the descriptor; unloading is the owner's call

    Verdict loadChecked(const QString &path);
    // The rule a MalformedElf file broke.
    ElfProblem elfProblem() const { return m_elfProblem; }

private:
    Verdict check(const QString &path);

    int m_descriptor = -1;
    ElfProblem m_elfProblem = ElfProblem::None;
};

} // namespace CorvadQt5
