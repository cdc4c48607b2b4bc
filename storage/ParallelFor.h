// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs work(at) for every index below count on every core, the calling thread included, and
// returns when all are done. For many small independent steps, such as one per message file;
// work must not throw. A thread takes `grain` steps at a time: fewer for few large steps.
//
// Qt's global thread pool is not used: it is shared with Qt's own jobs, and a blocking map
// there leaves the calling thread waiting while the pool has a free thread or none.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

template <typename Work>
void ParallelFor(std::size_t count, const Work &work, std::size_t grain = 256)
{
    std::atomic<std::size_t> next = 0;
    const auto drain = [&] {
        for (std::size_t first; (first = next.fetch_add(grain)) < count;)
            for (std::size_t at = first; at < std::min(first + grain, count); ++at)
                work(at);
    };
    const std::size_t helpers = std::min<std::size_t>(std::thread::hardware_concurrency(), count / grain);
    std::vector<std::jthread> threads;
    for (std::size_t n = 1; n < helpers; ++n)
        threads.emplace_back(drain);
    drain();
}
