#include "maps/magnet_comparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "maps/map_slots.h"

namespace hk {

namespace {

std::optional<int> number(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// The byte of a cell back to the pixel value it came from.
int value(std::uint8_t cell) {
    return cell >> 4;
}
// How far a value lies from the neutral middle of the two polarities.
int strength(int v) {
    return std::abs(2 * v - 15);
}

} // namespace

std::optional<std::string> ParseMagnetComparison(std::string_view from, std::string_view to,
                                                 std::string_view cycles,
                                                 std::string_view rotationText, int lastRotation,
                                                 MagnetComparisonParams& out) {
    const auto o = number(from), p = number(to), c = number(cycles), r = number(rotationText);
    if (!o || !p || *o < -60 || *o > 60 || *p < -60 || *p > 60)
        return "Šířky \"Od\" a \"Do\" musí být celá čísla od -60 do 60";
    if (*o == *p) return "Šířky \"Od\" a \"Do\" musí být různé";
    if (!c || *c < 1 || *c > MagnetComparisonMaxCycles)
        return "Počet cyklů musí být celé číslo od 1 do " +
               std::to_string(MagnetComparisonMaxCycles);
    const int last = std::max(MagnFirstRotation, lastRotation);
    if (!r || *r < MagnFirstRotation || *r > last)
        return "Otočka musí být celé číslo od " + std::to_string(MagnFirstRotation) + " do " +
               std::to_string(last);
    out.from = *o;
    out.to = *p;
    out.cycles = *c;
    out.rotationText = *r;
    return std::nullopt;
}

const MagnetComparisonRotation* MagnetComparison::rotation(int rotation) const {
    const int i = rotation - params.rotationText;
    if (i < 0 || i >= static_cast<int>(rotations.size())) return nullptr;
    return &rotations[std::size_t(i)];
}

MagnetComparison MakeMagnetComparison(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, const RotationIndex& index,
                                      const MagnDatCells& magnCells,
                                      const MagnetComparisonParams& params, int rows) {
    MagnetComparison m;
    m.params = params;
    m.latLo = std::min(params.from, params.to);
    m.latHi = std::max(params.from, params.to);
    const int last = std::max(params.rotationText, index.lastRotation());
    m.rows = std::clamp(rows, 0, last - params.rotationText + 1);
    const int count = m.rows > 0 ? m.rows + std::max(1, params.cycles) - 1 : 0;
    // magn.dat rows: Trunc(lat + 60) for the band's latitudes.
    const int rowFrom = std::clamp(m.latLo + 60, 0, MagnRows - 1);
    const int rowTo = std::clamp(m.latHi + 60 - 1, 0, MagnRows - 1);
    for (int k = 0; k < count; ++k) {
        MagnetComparisonRotation rot;
        rot.rotation = params.rotationText + k;
        for (int c = 0; c < MagnColumns; ++c) {
            int best = 0;
            for (int r = rowFrom; r <= rowTo; ++r) {
                const std::uint8_t b = magnCells.cell(rot.rotation, r, c);
                if (b != 0 && (best == 0 || strength(value(b)) > strength(best))) best = value(b);
            }
            rot.values[std::size_t(c)] = static_cast<std::uint8_t>(best);
        }
        const RecordRange range = index.range(records, rot.rotation);
        if (!range.empty()) {
            const MapSlotTable slots = AccumulateSlots(records, geometry, range, rot.rotation, 16);
            for (const LegendMean& g : LegendOrder(slots))
                if (g.lat >= m.latLo && g.lat <= m.latHi) rot.groups.push_back({g.lon, g.lat});
        }
        m.rotations.push_back(std::move(rot));
    }
    return m;
}

int MagnetComparisonRows(int height, int rowHeight) {
    constexpr int TitleHeight = 40;
    return std::max(0, (height - TitleHeight - 20) / std::max(1, rowHeight));
}

} // namespace hk
