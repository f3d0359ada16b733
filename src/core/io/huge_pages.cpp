#include "io/huge_pages.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace hk {

namespace {

std::atomic<bool> adviceOn{false};

} // namespace

void UseHugePages(bool on) {
    adviceOn = on;
}

void AdviseHugePages(void* data, std::size_t bytes) {
    if (!adviceOn) return;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only the whole huge pages inside the block: the advice applies to
    // whole pages, and the memory around the block belongs to others.
    constexpr std::uintptr_t Huge = std::uintptr_t{1} << 21;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = (begin + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t to = (begin + bytes) & ~(Huge - 1);
    if (data != nullptr && to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE); // advice only
#else
    (void)data;
    (void)bytes;
#endif
}

void PrepareInParallel(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::uintptr_t Page = std::uintptr_t{1} << 12;
    constexpr std::uintptr_t Huge = std::uintptr_t{1} << 21;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = (begin + Page - 1) & ~(Page - 1);
    const std::uintptr_t to = (begin + bytes) & ~(Page - 1);
    if (data == nullptr || to <= from) return;
    // The halves meet on a huge page's edge, so that no huge page is
    // asked for by both threads.
    const std::uintptr_t middle = std::max(from, (from + (to - from) / 2) & ~(Huge - 1));
    const auto populate = [](std::uintptr_t a, std::uintptr_t b) {
        if (b > a) ::madvise(reinterpret_cast<void*>(a), b - a, MADV_POPULATE_WRITE);
    };
    std::jthread other(populate, middle, to);
    populate(from, middle);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace hk
