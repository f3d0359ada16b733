#pragma once
// Records built in code for the drawing tests.
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "records/record.h"
#include "records/zaznam.h"

namespace hk::drawing_test {

inline TZaznam Record(const char* datum, std::uint16_t cas = 1200) {
    TZaznam z{};
    z.Datum.setText(datum);
    z.Cas = cas;
    for (auto& s : z.Skupiny)
        s.Typ.setText("***");
    return z;
}

inline TSkupina& AddGroup(TZaznam& z, const char* typ, int uhel, int vzd, int plocha = 0) {
    TSkupina& s = z.Skupiny[z.PocetSkupin++];
    s.Typ.setText(typ);
    s.Poc = 1;
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

} // namespace hk::drawing_test
