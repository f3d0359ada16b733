#include "records/record_list.h"

#include <algorithm>
#include <cstdio>

#include "records/record.h"
#include "text/number_format.h"

namespace hk {

std::optional<std::string> RecordListLine(int index1, const TZaznam& z) {
    const auto date = RecordDate(z);
    if (!date) return std::nullopt;
    char head[48];
    std::snprintf(head, sizeof head, "%5d     %02d %02d %04d  ", index1, date->day, date->month,
                  date->year);
    // The last four characters of "0" and the time: 705 -> "0705".
    const std::string cas = "0" + std::to_string(z.Cas);
    std::string line = head + cas.substr(cas.size() > 4 ? cas.size() - 4 : 0) + "    ";
    if (z.CisloZakresu != 0)
        line +=
            FormatNumber(z.CisloZakresu / 100, "000") + "/" + std::to_string(z.CisloZakresu % 100);
    return line;
}

std::optional<int> NearestRecord(std::span<const TZaznam> records, const Date& date) {
    const auto pred = std::partition_point(records.begin(), records.end(), [&](const TZaznam& z) {
        const auto d = RecordDate(z);
        return !d || *d < date;
    });
    // The nearest readable dates on either side of the partition point.
    auto po = pred;
    while (po != records.end() && !RecordDate(*po))
        ++po;
    auto pred1 = pred;
    std::optional<Date> dPred;
    while (pred1 != records.begin() && !dPred)
        dPred = RecordDate(*--pred1);
    const std::optional<Date> dPo = po != records.end() ? RecordDate(*po) : std::nullopt;
    const int cil = DaySerial(date);
    auto index = [&](auto it) { return static_cast<int>(it - records.begin()) + 1; };
    if (dPo && (!dPred || DaySerial(*dPo) - cil <= cil - DaySerial(*dPred))) return index(po);
    if (dPred) {
        // The first drawing of that earlier day.
        while (pred1 != records.begin() && RecordDate(*(pred1 - 1)) == dPred)
            --pred1;
        return index(pred1);
    }
    return std::nullopt;
}

SeznamOkno::SeznamOkno(int radky, int pocet)
    : radky_(std::max(radky, 0)), pocet_(std::max(pocet, 0)) {
    pozice_ = pocet_;
}

std::optional<int> SeznamOkno::radekZaznamu(int k) const {
    if (pocet_ == 0 || k < prvni() || k > posledni()) return std::nullopt;
    return k - prvni();
}

void SeznamOkno::setPocet(int pocet) {
    pocet_ = std::max(pocet, 0);
    setPozice(pozice_);
}

void SeznamOkno::setPozice(int pozice) {
    pozice_ = posuvnik() ? std::clamp(pozice, minimum(), pocet_) : pocet_;
}

void SeznamOkno::ukaz(int k) {
    if (!posuvnik() || radekZaznamu(k)) return;
    setPozice(k);
}

int SeznamOkno::dolu(int row) {
    const int k = std::min(zaznamRadku(row) + 1, pocet_);
    if (posuvnik() && k > posledni()) setPozice(pozice_ + 1);
    ukaz(k);
    return k;
}

int SeznamOkno::nahoru(int row) {
    const int k = std::max(zaznamRadku(row) - 1, 1);
    if (posuvnik() && k < prvni()) setPozice(pozice_ - radky_);
    ukaz(k);
    return k;
}

} // namespace hk
