// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// libnss_corvaddir.so.2: a directory service as the usual clients behave by default. It
// answers lookups by id and by name (names case-insensitively, as some directories do) and
// enumerates nothing. Two of its entries are larger than a 4096-byte buffer.
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <nss.h>
#include <pwd.h>
#include <string>
#include <strings.h>

namespace {

struct User
{
    const char *name;
    uid_t uid;
    std::string gecos;
    const char *home;
};

struct Group
{
    const char *name;
    gid_t gid;
    std::string members; // comma-separated
};

const User users[] = {
    {"dirk", 5000, "Directory user", "/home/directory/dirk"},
    {"wide", 5001, std::string(6000, 'w'), "/home/directory/wide"},
    {"first", 5002, "Shadowed by the files entry of the same name", "/home/directory/first"},
};

const Group groups[] = {
    {"directors", 5000, "dirk"},
    {"crowd", 5001,
     [] {
         std::string list;
         for (int i = 0; i < 900; ++i)
             list += "member" + std::to_string(i) + ',';
         return list + "last";
     }()},
};

// Hands out pieces of the caller's buffer; fails once it is used up.
class Arena
{
public:
    Arena(char *buffer, size_t size) : m_next(buffer), m_left(size) {}

    char *copy(const std::string &text)
    {
        char *at = take(text.size() + 1);
        if (at)
            std::memcpy(at, text.c_str(), text.size() + 1);
        return at;
    }

    char *take(size_t bytes)
    {
        const size_t padding =
            (alignof(char *) - reinterpret_cast<uintptr_t>(m_next) % alignof(char *)) %
            alignof(char *);
        if (bytes + padding > m_left)
            return nullptr;
        char *at = m_next + padding;
        m_next += bytes + padding;
        m_left -= bytes + padding;
        return at;
    }

private:
    char *m_next;
    size_t m_left;
};

nss_status tooSmall(int *errnop)
{
    *errnop = ERANGE;
    return NSS_STATUS_TRYAGAIN;
}

nss_status fill(const User &user, passwd *entry, char *buffer, size_t size, int *errnop)
{
    Arena arena(buffer, size);
    entry->pw_name = arena.copy(user.name);
    entry->pw_passwd = arena.copy("x");
    entry->pw_gecos = arena.copy(user.gecos);
    entry->pw_dir = arena.copy(user.home);
    entry->pw_shell = arena.copy("/bin/sh");
    if (!entry->pw_name || !entry->pw_passwd || !entry->pw_gecos || !entry->pw_dir ||
        !entry->pw_shell)
        return tooSmall(errnop);
    entry->pw_uid = user.uid;
    entry->pw_gid = user.uid;
    return NSS_STATUS_SUCCESS;
}

nss_status fill(const Group &group, struct group *entry, char *buffer, size_t size, int *errnop)
{
    Arena arena(buffer, size);
    entry->gr_name = arena.copy(group.name);
    entry->gr_passwd = arena.copy("x");
    char *members = arena.copy(group.members);
    size_t count = 1;
    for (const char c : group.members)
        count += c == ',';
    auto *list = reinterpret_cast<char **>(arena.take((count + 1) * sizeof(char *)));
    if (!entry->gr_name || !entry->gr_passwd || !members || !list)
        return tooSmall(errnop);
    size_t n = 0;
    for (char *member = strtok(members, ","); member; member = strtok(nullptr, ","))
        list[n++] = member;
    list[n] = nullptr;
    entry->gr_mem = list;
    entry->gr_gid = group.gid;
    return NSS_STATUS_SUCCESS;
}

template <typename Record, typename Entry, size_t N, typename Match>
nss_status find(const Record (&records)[N], Match matches, Entry *entry, char *buffer, size_t size,
                int *errnop)
{
    for (const Record &record : records) {
        if (matches(record))
            return fill(record, entry, buffer, size, errnop);
    }
    *errnop = ENOENT;
    return NSS_STATUS_NOTFOUND;
}

} // namespace

extern "C" {

nss_status _nss_corvaddir_getpwuid_r(uid_t uid, passwd *entry, char *buffer, size_t size,
                                     int *errnop)
{
    return find(
        users, [uid](const User &user) { return user.uid == uid; }, entry, buffer, size, errnop);
}

nss_status _nss_corvaddir_getpwnam_r(const char *name, passwd *entry, char *buffer, size_t size,
                                     int *errnop)
{
    return find(
        users, [name](const User &user) { return strcasecmp(user.name, name) == 0; }, entry, buffer,
        size, errnop);
}

nss_status _nss_corvaddir_getgrgid_r(gid_t gid, group *entry, char *buffer, size_t size,
                                     int *errnop)
{
    return find(
        groups, [gid](const Group &group) { return group.gid == gid; }, entry, buffer, size,
        errnop);
}

nss_status _nss_corvaddir_getgrnam_r(const char *name, group *entry, char *buffer, size_t size,
                                     int *errnop)
{
    return find(
        groups, [name](const Group &group) { return strcasecmp(group.name, name) == 0; }, entry,
        buffer, size, errnop);
}

} // extern "C"
