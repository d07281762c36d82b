// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "accountwalker.h"

#include <cerrno>
#include <cstddef>
#include <grp.h>
#include <pwd.h>
#include <vector>

namespace CorvadQt5::Accounts {
namespace {

constexpr std::size_t InitialBufferSize = 4096;
constexpr std::size_t MaximumBufferSize = std::size_t(16) << 20;

template <typename Entry>
struct Database
{
    void (*rewind)();
    void (*close)();
    int (*readNext)(Entry *, char *, std::size_t, Entry **);
};

struct CloseOnExit
{
    void (*close)();
    ~CloseOnExit() { close(); }
    CloseOnExit(const CloseOnExit &) = delete;
    CloseOnExit &operator=(const CloseOnExit &) = delete;
};

// glibc answers ERANGE and reads the same entry again; nss_wrapper answers -1 with errno set
// to ERANGE and goes on with the next one. Both mean: retry with a larger buffer.
bool bufferTooSmall(int result, int error)
{
    return result == ERANGE || (result == -1 && error == ERANGE);
}

template <typename Entry>
void walk(const Database<Entry> &database, const std::function<bool(const Entry &)> &visit)
{
    database.rewind();
    const CloseOnExit closer{database.close};

    Entry record{};
    char stackBuffer[InitialBufferSize];
    std::vector<char> heapBuffer;
    char *buffer = stackBuffer;
    std::size_t size = sizeof stackBuffer;

    for (;;) {
        Entry *entry = nullptr;
        errno = 0;
        const int result = database.readNext(&record, buffer, size, &entry);
        if (result == 0) {
            if (!entry || !visit(*entry))
                return;
            continue;
        }
        if (!bufferTooSmall(result, errno) || size >= MaximumBufferSize)
            return;
        size *= 2;
        heapBuffer.resize(size);
        buffer = heapBuffer.data();
    }
}

} // namespace

void forEachUser(const UserVisitor &visit)
{
    walk<passwd>({setpwent, endpwent, getpwent_r}, visit);
}

void forEachGroup(const GroupVisitor &visit)
{
    walk<group>({setgrent, endgrent, getgrent_r}, visit);
}

} // namespace CorvadQt5::Accounts
