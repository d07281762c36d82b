// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The library's demonstration program: for now, the account facts it gives.
#include <corvad-common-qt5/common.h>

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    using CorvadQt5::Common;
    QTextStream out(stdout);
    const unsigned int uid = ::getuid();
    out << "user:  " << Common::nameByUid(uid) << " (" << uid << ")\n"
        << "home:  " << Common::homeDirByUid(uid) << "\n"
        << "users with uid >= 1000 (and root):  " << Common::userCount(1000) << "\n"
        << "groups with gid >= 1000 (and root): " << Common::groupCount(1000) << "\n";
    return 0;
}
