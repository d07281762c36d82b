// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "accountwalker.h"

#include <QLoggingCategory>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <grp.h>
#include <mutex>
#include <pwd.h>
#include <set>
#include <utility>
#include <vector>

namespace CorvadQt5::Accounts {
namespace {

Q_LOGGING_CATEGORY(lcAccounts, "corvad.accounts", QtWarningMsg)

// A directory that is down fails every lookup the same way: say so once, not once a call.
void reportFailure(const char *database, int error)
{
    static std::mutex mutex;
    static std::set<std::pair<const char *, int>> reported;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!reported.insert({database, error}).second)
            return;
    }
    qCWarning(lcAccounts, "looking up an entry of the %s database failed: %s", database,
              std::strerror(error));
}

constexpr std::size_t InitialBufferSize = 4096;
constexpr std::size_t MaximumBufferSize = std::size_t(16) << 20;

// Starts on the stack and doubles on the heap, up to a cap, when an entry does not fit.
class GrowingBuffer
{
public:
    char *data() { return m_heap.empty() ? m_stack : m_heap.data(); }
    std::size_t size() const { return m_size; }

    // glibc answers ERANGE (and reads the same entry again); nss_wrapper answers -1 with errno
    // set to ERANGE. Both mean: retry with a larger buffer, which this makes if it may.
    bool growAfter(int result, int error)
    {
        if (!(result == ERANGE || (result == -1 && error == ERANGE)) || m_size >= MaximumBufferSize)
            return false;
        m_size *= 2;
        m_heap.resize(m_size);
        return true;
    }

private:
    char m_stack[InitialBufferSize];
    std::vector<char> m_heap;
    std::size_t m_size = InitialBufferSize;
};

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

template <typename Entry>
void walk(const Database<Entry> &database, const std::function<bool(const Entry &)> &visit)
{
    database.rewind();
    const CloseOnExit closer{database.close};

    Entry record{};
    GrowingBuffer buffer;
    for (;;) {
        Entry *entry = nullptr;
        errno = 0;
        const int result = database.readNext(&record, buffer.data(), buffer.size(), &entry);
        if (result == 0) {
            if (!entry || !visit(*entry))
                return;
            continue;
        }
        if (!buffer.growAfter(result, errno))
            return;
    }
}

// Fits getpwuid_r, getpwnam_r, getgrgid_r and getgrnam_r alike. A plain miss is a zero
// result and no entry; glibc reports a source that failed with the error as the result,
// nss_wrapper with -1 and errno, and a module may leave only errno set.
template <typename Entry, typename Key>
bool lookUp(int (*lookup)(Key, Entry *, char *, std::size_t, Entry **), const char *database,
            Key key, const std::function<bool(const Entry &)> &take)
{
    Entry record{};
    GrowingBuffer buffer;
    for (;;) {
        Entry *entry = nullptr;
        errno = 0;
        const int result = lookup(key, &record, buffer.data(), buffer.size(), &entry);
        const int error = errno;
        if (result == 0 && entry)
            return take(*entry);
        if (result == 0 && error == 0)
            return false;
        if (!buffer.growAfter(result, error)) {
            // A source that failed without saying why is reported as an I/O error.
            reportFailure(database, result > 0 ? result : (error != 0 ? error : EIO));
            return false;
        }
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

bool userById(unsigned int uid, const UserTaker &take)
{
    return lookUp<passwd, uid_t>(getpwuid_r, "passwd", uid, take);
}

bool userByName(const QByteArray &name, const UserTaker &take)
{
    return lookUp<passwd, const char *>(getpwnam_r, "passwd", name.constData(), take);
}

bool groupById(unsigned int gid, const GroupTaker &take)
{
    return lookUp<group, gid_t>(getgrgid_r, "group", gid, take);
}

bool groupByName(const QByteArray &name, const GroupTaker &take)
{
    return lookUp<group, const char *>(getgrnam_r, "group", name.constData(), take);
}

} // namespace CorvadQt5::Accounts
