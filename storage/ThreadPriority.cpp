// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Far enough below the window that it runs first, not so far that a search the user waits for
// crawls behind other programs' work.
constexpr int kBackgroundNice = 5;

} // namespace

void LowerThreadPriority()
{
    // On Linux the nice value is each thread's own, and threads started later inherit it.
    const pid_t thread = gettid();
    if (getpriority(PRIO_PROCESS, id_t(thread)) < kBackgroundNice)
        (void)setpriority(PRIO_PROCESS, id_t(thread), kBackgroundNice);
}
