// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "checkedlibrary.h"

#include "elfcheck.h"

#include <QFile>
#include <QFileInfo>

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
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const auto at = reinterpret_cast<quintptr>(address);
    for (const QByteArray &line : maps.readAll().split('\n')) {
        // start-end perms offset major:minor inode path
        const QList<QByteArray> fields = line.simplified().split(' ');
        const QList<QByteArray> range = fields.value(0).split('-');
        const QList<QByteArray> device = fields.value(3).split(':');
        if (fields.size() < 5 || range.size() != 2 || device.size() != 2)
            continue;
        if (at < range[0].toULongLong(nullptr, 16) || at >= range[1].toULongLong(nullptr, 16))
            continue;
        return device[0].toUInt(nullptr, 16) == major(ours.st_dev) &&
               device[1].toUInt(nullptr, 16) == minor(ours.st_dev) &&
               fields[4].toULongLong() == ours.st_ino;
    }
    return false;
}

// False when an object already loaded answers to \a name but came from another file. The
// dynamic loader recognises objects by every name they were ever opened under before it
// looks at the file, so /proc/self/fd/N can still name a library that was opened through an
// earlier descriptor N while another handle kept it loaded.
bool nameIsFreeFor(const QByteArray &name, const struct stat &ours)
{
    void *loaded = dlopen(name.constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return true;
    link_map *map = nullptr;
    const bool same =
        dlinfo(loaded, RTLD_DI_LINKMAP, &map) == 0 && map && mappedFrom(map->l_ld, ours);
    dlclose(loaded);
    return same;
}

// Moves \a descriptor to a number whose /proc/self/fd name no other loaded file answers to.
int unusedLoadName(int descriptor)
{
    struct stat ours;
    if (fstat(descriptor, &ours) != 0)
        return -1;
    while (!nameIsFreeFor(descriptorPath(descriptor), ours)) {
        const int moved = fcntl(descriptor, F_DUPFD_CLOEXEC, descriptor + 1);
        close(descriptor);
        if (moved < 0)
            return -1;
        descriptor = moved;
    }
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
    m_verdict = check(path);
    if (m_verdict != NotTried) {
        if (m_descriptor >= 0)
            close(m_descriptor);
        m_descriptor = -1;
        return m_verdict;
    }
    m_descriptor = unusedLoadName(m_descriptor);
    if (m_descriptor < 0)
        return m_verdict = Missing;
    setFileName(QString::fromLatin1(descriptorPath(m_descriptor)));
    return m_verdict = load() ? Loaded : LoadFailed;
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
    if (!elfSegmentsInsideFile(m_descriptor))
        return SegmentsOutsideFile;
    return NotTried;
}

} // namespace CorvadQt5
