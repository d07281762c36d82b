// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "elfcheck.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <elf.h>
#include <iterator>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace CorvadQt5 {
namespace {

using Offset = unsigned long long;

constexpr unsigned char NativeByteOrder =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;

// The linker writes about a dozen; the loader reads every one of them.
constexpr unsigned int MaximumProgramHeaders = 256;

bool readAt(int descriptor, void *into, Offset size, Offset at)
{
    auto *bytes = static_cast<char *>(into);
    while (size > 0) {
        if (at > Offset(INT64_MAX))
            return false;
        const ssize_t got = pread(descriptor, bytes, size, off_t(at));
        if (got <= 0)
            return false;
        bytes += got;
        at += Offset(got);
        size -= Offset(got);
    }
    return true;
}

bool inside(Offset start, Offset length, Offset size)
{
    return start <= size && length <= size - start;
}

// The tables of the dynamic section the loader reads, with the tag that gives each one's
// size (0: only its first entry is checked, of the given size).
struct TableTag
{
    long long address;
    long long sizeTag;
    Offset entrySize;
};
constexpr TableTag Tables[] = {
    // One entry a line: a formatter once joined two lines into the comment before them.
    {DT_SYMTAB, 0, 16}, // the first symbol's size in both classes, at least
    {DT_HASH, 0, 8},
    {DT_GNU_HASH, 0, 16},
    {DT_RELA, DT_RELASZ, 0},
    {DT_REL, DT_RELSZ, 0},
    {DT_JMPREL, DT_PLTRELSZ, 0},
    {DT_INIT_ARRAY, DT_INIT_ARRAYSZ, 0},
    {DT_FINI_ARRAY, DT_FINI_ARRAYSZ, 0},
    {DT_VERSYM, 0, 2},
    {DT_VERDEF, 0, 20},
    {DT_VERNEED, 0, 16},
};
bool sizesTable(long long tag)
{
    return std::any_of(std::begin(Tables), std::end(Tables), [tag](const TableTag &table) {
        return table.address == tag || (table.sizeTag && table.sizeTag == tag);
    });
}
// Offsets into the string table the loader follows.
constexpr long long NameTags[] = {DT_NEEDED, DT_SONAME, DT_RPATH, DT_RUNPATH, DT_AUXILIARY,
                                  DT_FILTER};

template <typename ProgramHeader, typename Dynamic>
class Inspection
{
public:
    Inspection(int descriptor, Offset size) : m_descriptor(descriptor), m_size(size) {}

    template <typename Header>
    ElfFacts run()
    {
        Header header;
        if (!readAt(m_descriptor, &header, sizeof header, 0))
            return {ElfProblem::Truncated, 0};
        if (header.e_phnum == 0)
            return {}; // the loader refuses a file without segments itself
        if (header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum > MaximumProgramHeaders)
            return {ElfProblem::ProgramHeaders, 0};
        if (!inside(header.e_phoff, Offset(header.e_phnum) * sizeof(ProgramHeader), m_size))
            return {ElfProblem::Truncated, 0};
        m_segments.resize(header.e_phnum);
        if (!readAt(m_descriptor, m_segments.data(), m_segments.size() * sizeof(ProgramHeader),
                    header.e_phoff))
            return {ElfProblem::Truncated, 0};
        ElfFacts facts;
        facts.problem = checkSegments();
        if (facts.problem == ElfProblem::None && m_dynamic)
            facts.problem = checkDynamicSection(&facts.qtMajor);
        return facts;
    }

private:
    // The file offset of [address, address + length) where one loadable segment's file
    // part holds all of it.
    bool mapped(Offset address, Offset length, Offset *offset = nullptr) const
    {
        for (const ProgramHeader &segment : m_segments) {
            if (segment.p_type != PT_LOAD || address < segment.p_vaddr)
                continue;
            const Offset into = address - segment.p_vaddr;
            if (!inside(into, length, segment.p_filesz))
                continue;
            if (offset)
                *offset = segment.p_offset + into;
            return true;
        }
        return false;
    }

    ElfProblem checkSegments()
    {
        const ProgramHeader *stack = nullptr;
        for (const ProgramHeader &segment : m_segments) {
            if (!inside(segment.p_offset, segment.p_filesz, m_size))
                return ElfProblem::Truncated;
        }
        for (const ProgramHeader &segment : m_segments) {
            switch (segment.p_type) {
            case PT_DYNAMIC:
                if (m_dynamic)
                    return ElfProblem::DynamicSections;
                m_dynamic = &segment;
                break;
            case PT_NOTE:
            case PT_TLS:
            case PT_GNU_PROPERTY:
                if (!mapped(segment.p_vaddr, segment.p_filesz))
                    return ElfProblem::SegmentNotLoaded;
                break;
            case PT_GNU_STACK:
                stack = &segment;
                break;
            default:
                break;
            }
        }
        // Without the header the loader makes the stack executable too, and one library
        // that asks for it changes the whole process.
        if (!stack || (stack->p_flags & PF_X))
            return ElfProblem::ExecutableStack;
        return ElfProblem::None;
    }

    // Read once, up to the first DT_NULL; the last entry of a tag is the one the loader uses.
    bool readDynamicSection()
    {
        Offset at = 0;
        if (!mapped(m_dynamic->p_vaddr, m_dynamic->p_filesz, &at) || at != m_dynamic->p_offset)
            return false;
        std::vector<Dynamic> entries(m_dynamic->p_filesz / sizeof(Dynamic));
        if (!readAt(m_descriptor, entries.data(), entries.size() * sizeof(Dynamic), at))
            return false;
        const auto end = std::find_if(entries.cbegin(), entries.cend(),
                                      [](const Dynamic &entry) { return entry.d_tag == DT_NULL; });
        if (end == entries.cend())
            return false;
        entries.erase(end, entries.cend());
        m_entries = std::move(entries);
        for (const Dynamic &entry : m_entries) {
            if (entry.d_tag == DT_STRTAB || entry.d_tag == DT_STRSZ || sizesTable(entry.d_tag))
                m_last[entry.d_tag] = entry.d_un.d_val;
        }
        return true;
    }

    bool has(long long tag) const { return m_last.count(tag) != 0; }
    Offset last(long long tag) const { return m_last.at(tag); }

    ElfProblem checkDynamicSection(int *qtMajor)
    {
        if (!readDynamicSection())
            return ElfProblem::DynamicSection;
        Offset strings = 0;
        if (!has(DT_STRTAB) || !has(DT_STRSZ) || !mapped(last(DT_STRTAB), last(DT_STRSZ), &strings))
            return ElfProblem::StringTable;
        if (!has(DT_SYMTAB)) // the loader reads it unasked
            return ElfProblem::Table;
        for (const TableTag &table : Tables) {
            if (!has(table.address))
                continue;
            const Offset length =
                table.sizeTag ? (has(table.sizeTag) ? last(table.sizeTag) : 0) : table.entrySize;
            if (!mapped(last(table.address), length))
                return ElfProblem::Table;
        }
        std::vector<char> names(last(DT_STRSZ));
        if (!readAt(m_descriptor, names.data(), names.size(), strings))
            return ElfProblem::StringTable;
        return checkNames(names, qtMajor);
    }

    // Every name must end inside the table: a name may start anywhere up to its last NUL.
    ElfProblem checkNames(const std::vector<char> &names, int *qtMajor) const
    {
        const auto lastNul = std::find(names.crbegin(), names.crend(), '\0');
        const Offset limit = lastNul == names.crend() ? 0 : Offset(names.crend() - lastNul);
        for (const Dynamic &entry : m_entries) {
            if (std::find(std::begin(NameTags), std::end(NameTags), entry.d_tag) ==
                std::end(NameTags))
                continue;
            const Offset at = entry.d_un.d_val;
            if (at >= limit)
                return ElfProblem::Name;
            const char *name = names.data() + at;
            if (entry.d_tag == DT_NEEDED && *qtMajor == 0 && std::strncmp(name, "libQt", 5) == 0 &&
                name[5] >= '1' && name[5] <= '9')
                *qtMajor = name[5] - '0';
        }
        return ElfProblem::None;
    }

    int m_descriptor;
    Offset m_size;
    std::vector<ProgramHeader> m_segments;
    const ProgramHeader *m_dynamic = nullptr;
    std::vector<Dynamic> m_entries;
    std::map<long long, Offset> m_last;
};

} // namespace

ElfFacts inspectElf(int descriptor)
{
    struct stat status;
    unsigned char ident[EI_NIDENT] = {};
    if (fstat(descriptor, &status) != 0 || !readAt(descriptor, &ident, sizeof ident, 0) ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0 || ident[EI_DATA] != NativeByteOrder)
        return {}; // the loader refuses these before it maps anything
    const auto size = Offset(status.st_size);
    switch (ident[EI_CLASS]) {
    case ELFCLASS64:
        return Inspection<Elf64_Phdr, Elf64_Dyn>(descriptor, size).run<Elf64_Ehdr>();
    case ELFCLASS32:
        return Inspection<Elf32_Phdr, Elf32_Dyn>(descriptor, size).run<Elf32_Ehdr>();
    default:
        return {};
    }
}

const char *describe(ElfProblem problem)
{
    switch (problem) {
    case ElfProblem::None:
        return "no fault found in its ELF headers";
    case ElfProblem::Truncated:
        return "truncated (its headers or segments reach past the end of the file)";
    case ElfProblem::ProgramHeaders:
        return "malformed: its program headers are of an unknown size or too many";
    case ElfProblem::DynamicSections:
        return "malformed: more than one dynamic section";
    case ElfProblem::DynamicSection:
        return "malformed: its dynamic section lies outside its loadable segment or has no end";
    case ElfProblem::SegmentNotLoaded:
        return "malformed: a note, TLS or property segment lies outside the loadable segments";
    case ElfProblem::StringTable:
        return "malformed: its string table is missing or lies outside the loadable segments";
    case ElfProblem::Table:
        return "malformed: its symbol table is missing, or a symbol, hash or relocation table "
               "lies outside the loadable segments";
    case ElfProblem::ExecutableStack:
        return "unsafe: it asks for an executable stack (no PT_GNU_STACK header, or an "
               "executable one)";
    case ElfProblem::Name:
        return "malformed: a needed library, soname or search path lies outside its string table";
    }
    return "malformed";
}

} // namespace CorvadQt5
