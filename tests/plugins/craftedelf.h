// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// Plugin files that are damaged in the ways that crashed or stalled the dynamic loader, or
// the check before it: each built from scratch as a 64-bit ELF shared object with one
// loadable segment, a dynamic section and a string table, then broken in one place.

#include <elf.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace CraftedElf {

struct File
{
    std::string name;
    std::string bytes;
    std::string rule; // what corvad-qt5-plugininfo says of it
};

namespace detail {

struct Shape
{
    unsigned int dynamicHeaders = 1;
    unsigned int dynamicEntries = 0; // extra DT_NEEDED entries
    bool terminated = true;          // a DT_NULL ends the dynamic section
    bool symbols = true;             // a DT_SYMTAB (of one empty symbol)
    std::uint64_t neededName = 24;   // offset of the first DT_NEEDED name
    std::string needed = "libc.so.6";
    std::uint64_t stringTable = 0;   // 0: where it is
    bool stringsEndWithNul = true;
    std::uint64_t segmentSize = 0;   // 0: the whole file
    bool stackHeader = true;         // a PT_GNU_STACK
    Elf64_Word stackFlags = PF_R | PF_W;
    std::vector<Elf64_Phdr> segments;   // more program headers, after the dynamic ones
    std::vector<Elf64_Dyn> tables; // more dynamic entries; address 0: the strings', 1: the last byte
    std::uint64_t dynamicOffsetShift = 0; // the dynamic header's offset, off its address
};

template <typename T>
void put(std::string &bytes, std::size_t at, const T &value)
{
    std::memcpy(&bytes[at], &value, sizeof value);
}

inline std::string build(const Shape &shape)
{
    std::string strings = std::string(24, '\0') + shape.needed;
    if (shape.stringsEndWithNul)
        strings += '\0';
    const std::size_t headers =
        1 + shape.dynamicHeaders + shape.segments.size() + (shape.stackHeader ? 1 : 0);
    const std::size_t dynamicAt = sizeof(Elf64_Ehdr) + headers * sizeof(Elf64_Phdr);
    std::vector<Elf64_Dyn> dynamic;
    dynamic.push_back({DT_NEEDED, {shape.neededName}});
    for (unsigned int i = 0; i < shape.dynamicEntries; ++i)
        dynamic.push_back({DT_NEEDED, {24}});
    const std::size_t stringsAt =
        dynamicAt + (dynamic.size() + shape.tables.size() + 4) * sizeof(Elf64_Dyn);
    const std::size_t size = stringsAt + strings.size();
    for (Elf64_Dyn table : shape.tables) {
        if (table.d_un.d_ptr == 0)
            table.d_un.d_ptr = stringsAt;
        else if (table.d_un.d_ptr == 1)
            table.d_un.d_ptr = size - 1;
        dynamic.push_back(table);
    }
    dynamic.push_back({shape.symbols ? DT_SYMTAB : DT_DEBUG, {stringsAt}}); // 24 bytes of 0
    dynamic.push_back({DT_STRTAB, {shape.stringTable ? shape.stringTable : stringsAt}});
    dynamic.push_back({DT_STRSZ, {strings.size()}});
    dynamic.push_back({shape.terminated ? DT_NULL : DT_NEEDED, {24}});

    std::string bytes(size, '\0');
    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_ident[EI_VERSION] = EV_CURRENT;
    header.e_type = ET_DYN;
    header.e_machine = EM_X86_64;
    header.e_version = EV_CURRENT;
    header.e_phoff = sizeof(Elf64_Ehdr);
    header.e_ehsize = sizeof(Elf64_Ehdr);
    header.e_phentsize = sizeof(Elf64_Phdr);
    header.e_phnum = Elf64_Half(headers);
    put(bytes, 0, header);
    Elf64_Phdr load{PT_LOAD, PF_R | PF_W, 0, 0, 0, size, size, 0x1000};
    if (shape.segmentSize)
        load.p_filesz = load.p_memsz = shape.segmentSize;
    put(bytes, sizeof header, load);
    const std::size_t dynamicSize = dynamic.size() * sizeof(Elf64_Dyn);
    for (std::size_t i = 1; i <= shape.dynamicHeaders; ++i)
        put(bytes, sizeof header + i * sizeof load,
            Elf64_Phdr{PT_DYNAMIC, PF_R | PF_W, dynamicAt + shape.dynamicOffsetShift, dynamicAt,
                       dynamicAt, dynamicSize, dynamicSize, 8});
    for (std::size_t i = 0; i < shape.segments.size(); ++i)
        put(bytes, sizeof header + (1 + shape.dynamicHeaders + i) * sizeof load, shape.segments[i]);
    if (shape.stackHeader)
        put(bytes, sizeof header + (headers - 1) * sizeof load,
            Elf64_Phdr{PT_GNU_STACK, shape.stackFlags, 0, 0, 0, 0, 0, 16});
    std::memcpy(&bytes[dynamicAt], dynamic.data(), dynamicSize);
    std::memcpy(&bytes[stringsAt], strings.data(), strings.size());
    return bytes;
}

// Only the ELF header, which promises \a count program headers.
inline std::string headerOnly(Elf64_Half count)
{
    std::string bytes = build(Shape{});
    bytes.resize(sizeof(Elf64_Ehdr));
    put(bytes, offsetof(Elf64_Ehdr, e_phnum), count);
    return bytes;
}

} // namespace detail

inline std::vector<File> files()
{
    using detail::Shape;
    constexpr std::uint64_t Unmapped = std::uint64_t(1) << 40;
    const auto shape = [](auto change) {
        Shape s;
        change(s);
        return detail::build(s);
    };
    std::vector<File> files = {
        {"well-formed.so", shape([](Shape &) {}), "an entry symbol is missing"},
        {"no-symbol-table.so", shape([](Shape &s) { s.symbols = false; }),
         "its symbol table is missing"},
        {"needed-name-past-the-end.so", shape([](Shape &s) { s.neededName = 0x7fffffff; }),
         "a needed library, soname or search path lies outside its string table"},
        {"name-without-end.so", shape([](Shape &s) { s.stringsEndWithNul = false; }),
         "a needed library, soname or search path lies outside its string table"},
        {"string-table-unmapped.so",
         shape([](Shape &s) { s.stringTable = std::uint64_t(1) << 62; }),
         "its string table is missing or lies outside the loadable segments"},
        {"two-dynamic-sections.so", shape([](Shape &s) { s.dynamicHeaders = 2; }),
         "more than one dynamic section"},
        {"dynamic-section-without-end.so",
         shape([](Shape &s) {
             s.dynamicEntries = 65535;
             s.terminated = false;
         }),
         "its dynamic section lies outside its loadable segment or has no end"},
        {"65535-dynamic-sections.so",
         shape([](Shape &s) {
             s.stackHeader = false;
             s.dynamicHeaders = 65534;
             s.dynamicEntries = 65535;
             s.terminated = false;
         }),
         "its program headers are of an unknown size or too many"},
        {"program-headers-missing.so",
         detail::headerOnly(65535),
         "its program headers are of an unknown size or too many"},
        {"soname-at-the-last-nul.so", // an empty name, which is sound
         shape([](Shape &s) { s.tables = {{DT_SONAME, {24 + s.needed.size()}}}; }),
         "an entry symbol is missing"},
        {"table-in-zero-filled-memory.so",
         shape([](Shape &s) {
             s.segments = {{PT_LOAD, PF_R | PF_W, 0, 0x10000, 0x10000, 0, 0x1000, 0x1000}};
             s.tables = {{DT_VERSYM, {0x10000}}};
         }),
         "a symbol, hash or relocation table lies outside the loadable segments"},
        {"table-tag-repeated.so", // the loader takes the last one
         shape([](Shape &s) { s.tables = {{DT_VERSYM, {0}}, {DT_VERSYM, {Unmapped}}}; }),
         "a symbol, hash or relocation table lies outside the loadable segments"},
        {"program-headers-of-another-size.so",
         [] {
             std::string bytes = detail::build(Shape{});
             detail::put(bytes, offsetof(Elf64_Ehdr, e_phentsize), Elf64_Half(sizeof(Elf64_Phdr) + 8));
             return bytes;
         }(),
         "its program headers are of an unknown size or too many"},
        {"table-across-the-segment-end.so",
         shape([](Shape &s) { s.tables = {{DT_VERSYM, {1}}}; }),
         "a symbol, hash or relocation table lies outside the loadable segments"},
        {"dynamic-offset-off-its-address.so", shape([](Shape &s) { s.dynamicOffsetShift = 8; }),
         "its dynamic section lies outside its loadable segment or has no end"},
        {"older-qt-major.so", shape([](Shape &s) { s.needed = "libQt4Core.so.4"; }),
         "linked against another Qt major"},
        {"executable-stack.so", shape([](Shape &s) { s.stackFlags |= PF_X; }),
         "it asks for an executable stack"},
        {"no-stack-header.so", shape([](Shape &s) { s.stackHeader = false; }),
         "it asks for an executable stack"},
        {"segment-of-2^63-bytes.so",
         shape([](Shape &s) { s.segmentSize = std::uint64_t(1) << 63; }),
         "truncated (its headers or segments reach past the end of the file)"},
    };
    // Each table the loader reads, placed past every segment, and each sized one reaching
    // past its segment from the string table's address.
    const std::string table = "a symbol, hash or relocation table lies outside the loadable segments";
    const struct
    {
        const char *name;
        Elf64_Sxword tag, sizeTag;
    } tables[] = {{"hash", DT_HASH, 0},           {"gnu-hash", DT_GNU_HASH, 0},
                  {"versym", DT_VERSYM, 0},       {"verdef", DT_VERDEF, 0},
                  {"verneed", DT_VERNEED, 0},     {"rela", DT_RELA, DT_RELASZ},
                  {"rel", DT_REL, DT_RELSZ},      {"jmprel", DT_JMPREL, DT_PLTRELSZ},
                  {"init-array", DT_INIT_ARRAY, DT_INIT_ARRAYSZ},
                  {"fini-array", DT_FINI_ARRAY, DT_FINI_ARRAYSZ}};
    for (const auto &t : tables) {
        files.push_back({std::string(t.name) + "-unmapped.so",
                         shape([&](Shape &s) { s.tables = {{t.tag, {Unmapped}}}; }), table});
        if (t.sizeTag)
            files.push_back({std::string(t.name) + "-past-its-segment.so", shape([&](Shape &s) {
                                 s.tables = {{t.tag, {0}}, {t.sizeTag, {1 << 20}}};
                             }),
                             table});
    }
    const struct
    {
        const char *name;
        Elf64_Word type;
    } segments[] = {{"tls", PT_TLS}, {"note", PT_NOTE}, {"property", PT_GNU_PROPERTY}};
    for (const auto &segment : segments)
        files.push_back({std::string(segment.name) + "-segment-unloaded.so", shape([&](Shape &s) {
                             s.segments = {{segment.type, PF_R, 0, Unmapped, Unmapped, 8, 8, 8}};
                         }),
                         "a note, TLS or property segment lies outside the loadable segments"});
    return files;
}

} // namespace CraftedElf
