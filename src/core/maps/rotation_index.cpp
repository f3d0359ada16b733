#include "maps/rotation_index.h"

#include <algorithm>

namespace hk {

RotationIndex RotationIndex::of(std::span<const TZaznam> records) {
    RotationIndex ix;
    const int n = static_cast<int>(records.size());
    for (int k = 2; k <= n; ++k)
        if (records[std::size_t(k - 1)].Rotace > records[std::size_t(k - 2)].Rotace) {
            ix.L_.push_back(k);
            ix.rotations_.push_back(records[std::size_t(k - 1)].Rotace);
        }
    ix.byRotation_.reserve(records.size());
    for (int k = 1; k <= n; ++k)
        ix.byRotation_.emplace_back(records[std::size_t(k - 1)].Rotace, k);
    // Sorted by date the pairs are nearly in order already.
    if (!std::is_sorted(ix.byRotation_.begin(), ix.byRotation_.end()))
        std::sort(ix.byRotation_.begin(), ix.byRotation_.end());
    ix.lastRotation_ = n > 0 ? records.back().Rotace : 0;
    return ix;
}

int RotationIndex::position(int rotation) const {
    const auto it = std::find(rotations_.begin(), rotations_.end(), rotation);
    return it == rotations_.end() ? -1 : static_cast<int>(it - rotations_.begin());
}

RecordRange RotationIndex::range(std::span<const TZaznam> records, int R) const {
    RecordRange out;
    if (records.size() != byRotation_.size() || R < 0 || R > 0xFFFF) return out;
    const auto at = [this](int rotation) {
        return std::lower_bound(
            byRotation_.begin(), byRotation_.end(),
            std::pair<std::uint16_t, int>(static_cast<std::uint16_t>(rotation), 0));
    };
    int first = 0;
    if (const auto it = at(R); it != byRotation_.end() && it->first == R) first = it->second;
    if (R >= 1)
        for (auto it = at(R - 1); it != byRotation_.end() && it->first == R - 1; ++it) {
            if (first != 0 && it->second > first) break;
            if (records[std::size_t(it->second - 1)].L0 < 90) {
                first = it->second;
                break;
            }
        }
    if (first == 0) return out;
    const int n = static_cast<int>(records.size());
    int last = n;
    for (int k = first + 1; k <= n; ++k) {
        const TZaznam& z = records[std::size_t(k - 1)];
        if ((z.Rotace == R + 1 && z.L0 < 270) || z.Rotace > R + 1) {
            last = k - 1;
            break;
        }
    }
    return {first, last};
}

} // namespace hk
