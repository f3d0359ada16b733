#pragma once
// The records lie 1774 bytes apart, too far for the hardware to guess the
// next one: a table that walks the store asks for the parts it reads a few
// records ahead.
#include <cstddef>
#include <span>

#include "records/record_layout.h"

namespace hk {

inline constexpr std::size_t PrefetchDistance = 8;

// The head of record k + PrefetchDistance (date, counts, observer) and, when
// groupLines > 0, that many cache lines of its group entries.
inline void PrefetchAhead(std::span<const TZaznam> records, std::size_t k, int groupLines = 0) {
    if (k + PrefetchDistance >= records.size()) return;
    const char* p = reinterpret_cast<const char*>(&records[k + PrefetchDistance]);
    __builtin_prefetch(p);
    __builtin_prefetch(p + 63);
    for (int line = 0; line < groupLines; ++line)
        __builtin_prefetch(p + offsetof(TZaznam, Skupiny) + 64 * line);
}

} // namespace hk
