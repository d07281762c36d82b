// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

namespace CorvadQt5 {

// The first rule of a plugin file's ELF headers that the file breaks. Each guards something
// the dynamic loader dereferences without checking: a file that breaks one crashes or stalls
// the loader, and with it every application that scans the plugin directory.
enum class ElfProblem {
    None,
    Truncated,          // the headers or a loadable segment reach past the end of the file
    ProgramHeaders,     // missing, too many, or of an unknown size
    DynamicSections,    // more than one
    DynamicSection,     // outside its loadable segment, or with no end
    SegmentNotLoaded,   // a note, TLS or property segment that no loadable segment holds
    ExecutableStack,    // no PT_GNU_STACK, or an executable one: loading it would make the
                        // process's stacks executable (newer C libraries refuse it themselves)
    StringTable,        // missing, or outside the loadable segments
    Table,              // no symbol table, or a symbol, hash or relocation table outside
                        // the loadable segments
    Name,               // a needed library, soname or search path outside the string table
};

// What a plugin file's ELF headers say before the dynamic loader sees it.
struct ElfFacts
{
    ElfProblem problem = ElfProblem::None;
    // The Qt major the file is linked against, from the libQt<major>... names it needs; 0
    // when it names none. One built for another major would bring a second Qt in.
    int qtMajor = 0;
};

// Reads the open file \a descriptor with pread, so its offset is left alone; the work and
// memory grow at most linearly with the file's size. Files that are not ELF at all pass with
// the defaults: the loader rejects those itself.
ElfFacts inspectElf(int descriptor);

// The rule, in words, for a diagnostic tool.
const char *describe(ElfProblem problem);

} // namespace CorvadQt5
