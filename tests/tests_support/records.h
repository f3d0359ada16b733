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

inline TZaznam Record(const std::string& datum, std::uint16_t cas = 1200,
                      const std::string& observer = "Novák, Jan") {
    TZaznam z{};
    z.Datum.setText(datum);
    z.Cas = cas;
    z.Pozorovatel.setText(observer);
    for (TSkupina& s : z.Skupiny)
        s.Typ.setText("***");
    return z;
}

inline TSkupina& AddGroup(TZaznam& z, const char* typ, int uhel, int vzd, int plocha = 0,
                          int poc = 1) {
    TSkupina& s = z.Skupiny[z.PocetSkupin++];
    s.Typ.setText(typ);
    s.Poc = static_cast<std::uint8_t>(poc);
    s.Uhel = static_cast<std::uint16_t>(uhel);
    s.Vzd = static_cast<std::uint16_t>(vzd);
    s.Plocha = static_cast<std::uint16_t>(plocha);
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
