#pragma once
// Advice for large blocks of memory about to be filled.
#include <cstddef>

namespace hk {

// Asks the kernel to back the block with huge pages where it can, so that
// filling tens of megabytes takes one page fault per 2 MiB instead of one per
// 4 KiB. Only advice: the memory and its contents are the same either way,
// and nothing happens where the system does not offer it. Call it before the
// block is first written. Does nothing until UseHugePages(true): a command
// that reads the archive and walks all of it gains (a third of `check`'s
// time at 100,000 records), while in the desktop program the same advice
// doubled the time to its first window (the kernel's compaction of memory
// for the huge pages, paid while the observer waits).
void AdviseHugePages(void* data, std::size_t bytes);

// Has the kernel provide the memory of a block (whole pages inside it) on
// two threads at once, the calling one and one more, so that the first
// writes into a block of tens of megabytes find it ready: the kernel clears
// every new page, and two cores clear twice as fast as one. The contents
// are then zero. Does nothing where the system does not offer it.
void PrepareInParallel(void* data, std::size_t bytes);

// Whether AdviseHugePages gives the advice (off at the start).
void UseHugePages(bool on);

} // namespace hk
