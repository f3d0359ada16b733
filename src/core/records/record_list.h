#pragma once
// The record list of the record selection window: one line per record, and
// the window of RadkySeznamu + 1 lines that a scroll position shows.
#include <optional>
#include <span>
#include <string>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// "    1     05 07 2014  0705    001/21" for record 1 of 5.7.2014 at 7:05
// with drawing number 121 (UTF-8). nullopt when the date cannot be read.
std::optional<std::string> RecordListLine(int index1, const TZaznam& z);

// The record (1-based) whose date is nearest to `date` in records sorted by
// date: the first record of that day, else the nearer of the drawings before
// and after (the later one on a tie). Binary search; records whose date
// cannot be read are passed over. nullopt when no record has a date.
std::optional<int> NearestRecord(std::span<const TZaznam> records, const Date& date);

// Which records the list shows. With more records than rows the list shows
// records pozice - radky .. pozice and a scroll bar sets pozice within
// radky + 1 .. pocet; otherwise it shows all records.
class SeznamOkno {
  public:
    SeznamOkno() = default;
    SeznamOkno(int radky, int pocet);

    int radky() const { return radky_; } // RadkySeznamu
    int pocet() const { return pocet_; }
    int pozice() const { return pozice_; }
    bool posuvnik() const { return pocet_ > radky_; }
    int minimum() const { return radky_ + 1; }

    int prvni() const { return posuvnik() ? pozice_ - radky_ : 1; }
    int posledni() const { return posuvnik() ? pozice_ : pocet_; }
    int pocetRadku() const { return pocet_ == 0 ? 0 : posledni() - prvni() + 1; }

    // Record shown on row `row` (0-based), and the row of record k.
    int zaznamRadku(int row) const { return prvni() + row; }
    std::optional<int> radekZaznamu(int k) const;

    // New record count (the position is kept where it can be, else clamped).
    void setPocet(int pocet);
    // Scroll position, clamped to minimum() .. pocet.
    void setPozice(int pozice);
    // Scrolls as little as needed, by making k the last row, for k to show.
    void ukaz(int k);

    // Arrow keys on the record of row `row`: the record that becomes current.
    // Down on the last row scrolls by one record; Up on the first row scrolls
    // one page back.
    int dolu(int row);
    int nahoru(int row);

  private:
    int radky_ = 0;
    int pocet_ = 0;
    int pozice_ = 0;
};

} // namespace hk
