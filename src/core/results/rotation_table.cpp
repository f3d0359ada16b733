#include "results/rotation_table.h"

#include <algorithm>
#include <cstdint>
#include <future>
#include <string_view>

#include "records/record_prefetch.h"
#include "results/month_sums.h"

#include "records/record.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr int RecordsAround = 7;
constexpr int WindowDays = 41;

int classIndex(std::string_view groupClass) {
    if (groupClass.empty()) return -1;
    constexpr std::string_view letters = "ABCDEFH";
    const std::size_t i = letters.find(groupClass.front());
    return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

// A group seen at Carrington longitude `lon`, in a record of rotation
// `rotace` with the disk centre at L0, passes the central meridian in R.
bool takenFor(int R, int rotation, double lon, double L0) {
    return (lon > 270 && rotation == R - 1 && L0 < 90) || (lon > 180 && rotation == R && L0 > 90) ||
           (lon < 180 && rotation == R && L0 < 270) || (lon < 90 && rotation == R + 1 && L0 > 270);
}

std::string text(double v, const char* pattern) {
    return FormatNumber(v, pattern);
}

} // namespace

const std::array<const char*, 6> RotationTableCaptions = {" Počet \r skupin ",
                                                          "  Výška prům.  \r napozorovaná",
                                                          "Výška prům. \r vyhlazená ",
                                                          "Okraj",
                                                          "Asym",
                                                          "Počet skupin v jednom typu"};

std::vector<RotationGroups> CountRotationGroups(std::span<const TZaznam> records,
                                                const GeometryCache& g, int rotationCount) {
    std::vector<RotationGroups> out(std::size_t(std::max(0, rotationCount)) + 1);
    if (records.empty() || g.size() != records.size()) return out;
    const int n = static_cast<int>(records.size());
    const int firstRotation = records.front().Rotace;
    // First record (0-based) of each rotation or, when it has none, of the
    // next one: the first record whose rotation is not below it. Rotations
    // are asked in ascending order, so each search goes on from where the
    // previous one stopped and all of them together walk the records once.
    int cursor = 0;
    auto firstOf = [&](int rotation) {
        while (cursor < n && records[std::size_t(cursor)].Rotace < rotation)
            ++cursor;
        return cursor;
    };
    // The groups taken in the current rotation, by group number: the last
    // observation taken wins. `stamp` tells which rotation wrote an entry, so
    // the table is not cleared between rotations.
    struct Seen {
        int cls = -1;
        float lat = 0;
        int stamp = 0;
    };
    std::vector<Seen> seen(std::size_t(UINT16_MAX) + 1);
    std::vector<std::uint16_t> taken;
    int first = firstOf(firstRotation);
    for (int r = 1; r <= rotationCount; ++r) {
        const int R = firstRotation + r - 1;
        const int next = firstOf(R + 1);
        const int from = std::max(0, first - RecordsAround);
        const int to = std::min(n - 1, next + RecordsAround);
        first = next;
        const auto& d0 = g.record(from + 1).date;
        const int firstDay = d0 ? DaySerial(*d0) : 0;
        taken.clear();
        for (int i = from; i <= to; ++i) {
            PrefetchAhead(records, std::size_t(i), 4);
            const TZaznam& z = records[std::size_t(i)];
            const RecordGeometry& rg = g.record(i + 1);
            if (!rg.date || !rg.ephemeris || IsSpecialRecord(z)) continue;
            if (d0 && DaySerial(*rg.date) - firstDay >= WindowDays) continue;
            const auto positions = g.groups(i + 1);
            for (std::size_t j = 0; j < positions.size(); ++j) {
                const std::uint16_t number = z.Skupiny[j].CSk2;
                if (number < 1 || IsHemisphereMarker(z.Skupiny[j])) continue;
                if (!takenFor(R, z.Rotace, positions[j].Lon, rg.ephemeris->L0)) continue;
                Seen& s = seen[number];
                if (s.stamp != r) taken.push_back(number);
                s = {classIndex(z.Skupiny[j].Typ.raw()), static_cast<float>(positions[j].Lat), r};
            }
        }
        RotationGroups& rg = out[std::size_t(r)];
        for (const std::uint16_t number : taken) {
            const Seen& s = seen[number];
            (s.lat > 0 ? rg.north : rg.south) += 1;
            if (s.cls >= 0) ++rg.classesInRotation[std::size_t(s.cls)];
        }
    }
    return out;
}

ResultsGrid BuildRotationStatistics(std::span<const TZaznam> records, const GeometryCache& g) {
    ResultsGrid grid;
    grid.caption = "Výsledky    údaje pro mapu";
    grid.cells.push_back({"Rotace", "   Sev.", "   Jih", "   Sev.", "   Jih", "   Sev.", "   Jih",
                          " S max", " S min", " J max", " J min", " Asym", "   A", "   B", "   C",
                          "   D", "   E", "   F", "   H"});
    // The rotation index of the last record, as the latitudes find it. The
    // groups are counted on a thread of their own while the latitudes are
    // summed: the two walks read the same records and share nothing else.
    const int count = records.empty() || g.size() != records.size()
                          ? 0
                          : std::max(0, records.back().Rotace - records.front().Rotace + 1);
    std::future<std::vector<RotationGroups>> counting =
        std::async(std::launch::async, [&] { return CountRotationGroups(records, g, count); });
    GroupLatitudes v = ComputeGroupLatitudes(records, g);
    const std::vector<RotationGroups> counts = counting.get();
    for (int r = 1; r <= count; ++r) {
        RotationLatitudes& t = v.rotationTable[std::size_t(r)];
        t.northGroups = static_cast<std::uint16_t>(counts[std::size_t(r)].north);
        t.southGroups = static_cast<std::uint16_t>(counts[std::size_t(r)].south);
    }
    const int firstRotation = records.empty() ? 0 : records.front().Rotace;
    for (int r = 1; r <= count; ++r) {
        const RotationLatitudes& t = v.rotation(r);
        std::vector<std::string> row(19, "----");
        row[0] = std::to_string(firstRotation + r - 1);
        const auto smooth = v.smoothed(r);
        row[5] = smooth[0] == 0 ? "---" : text(smooth[0], "##.00");
        row[6] = smooth[1] == 0 ? "---" : text(smooth[1], "##.00");
        if (t.North != 0 || t.South != 0) {
            row[1] = text(t.northGroups, "#0");
            row[2] = text(t.southGroups, "#0");
            row[3] = text(t.North, "##.00");
            row[4] = text(t.South, "##.00");
            row[7] = text(t.northMax / 10.0, "##.0");
            row[8] = text(t.northMin / 10.0, "##.0");
            row[9] = text(t.southMin / 10.0, "##.0");
            row[10] = text(t.southMax / 10.0, "##.0");
            row[11] = text(double(t.North) + double(t.South), "##.00");
            for (int c = 0; c < RotationClassCount; ++c)
                row[std::size_t(12 + c)] =
                    text(counts[std::size_t(r)].classesInRotation[std::size_t(c)], "#0");
        }
        grid.cells.push_back(std::move(row));
    }
    return grid;
}

} // namespace hk
