#include "maps/magnet_comparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "maps/map_slots.h"

namespace hk {

namespace {

std::optional<int> cislo(std::string_view text) {
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
int hodnota(std::uint8_t cell) {
    return cell >> 4;
}
// How far a value lies from the neutral middle of the two polarities.
int sila(int v) {
    return std::abs(2 * v - 15);
}

} // namespace

std::optional<std::string> ParseMagnetComparison(std::string_view od, std::string_view po,
                                                 std::string_view cykly, std::string_view otocka,
                                                 int lastRotation, MagnetComparisonParams& out) {
    const auto o = cislo(od), p = cislo(po), c = cislo(cykly), r = cislo(otocka);
    if (!o || !p || *o < -60 || *o > 60 || *p < -60 || *p > 60)
        return "Šířky \"Od\" a \"Do\" musí být celá čísla od -60 do 60";
    if (*o == *p) return "Šířky \"Od\" a \"Do\" musí být různé";
    if (!c || *c < 1 || *c > MagnetComparisonMaxCycles)
        return "Počet cyklů musí být celé číslo od 1 do " +
               std::to_string(MagnetComparisonMaxCycles);
    const int posledni = std::max(MagnPrvniRotace, lastRotation);
    if (!r || *r < MagnPrvniRotace || *r > posledni)
        return "Otočka musí být celé číslo od " + std::to_string(MagnPrvniRotace) + " do " +
               std::to_string(posledni);
    out.od = *o;
    out.po = *p;
    out.cykly = *c;
    out.otocka = *r;
    return std::nullopt;
}

const MagnetComparisonRotation* MagnetComparison::rotation(int rotace) const {
    const int i = rotace - params.otocka;
    if (i < 0 || i >= static_cast<int>(rotations.size())) return nullptr;
    return &rotations[std::size_t(i)];
}

MagnetComparison MakeMagnetComparison(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, const RotationIndex& index,
                                      const MagnData& magn, const MagnetComparisonParams& params,
                                      int rows) {
    MagnetComparison m;
    m.params = params;
    m.latLo = std::min(params.od, params.po);
    m.latHi = std::max(params.od, params.po);
    const int posledni = std::max(params.otocka, index.lastRotation());
    m.rows = std::clamp(rows, 0, posledni - params.otocka + 1);
    const int pocet = m.rows > 0 ? m.rows + std::max(1, params.cykly) - 1 : 0;
    // magn.dat rows: Trunc(lat + 60) for the band's latitudes.
    const int radekOd = std::clamp(m.latLo + 60, 0, MagnRadky - 1);
    const int radekDo = std::clamp(m.latHi + 60 - 1, 0, MagnRadky - 1);
    for (int k = 0; k < pocet; ++k) {
        MagnetComparisonRotation rot;
        rot.rotace = params.otocka + k;
        for (int c = 0; c < MagnSloupce; ++c) {
            int nej = 0;
            for (int r = radekOd; r <= radekDo; ++r) {
                const std::uint8_t b = magn.cell(rot.rotace, r, c);
                if (b != 0 && (nej == 0 || sila(hodnota(b)) > sila(nej))) nej = hodnota(b);
            }
            rot.values[std::size_t(c)] = static_cast<std::uint8_t>(nej);
        }
        const RecordRange range = index.range(records, rot.rotace);
        if (!range.empty()) {
            const MapSlotTable slots = AccumulateSlots(records, geometry, range, rot.rotace, 16);
            for (const LegendMean& g : LegendOrder(slots))
                if (g.lat >= m.latLo && g.lat <= m.latHi) rot.groups.push_back({g.lon, g.lat});
        }
        m.rotations.push_back(std::move(rot));
    }
    return m;
}

int MagnetComparisonRows(int height, int vyskaRadku) {
    constexpr int Nadpis = 40;
    return std::max(0, (height - Nadpis - 20) / std::max(1, vyskaRadku));
}

} // namespace hk
