#pragma once
// The latitudes of the numbered sunspot groups per Carrington rotation and
// per year: the tables of the butterfly diagram and of the results view for
// maps. Rotation index r = Rotace - Rotace of record 1 + 1; year index y =
// year - year of record 1 + 1. The tables are sized to the data (entry 0 of
// each stays empty), so archives of any length are covered.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "records/geometry_cache.h"
#include "records/zaznam.h"

namespace hk {

// One entry of TabulkaRotaci. Latitudes in degrees, extremes in tenths.
struct RotaceVyska {
    float Sever = 0;                              // north latitude sum, then the mean
    float Jih = 0;                                // south latitude sum, then the mean
    std::uint16_t SkupinSever = 0, SkupinJih = 0; // groups, filled by the rotation table
    std::uint16_t PocetSever = 0, PocetJih = 0;   // observations counted
    std::int16_t SeverMax = 0, SeverMin = 0, JihMin = 0, JihMax = 0;
};

// One entry of TabulkaRoku: extreme latitudes of a year, degrees.
struct RokVyska {
    float SeverMax = 0, SeverMin = 0; // northern maximum and minimum
    float JihMin = 0, JihMax = 0;     // most southern, nearest the equator
};

struct VyskySkupin {
    std::vector<RotaceVyska> TabulkaRotaci;           // indices 0..PocetRotaci (+1)
    int PocetRotaci = 0;                              // rotation index of the last record
    std::vector<RokVyska> TabulkaRoku;                // indices 0..last year index
    std::vector<std::array<float, 2>> VyhlazenaVyska; // north, south per rotation index

    const RotaceVyska& rotace(int r) const {
        static const RotaceVyska empty{};
        return r >= 0 && r < static_cast<int>(TabulkaRotaci.size()) ? TabulkaRotaci[std::size_t(r)]
                                                                    : empty;
    }
    std::array<float, 2> vyhlazena(int r) const {
        return r >= 0 && r < static_cast<int>(VyhlazenaVyska.size())
                   ? VyhlazenaVyska[std::size_t(r)]
                   : std::array<float, 2>{0, 0};
    }
};

// Rotation index of the central-meridian passage of a group seen in rotation
// index r at Carrington longitude `lon` when the disk centre is at L0.
int CentralMeridianRotation(int r, double lon, double L0);

// Special records (Zvlastni not empty), hemisphere markers (placeholders, not
// where a group was seen) and records without a date are left out; positions
// come from the geometry cache.
VyskySkupin SpocitejVyskySkupin(std::span<const TZaznam> records, const GeometryCache& geometry);

} // namespace hk
