#pragma once
// Values per period (a month or a year number) for the walks that take each
// record into the period of its own date, in one pass: the table starts at
// the earliest period met so far and grows at the front when a record of an
// earlier period follows (the store's order is not quite the calendar's).
#include <cstddef>
#include <vector>

namespace hk {

template <class T> class PeriodTable {
  public:
    // The entry of `period`, made (empty) when it is new; the entries
    // between it and the others are made too.
    T& operator[](int period) {
        if (values_.empty()) {
            first_ = period;
        } else if (period < first_) {
            values_.insert(values_.begin(), static_cast<std::size_t>(first_ - period), T{});
            first_ = period;
        }
        const auto i = static_cast<std::size_t>(period - first_);
        if (i >= values_.size()) values_.resize(i + 1);
        return values_[i];
    }

    // The period of entry 0; `fallback` when the table is empty.
    int first(int fallback) const { return values_.empty() ? fallback : first_; }
    const std::vector<T>& values() const { return values_; }

  private:
    int first_ = 0;
    std::vector<T> values_;
};

} // namespace hk
