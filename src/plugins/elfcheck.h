// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

namespace CorvadQt5 {

// What a plugin file's ELF headers say before the dynamic loader sees it.
struct ElfFacts
{
    // False when a loadable segment reaches past the end of the file. The loader maps such a
    // file as its headers say and crashes when it touches the missing part.
    bool segmentsInsideFile = true;
    // The Qt major the file is linked against, from the libQt<major>... names it needs; 0
    // when it names none. One built for another major would bring a second Qt in.
    int qtMajor = 0;
};

// Reads the open file \a descriptor with pread, so its offset is left alone. Files that are
// not ELF at all pass with the defaults: the loader rejects those itself.
ElfFacts inspectElf(int descriptor);

} // namespace CorvadQt5
