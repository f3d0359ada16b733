#pragma once
// The rotations of the record store for the synoptic maps: the rotation list
// (the first record of every rise of Rotace) and an index by rotation, so a
// map finds its records without walking the whole store.
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "records/record_layout.h"

namespace hk {

// Records first..last (1-based, inclusive) of one map; empty when last < first.
struct RecordRange {
    int first = 1;
    int last = 0;
    bool empty() const { return last < first; }
    int size() const { return empty() ? 0 : last - first + 1; }
    friend bool operator==(const RecordRange&, const RecordRange&) = default;
};

class RotationIndex {
  public:
    // Builds the list and the index of `records` (sorted by date as the
    // store keeps them; any order works, only slower).
    static RotationIndex of(std::span<const TZaznam> records);

    // L[1], L[2], ...: every record k >= 2 whose Rotace is larger than that
    // of record k - 1, in record order (record 1 is not entered). 1-based
    // record indices; element 0 of the vector is L[1].
    const std::vector<int>& L() const { return L_; }
    // Rotace of record L[n], the texts of the rotation list box.
    const std::vector<int>& rotations() const { return rotations_; }
    // The 0-based position in L of the first entry of rotation `rotace`;
    // -1 when the list holds none.
    int position(int rotation) const;

    // The records of the map of rotation R: first = the first record whose
    // Rotace = R or whose Rotace = R - 1 and L0 < 90; last = one before the
    // first later record whose Rotace = R + 1 and L0 < 270 or whose Rotace >
    // R + 1, else the last record. Empty when no record starts the range.
    RecordRange range(std::span<const TZaznam> records, int R) const;

    // Rotace of the last record (0 without records).
    int lastRotation() const { return lastRotation_; }

  private:
    std::vector<int> L_;
    std::vector<int> rotations_;
    // (Rotace, record index) sorted, record indices ascending within a rotation.
    std::vector<std::pair<std::uint16_t, int>> byRotation_;
    int lastRotation_ = 0;
};

} // namespace hk
