#pragma once
// Advice for large blocks of memory about to be filled.
#include <cstddef>

namespace hk {

// Asks the kernel to back the block with huge pages where it can, so that
// filling tens of megabytes takes one page fault per 2 MiB instead of one per
// 4 KiB. Only advice: the memory and its contents are the same either way,
// and nothing happens where the system does not offer it. Call it before the
// block is first written.
void AdviseHugePages(void* data, std::size_t bytes);

} // namespace hk
