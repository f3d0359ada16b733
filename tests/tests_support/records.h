#pragma once
// Records built in code for the tests: a dated record whose group entries are
// all unset, and groups and faculae fields added to it.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "records/record.h"
#include "records/record_layout.h"

namespace hk::test_records {

inline TZaznam Record(const std::string& date, std::uint16_t time = 1200,
                      const std::string& observer = "Novák, Jan") {
    TZaznam z{};
    z.Datum.setText(date);
    z.Cas = time;
    z.Pozorovatel.setText(observer);
    for (TSkupina& s : z.Skupiny)
        s.Typ.setText("***");
    return z;
}

inline TSkupina& AddGroup(TZaznam& z, const char* groupClass, int angle, int distance, int area = 0,
                          int spots = 1) {
    TSkupina& s = z.Skupiny[z.PocetSkupin++];
    s.Typ.setText(groupClass);
    s.Poc = static_cast<std::uint8_t>(spots);
    s.Uhel = static_cast<std::uint16_t>(angle);
    s.Vzd = static_cast<std::uint16_t>(distance);
    s.Plocha = static_cast<std::uint16_t>(area);
    return s;
}

// A faculae field from (angle in degrees, distance) vertices.
inline void AddField(TZaznam& z, std::initializer_list<std::pair<int, int>> vertices) {
    TSkupina& s = z.Skupiny[z.PocetFakKresleni++];
    int j = 0;
    for (const auto& [angle, dist] : vertices)
        s.Fakule[j++] = PackPosition(angle, dist);
}

} // namespace hk::test_records
