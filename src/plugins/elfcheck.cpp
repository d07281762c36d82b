// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "elfcheck.h"

#include <cstdint>
#include <cstring>
#include <elf.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace CorvadQt5 {
namespace {

template <typename T>
bool readAt(int descriptor, T *into, unsigned long long at)
{
    return at <= static_cast<unsigned long long>(INT64_MAX) &&
           pread(descriptor, into, sizeof(T), off_t(at)) == ssize_t(sizeof(T));
}

// The file offset of the virtual \a address, from the loadable segment that maps it.
template <typename ProgramHeader>
bool fileOffset(const std::vector<ProgramHeader> &segments, unsigned long long address,
                unsigned long long *offset)
{
    for (const ProgramHeader &segment : segments) {
        if (segment.p_type == PT_LOAD && address >= segment.p_vaddr &&
            address - segment.p_vaddr < segment.p_filesz) {
            *offset = segment.p_offset + (address - segment.p_vaddr);
            return true;
        }
    }
    return false;
}

// The Qt major named by the first libQt<major> entry of the dynamic section, or 0.
template <typename ProgramHeader, typename Dynamic>
int neededQtMajor(int descriptor, const std::vector<ProgramHeader> &segments)
{
    std::vector<unsigned long long> needed;
    unsigned long long strings = 0;
    bool haveStrings = false;
    for (const ProgramHeader &segment : segments) {
        if (segment.p_type != PT_DYNAMIC)
            continue;
        for (unsigned long long at = 0; at + sizeof(Dynamic) <= segment.p_filesz;
             at += sizeof(Dynamic)) {
            Dynamic entry;
            if (!readAt(descriptor, &entry, segment.p_offset + at) || entry.d_tag == DT_NULL)
                break;
            if (entry.d_tag == DT_NEEDED)
                needed.push_back(entry.d_un.d_val);
            else if (entry.d_tag == DT_STRTAB)
                haveStrings = fileOffset(segments, entry.d_un.d_ptr, &strings);
        }
    }
    if (!haveStrings)
        return 0;
    for (const unsigned long long name : needed) {
        char prefix[6]; // "libQt5", or the start of any other name
        if (pread(descriptor, prefix, 6, off_t(strings + name)) == 6 &&
            std::memcmp(prefix, "libQt", 5) == 0 && prefix[5] >= '1' && prefix[5] <= '9')
            return prefix[5] - '0';
    }
    return 0;
}

template <typename Header, typename ProgramHeader, typename Dynamic>
ElfFacts inspect(int descriptor, unsigned long long size)
{
    ElfFacts facts;
    Header header;
    if (!readAt(descriptor, &header, 0)) {
        facts.segmentsInsideFile = false;
        return facts;
    }
    if (header.e_phentsize != sizeof(ProgramHeader)) {
        facts.segmentsInsideFile = header.e_phnum == 0;
        return facts;
    }
    std::vector<ProgramHeader> segments(header.e_phnum);
    for (unsigned int i = 0; i < header.e_phnum; ++i) {
        ProgramHeader &segment = segments[i];
        if (!readAt(descriptor, &segment, header.e_phoff + i * sizeof segment) ||
            (segment.p_type == PT_LOAD &&
             (segment.p_offset > size || segment.p_filesz > size - segment.p_offset))) {
            facts.segmentsInsideFile = false;
            return facts;
        }
    }
    facts.qtMajor = neededQtMajor<ProgramHeader, Dynamic>(descriptor, segments);
    return facts;
}

} // namespace

ElfFacts inspectElf(int descriptor)
{
    struct stat status;
    unsigned char ident[EI_NIDENT] = {};
    if (fstat(descriptor, &status) != 0 || !readAt(descriptor, &ident, 0) ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return {};
    const auto size = static_cast<unsigned long long>(status.st_size);
    switch (ident[EI_CLASS]) {
    case ELFCLASS64:
        return inspect<Elf64_Ehdr, Elf64_Phdr, Elf64_Dyn>(descriptor, size);
    case ELFCLASS32:
        return inspect<Elf32_Ehdr, Elf32_Phdr, Elf32_Dyn>(descriptor, size);
    default:
        return {};
    }
}

} // namespace CorvadQt5
