// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Linked into every test program of the sanitizers' build. LeakSanitizer checks at exit, and a
// thread that was told to end may still be on its way out then: QThread::wait() returns once
// run() is done, before the thread has exited, and QtTest's watchdog is such a thread. What
// only that thread's own data still points to would be reported leaked, on a busy machine
// more often. So exit waits until the number of threads stops changing (or one is left)
// before the check runs.
#include <dirent.h>
#include <stdlib.h>
#include <time.h>

namespace {

int threadCount()
{
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return 1;
    int count = 0;
    while (const dirent *entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

// Registered after the sanitizer's own exit handler, so it runs before the check: at most
// five seconds, done once the count held for a fifth of a second.
void settle()
{
    const timespec tick{0, 10 * 1000 * 1000};
    int last = threadCount();
    for (int waited = 0, unchanged = 0; last > 1 && unchanged < 20 && waited < 500; ++waited) {
        nanosleep(&tick, nullptr);
        const int now = threadCount();
        unchanged = now == last ? unchanged + 1 : 0;
        last = now;
    }
}

const int registered = atexit(settle);

} // namespace
