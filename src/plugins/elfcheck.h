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

} // namespace CorvadQt5
