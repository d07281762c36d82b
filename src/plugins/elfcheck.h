// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

namespace CorvadQt5 {

// False for an ELF file whose loadable segments reach past its end. The dynamic loader maps
// such a file as its headers say and crashes when it touches the missing part, so a
// truncated plugin must be turned away before it is loaded. Files that are not ELF at all
// pass: the loader rejects those itself. Reads the open file \a descriptor with pread, so
// its offset is left alone.
bool elfSegmentsInsideFile(int descriptor);

// The Qt major an ELF file is linked against, from the libQt<major>... names it needs; 0
// when it names none or is no ELF file. A plugin built for another major would bring a
// second Qt into the process, so it must be turned away before the loader sees it.
int elfQtMajor(int descriptor);

} // namespace CorvadQt5
