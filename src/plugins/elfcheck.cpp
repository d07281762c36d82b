// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "elfcheck.h"

#include <cstdint>
#include <cstring>
#include <elf.h>
#include <sys/stat.h>
#include <unistd.h>

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

} // namespace CorvadQt5
