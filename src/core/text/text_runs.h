#pragma once
// Work over many records on several threads (the geometry cache, long texts
// and tables): the records are split into contiguous runs, each run is worked
// on by one thread into places of its own, and the runs' results are joined
// in order, so that the result is the same whatever the number of threads.
#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

#include "geometry/vector_state.h"

namespace hk {

// Fewer records than this are not worth a thread of their own.
inline constexpr std::size_t MinRecordsPerRun = 2048;

// The number of runs for `items` records on `threads` threads (0: the
// machine's cores, fewer for a small job); at least one.
inline std::size_t RunCount(std::size_t items, unsigned threads) {
    std::size_t runs = threads;
    if (runs == 0)
        runs = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()),
                                     std::max<std::size_t>(1, items / MinRecordsPerRun));
    return std::max<std::size_t>(1, std::min(runs, std::max<std::size_t>(items, 1)));
}

// Calls work(run, from, to) for the `runs` contiguous runs of [0, items),
// each on a thread of its own (the first on the calling thread). Every run
// ends before the first failure is thrown on.
template <class Work> void ForEachRun(std::size_t items, std::size_t runs, const Work& work) {
    const auto from = [&](std::size_t r) { return items * r / runs; };
    if (runs <= 1) {
        ClearUpperVectorState();
        work(std::size_t{0}, std::size_t{0}, items);
        return;
    }
    std::vector<std::exception_ptr> failures(runs);
    auto run = [&](std::size_t r) {
        try {
            ClearUpperVectorState();
            work(r, from(r), from(r + 1));
        } catch (...) {
            failures[r] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(runs - 1);
        for (std::size_t r = 1; r < runs; ++r)
            helpers.emplace_back(run, r);
        run(0);
    }
    for (const std::exception_ptr& f : failures)
        if (f) std::rethrow_exception(f);
}

} // namespace hk
