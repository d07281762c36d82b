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

template <typename Header, typename ProgramHeader>
bool segmentsInside(int descriptor, unsigned long long size)
{
    Header header;
    if (!readAt(descriptor, &header, 0))
        return false;
    if (header.e_phentsize != sizeof(ProgramHeader))
        return header.e_phnum == 0;
    for (unsigned int i = 0; i < header.e_phnum; ++i) {
        ProgramHeader segment;
        if (!readAt(descriptor, &segment, header.e_phoff + i * sizeof segment))
            return false;
        if (segment.p_type == PT_LOAD &&
            (segment.p_offset > size || segment.p_filesz > size - segment.p_offset))
            return false;
    }
    return true;
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

template <typename Header, typename ProgramHeader, typename Dynamic>
int qtMajor(int descriptor)
{
    Header header;
    if (!readAt(descriptor, &header, 0) || header.e_phentsize != sizeof(ProgramHeader))
        return 0;
    std::vector<ProgramHeader> segments(header.e_phnum);
    for (unsigned int i = 0; i < header.e_phnum; ++i) {
        if (!readAt(descriptor, &segments[i], header.e_phoff + i * sizeof(ProgramHeader)))
            return 0;
    }
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
        char prefix[7] = {}; // "libQt5" and its end, or the start of any other name
        if (pread(descriptor, prefix, 6, off_t(strings + name)) == 6 &&
            std::memcmp(prefix, "libQt", 5) == 0 && prefix[5] >= '1' && prefix[5] <= '9')
            return prefix[5] - '0';
    }
    return 0;
}

} // namespace

bool elfSegmentsInsideFile(int descriptor)
{
    struct stat status;
    unsigned char ident[EI_NIDENT] = {};
    if (fstat(descriptor, &status) != 0 || !readAt(descriptor, &ident, 0) ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return true;
    const auto size = static_cast<unsigned long long>(status.st_size);
    switch (ident[EI_CLASS]) {
    case ELFCLASS64:
        return segmentsInside<Elf64_Ehdr, Elf64_Phdr>(descriptor, size);
    case ELFCLASS32:
        return segmentsInside<Elf32_Ehdr, Elf32_Phdr>(descriptor, size);
    default:
        return true;
    }
}

int elfQtMajor(int descriptor)
{
    unsigned char ident[EI_NIDENT] = {};
    if (!readAt(descriptor, &ident, 0) || std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return 0;
    switch (ident[EI_CLASS]) {
    case ELFCLASS64:
        return qtMajor<Elf64_Ehdr, Elf64_Phdr, Elf64_Dyn>(descriptor);
    case ELFCLASS32:
        return qtMajor<Elf32_Ehdr, Elf32_Phdr, Elf32_Dyn>(descriptor);
    default:
        return 0;
    }
}

} // namespace CorvadQt5
