#pragma once
// The store the results benchmarks share: merged network data of 100,000
// drawings, about seven a day from 01.01.1980 for 39 years, each of up to
// eight groups with their rotation group numbers, a special drawing now and
// then, the stored summary, rotation and L0 filled as the program stores them.
#include <string>
#include <vector>

#include "records/geometry_cache.h"
#include "records/record.h"

namespace hk::bench {

inline constexpr int recordCount = 100000;
inline constexpr int firstSerial = 29221; // 01.01.1980

inline const std::vector<TZaznam>& network() {
    static const std::vector<TZaznam> records = [] {
        std::vector<TZaznam> r(recordCount);
        unsigned seed = 12345;
        auto next = [&seed](unsigned n) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 16) % n;
        };
        for (int k = 0; k < recordCount; ++k) {
            TZaznam& z = r[static_cast<std::size_t>(k)];
            z.Datum.setText(FormatDatum(DateFromSerial(firstSerial + k / 7)));
            z.Cas = static_cast<std::uint16_t>(600 + (k % 7) * 100 + next(60));
            z.Q = static_cast<std::uint8_t>(1 + next(5));
            z.PP = static_cast<std::uint8_t>(1 + next(5));
            z.Obr = static_cast<std::uint8_t>(1 + next(5));
            z.Pozorovatel.setText("Pozorovatel " + std::to_string(k % 7));
            if (next(50) == 0) z.Zvlastni.setText("zvlášťní");
            for (auto& s : z.Skupiny)
                s.Typ.setText("***");
            const unsigned groups = next(9);
            for (unsigned g = 0; g < groups; ++g) {
                TSkupina& s = z.Skupiny[z.PocetSkupin++];
                s.Typ.setText(GroupClasses[next(60)]);
                s.Poc = static_cast<std::uint8_t>(1 + next(30));
                s.SPen = static_cast<std::uint8_t>(next(4));
                s.Uhel = static_cast<std::uint16_t>(next(3600));
                s.Vzd = static_cast<std::uint16_t>(next(1200));
                s.Plocha = static_cast<std::uint16_t>(next(500));
            }
            const auto e = RecordEphemeris(z);
            z.Souhrn = StoredSummary(z, *e);
            z.Rotace = static_cast<std::uint16_t>(e->CarrRotation);
            z.L0 = static_cast<std::uint16_t>(e->L0);
            for (int g = 0; g < z.PocetSkupin; ++g)
                z.Skupiny[g].CSk2 = static_cast<std::uint16_t>(1 + next(70));
        }
        return r;
    }();
    return records;
}

// The geometry of that store, built once.
inline const GeometryCache& networkGeometry() {
    static const GeometryCache g = GeometryCache::of(network());
    return g;
}

} // namespace hk::bench
