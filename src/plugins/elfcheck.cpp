// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "elfcheck.h"

#include <QFile>

#include <cstring>
#include <elf.h>

namespace CorvadQt5 {
namespace {

template <typename Header, typename ProgramHeader>
bool segmentsInside(QFile &file)
{
    const qint64 size = file.size();
    Header header;
    if (!file.seek(0) ||
        file.read(reinterpret_cast<char *>(&header), sizeof header) != sizeof header)
        return false;
    if (header.e_phentsize != sizeof(ProgramHeader))
        return header.e_phnum == 0;
    for (unsigned int i = 0; i < header.e_phnum; ++i) {
        ProgramHeader segment;
        const qint64 at = qint64(header.e_phoff) + qint64(i) * qint64(sizeof segment);
        if (at < 0 || !file.seek(at) ||
            file.read(reinterpret_cast<char *>(&segment), sizeof segment) != sizeof segment)
            return false;
        if (segment.p_type == PT_LOAD && (segment.p_offset > quint64(size) ||
                                          segment.p_filesz > quint64(size) - segment.p_offset))
            return false;
    }
    return true;
}

} // namespace

bool elfSegmentsInsideFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the loader will fail on it by itself
    unsigned char ident[EI_NIDENT] = {};
    if (file.read(reinterpret_cast<char *>(ident), EI_NIDENT) != EI_NIDENT ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return true;
    switch (ident[EI_CLASS]) {
    case ELFCLASS64:
        return segmentsInside<Elf64_Ehdr, Elf64_Phdr>(file);
    case ELFCLASS32:
        return segmentsInside<Elf32_Ehdr, Elf32_Phdr>(file);
    default:
        return true;
    }
}

} // namespace CorvadQt5
