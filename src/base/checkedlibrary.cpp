// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "checkedlibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace CorvadQt5 {
namespace {

bool trustedOwner(const struct stat &status)
{
    return status.st_uid == 0 || status.st_uid == geteuid();
}

bool writableByOthers(const struct stat &status)
{
    return (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

QByteArray descriptorPath(int descriptor)
{
    return "/proc/self/fd/" + QByteArray::number(descriptor);
}

// Whether the mapping that holds \a address comes from the file \a ours describes.
bool mappedFrom(const void *address, const struct stat &ours)
{
    FILE *maps = std::fopen("/proc/self/maps", "re");
    if (!maps)
        return false;
    const auto at = reinterpret_cast<unsigned long>(address);
    char *line = nullptr;
    size_t capacity = 0;
    bool same = false;
    while (getline(&line, &capacity, maps) > 0) {
        // start-end perms offset major:minor inode path
        unsigned long start = 0, end = 0, inode = 0;
        unsigned int deviceMajor = 0, deviceMinor = 0;
        if (std::sscanf(line, "%lx-%lx %*s %*s %x:%x %lu", &start, &end, &deviceMajor, &deviceMinor,
                        &inode) == 5 &&
            start <= at && at < end) {
            same = deviceMajor == major(ours.st_dev) && deviceMinor == minor(ours.st_dev) &&
                   inode == ours.st_ino;
            break;
        }
    }
    std::free(line);
    std::fclose(maps);
    return same;
}

struct FileId
{
    dev_t device;
    ino_t inode;
    bool operator==(FileId other) const { return device == other.device && inode == other.inode; }
};

// Every /proc/self/fd/N name this process handed to the loader, with the file it named.
QHash<int, FileId> &namesGiven()
{
    static QHash<int, FileId> names;
    return names;
}

QMutex &namesMutex()
{
    static QMutex mutex;
    return mutex;
}

// False when an object already loaded answers to /proc/self/fd/N but came from another file.
// The dynamic loader recognises objects by every name they were ever opened under before it
// looks at the file, so the name can still stand for a library opened through an earlier
// descriptor N that another handle kept loaded. Only a name once given to another file needs
// the (slow) look at the loaded objects.
bool nameIsFreeFor(int descriptor, const struct stat &ours)
{
    const auto given = namesGiven().constFind(descriptor);
    if (given == namesGiven().cend() || *given == FileId{ours.st_dev, ours.st_ino})
        return true;
    void *loaded = dlopen(descriptorPath(descriptor).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return true;
    link_map *map = nullptr;
    const bool same =
        dlinfo(loaded, RTLD_DI_LINKMAP, &map) == 0 && map && mappedFrom(map->l_ld, ours);
    dlclose(loaded);
    return same;
}

// Moves \a descriptor to a number whose /proc/self/fd name no other loaded file answers to,
// and remembers that the name now stands for this file.
int unusedLoadName(int descriptor)
{
    struct stat ours;
    if (fstat(descriptor, &ours) != 0)
        return -1;
    const QMutexLocker locker(&namesMutex());
    while (!nameIsFreeFor(descriptor, ours)) {
        const int moved = fcntl(descriptor, F_DUPFD_CLOEXEC, descriptor + 1);
        close(descriptor);
        if (moved < 0)
            return -1;
        descriptor = moved;
    }
    namesGiven().insert(descriptor, {ours.st_dev, ours.st_ino});
    return descriptor;
}

} // namespace

CheckedLibrary::~CheckedLibrary()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
}

CheckedLibrary::Verdict CheckedLibrary::loadChecked(const QString &path)
{
    const Verdict refusal = check(path);
    if (refusal != NotTried) {
        if (m_descriptor >= 0)
            close(m_descriptor);
        m_descriptor = -1;
        return refusal;
    }
    m_descriptor = unusedLoadName(m_descriptor);
    if (m_descriptor < 0)
        return Missing;
    setFileName(QString::fromLatin1(descriptorPath(m_descriptor)));
    return load() ? Loaded : LoadFailed;
}

// NotTried when the file may be loaded, with m_descriptor open on it.
CheckedLibrary::Verdict CheckedLibrary::check(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat status;
    // A first look by name spares opening devices at all; the descriptor decides.
    if (stat(file.constData(), &status) != 0)
        return Missing;
    if (!S_ISREG(status.st_mode))
        return NotRegularFile;
    if (stat(directory.constData(), &status) != 0)
        return Missing;
    if (!trustedOwner(status))
        return UnsafeDirectoryOwner;
    if (writableByOthers(status))
        return UnsafeDirectoryMode;

    m_descriptor = open(file.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_descriptor < 0 || fstat(m_descriptor, &status) != 0)
        return Missing;
    if (!S_ISREG(status.st_mode))
        return NotRegularFile;
    if (!trustedOwner(status))
        return UnsafeFileOwner;
    if (writableByOthers(status))
        return UnsafeFileMode;
    const ElfFacts elf = inspectElf(m_descriptor);
    m_elfProblem = elf.problem;
    if (elf.problem != ElfProblem::None)
        return MalformedElf;
    if (elf.qtMajor != 0 && elf.qtMajor != QT_VERSION_MAJOR)
        return OtherQtMajor;
    return NotTried;
}

} // namespace CorvadQt5
