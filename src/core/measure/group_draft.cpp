#include "measure/group_draft.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "measure/calibration.h"
#include "records/record.h"

namespace hk {

const std::array<const char*, GroupColumnCount> GroupColumnCaptions = {
    "Typ",     "č.sk2", "poč",   "s pen.", "mal.s.", "č.sk1", "úhel", "vzd.",
    "plocha.", "úhel1", "vzd.1", "plo.1",  "úhel2",  "vzd.2", "plo.2"};

const char* const NoGroupDraftedMessage = "Není zapsána žádná skupina";

namespace {

constexpr double AreaFactor = 20.4; // mm^2 of a 125 mm drawing -> millionths of the disk
constexpr double DiskUnits = 125;

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string badValue(int col) {
    return std::string("Špatně zadaná hodnota ve sloupci ") + GroupColumnCaptions[col];
}

// An empty cell is 0.
std::optional<int> whole(const std::string& cell, int max) {
    const std::string t = trim(cell);
    if (t.empty()) return 0;
    int v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || v < 0 || v > max) return std::nullopt;
    return v;
}

std::optional<float> decimal(const std::string& cell, double max) {
    std::string t = trim(cell);
    if (t.empty()) return 0.0f;
    std::replace(t.begin(), t.end(), ',', '.');
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || !(v >= 0) || v > max)
        return std::nullopt;
    return static_cast<float>(v);
}

std::uint16_t packAux(float angle, float distance) {
    return static_cast<std::uint16_t>(static_cast<int>(std::trunc(distance)) +
                                      (static_cast<int>(std::trunc(angle)) << 7));
}

std::uint16_t areaUnits(double mm2, double radius) {
    const double v = std::nearbyint(AreaFactor * mm2 * DiskUnits / radius);
    return static_cast<std::uint16_t>(std::clamp(v, 0.0, 65535.0));
}

} // namespace

std::variant<GroupDraft, std::string> ParseGroupRow(const DraftRow& row) {
    GroupDraft d;
    d.groupClass = trim(row[ColTyp]);
    if (d.groupClass.empty() || trim(row[ColCSk2]).empty())
        return std::string("Nabyl zadán typ nebo číslo skupiny  - povinné");
    if (GroupClassIndex(d.groupClass) == 0) return std::string("Špatně zadaný typ skupiny");

    const std::pair<int*, std::pair<int, int>> counts[] = {{&d.cSk2, {ColCSk2, 255}},
                                                           {&d.spots, {ColSpots, 255}},
                                                           {&d.sPen, {ColSPen, 255}},
                                                           {&d.smallSpots, {ColSmallSpots, 65535}},
                                                           {&d.cSk1, {ColCSk1, 65535}}};
    for (const auto& [field, colMax] : counts) {
        const auto v = whole(row[colMax.first], colMax.second);
        if (!v) return badValue(colMax.first);
        *field = *v;
    }
    // Angles below 360 degrees, distances within the 125-unit disk (the
    // packed auxiliary spots keep 7 bits of distance), areas of any size.
    const std::pair<float*, std::pair<int, double>> values[] = {
        {&d.angle, {ColAngle, 359.9}},
        {&d.distance, {ColDistance, DiskUnits}},
        {&d.area, {ColArea, 1e6}},
        {&d.angle1, {ColAngle1, 359.9}},
        {&d.distance1, {ColDistance1, 127}},
        {&d.plo1, {ColPlo1, 1e6}},
        {&d.angle2, {ColAngle2, 359.9}},
        {&d.distance2, {ColDistance2, 127}},
        {&d.plo2, {ColPlo2, 1e6}}};
    for (const auto& [field, colMax] : values) {
        const auto v = decimal(row[colMax.first], colMax.second);
        if (!v) return badValue(colMax.first);
        *field = *v;
    }
    return d;
}

DraftRow DraftRowOf(const GroupDraft& d) {
    DraftRow r;
    r[ColTyp] = d.groupClass;
    r[ColCSk2] = std::to_string(d.cSk2);
    r[ColSpots] = std::to_string(d.spots);
    r[ColSPen] = std::to_string(d.sPen);
    r[ColSmallSpots] = std::to_string(d.smallSpots);
    r[ColCSk1] = std::to_string(d.cSk1);
    const std::pair<int, float> values[] = {
        {ColAngle, d.angle},   {ColDistance, d.distance},   {ColArea, d.area},
        {ColAngle1, d.angle1}, {ColDistance1, d.distance1}, {ColPlo1, d.plo1},
        {ColAngle2, d.angle2}, {ColDistance2, d.distance2}, {ColPlo2, d.plo2}};
    for (const auto& [col, v] : values)
        r[col] = FormatTenths(v);
    return r;
}

std::optional<std::string> CheckGroupOrder(int order) {
    if (order > MaxGroupOrder) return std::string("Maximální počet skupin je 40 !");
    if (order < 1) return std::string("Pořadové číslo skupiny začíná od 1");
    return std::nullopt;
}

std::optional<std::string> WriteGroups(TZaznam& z, const GroupDrafts& drafts,
                                       double drawingRadius) {
    const auto e = RecordEphemeris(z);
    if (!e) return std::string(MissingRecordDateMessage);
    const double radius = drawingRadius > 0 ? drawingRadius : DiskUnits;
    // Nothing drafted would leave the record without its groups.
    if (std::none_of(drafts.begin(), drafts.begin() + MaxGroupOrder,
                     [](const GroupDraft& d) { return !d.groupClass.empty(); }))
        return std::string(NoGroupDraftedMessage);

    int n = 0;
    for (int i = 0; i < MaxGroupOrder; ++i) {
        const GroupDraft& d = drafts[i];
        if (d.groupClass.empty()) continue;
        TSkupina& s = z.Skupiny[n++];
        s.Typ.setText(d.groupClass);
        s.Poc = static_cast<std::uint8_t>(d.spots);
        s.SPen = static_cast<std::uint8_t>(d.sPen);
        s.MalS = static_cast<std::uint16_t>(d.smallSpots);
        s.CSk1 = static_cast<std::uint16_t>(d.cSk1);
        s.CSk2 = static_cast<std::uint16_t>(d.cSk2);
        s.Uhel = static_cast<std::uint16_t>(std::trunc(d.angle * 10));
        s.Vzd = static_cast<std::uint16_t>(std::trunc(d.distance * 10));
        s.Plocha = areaUnits(d.area, radius);
        s.Pomocna1 = packAux(d.angle1, d.distance1);
        s.Plo1 = areaUnits(std::nearbyint(d.plo1), radius);
        s.Pomocna2 = packAux(d.angle2, d.distance2);
        s.Plo2 = areaUnits(std::nearbyint(d.plo2), radius);
    }
    z.PocetSkupin = static_cast<std::uint8_t>(n);
    z.Zvlastni.setText("");
    z.Souhrn = StoredSummary(z, *e);
    return std::nullopt;
}

} // namespace hk
