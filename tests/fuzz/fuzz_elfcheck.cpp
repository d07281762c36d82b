// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The ELF check over any file: it reads through a descriptor, so each input is a memfd.
#include "base/elfcheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const int descriptor = memfd_create("plugin.so", MFD_CLOEXEC);
    if (descriptor < 0 || ftruncate(descriptor, 0) != 0 ||
        pwrite(descriptor, data, size, 0) != ssize_t(size))
        std::abort();
    const CorvadQt5::ElfFacts facts = CorvadQt5::inspectElf(descriptor);
    if (facts.qtMajor < 0 || facts.qtMajor > 9 || !CorvadQt5::describe(facts.problem))
        std::abort();
    return 0;
}
