#include "records/record.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "geometry/transforms.h"

namespace hk {

const std::array<std::string_view, 60> GroupClasses = {
    "Axx", "Bxo", "Bxi", "Hrx", "Cro", "Cri", "Hax", "Cao", "Cai", "Hsx", "Cso", "Csi",
    "Dro", "Ero", "Fro", "Dri", "Eri", "Fri", "Dao", "Eao", "Fao", "Dai", "Eai", "Fai",
    "Dso", "Eso", "Fso", "Dsi", "Esi", "Fsi", "Dac", "Eac", "Fac", "Dsc", "Esc", "Fsc",
    "Hkx", "Cko", "Cki", "Hhx", "Cho", "Chi", "Dko", "Eko", "Fko", "Dki", "Eki", "Fki",
    "Dho", "Eho", "Fho", "Dhi", "Ehi", "Fhi", "Dkc", "Ekc", "Fkc", "Dhc", "Ehc", "Fhc"};

namespace {
constexpr int Letters = 26;

// Every class is an upper-case letter and two lower-case letters, so a direct
// table of 26^3 places answers the lookup that the summaries and the class
// statistics make for every group of the store.
std::size_t classSlot(std::string_view c) {
    return static_cast<std::size_t>(((c[0] - 'A') * Letters + (c[1] - 'a')) * Letters +
                                    (c[2] - 'a'));
}
} // namespace

int GroupClassIndex(std::string_view groupClass) {
    static const std::vector<std::uint8_t> table = [] {
        std::vector<std::uint8_t> t(Letters * Letters * Letters, 0);
        for (std::size_t i = 0; i < GroupClasses.size(); ++i)
            t[classSlot(GroupClasses[i])] = static_cast<std::uint8_t>(i + 1);
        return t;
    }();
    if (groupClass.size() != 3 || groupClass[0] < 'A' || groupClass[0] > 'Z' ||
        groupClass[1] < 'a' || groupClass[1] > 'z' || groupClass[2] < 'a' || groupClass[2] > 'z')
        return 0;
    return table[classSlot(groupClass)];
}

int BeckWeight(char letter) {
    switch (letter) {
    case 'A':
    case 'B':
        return 4;
    case 'C':
        return 8;
    case 'D':
        return 18;
    case 'E':
        return 25;
    case 'F':
        return 36;
    case 'G':
        return 50;
    case 'H':
        return 44;
    case 'J':
        return 37;
    default:
        return 0;
    }
}

std::string DrawingNumberText(std::uint16_t number) {
    return std::to_string(number / 100) + "/" + (number % 100 < 10 ? "0" : "") +
           std::to_string(number % 100);
}

namespace {
std::optional<long> parseDigits(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty() || s.size() > 9) return std::nullopt;
    long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < 0) return std::nullopt;
    return v;
}
} // namespace

std::optional<std::uint16_t> ParseDrawingNumber(std::string_view text) {
    auto slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    auto serial = parseDigits(text.substr(0, slash));
    auto year = parseDigits(text.substr(slash + 1));
    if (!serial || !year || *year > 99) return std::nullopt;
    long value = *serial * 100 + *year;
    if (value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<DrawingSetting> DecodeDrawingSetting(std::uint16_t value) {
    if (value == 0) return std::nullopt;
    if (value > 1000) return DrawingSetting{double(value - 1000), true};
    return DrawingSetting{double(value), false};
}

std::uint16_t EncodeDrawingSetting(const DrawingSetting& s) {
    double r = s.radius == 0 ? 125 : s.radius;
    return static_cast<std::uint16_t>(std::nearbyint(s.heliographic ? r + 1000 : r));
}

std::optional<Date> RecordDate(const TZaznam& z) {
    return ParseDatum(z.Datum.raw());
}

std::optional<Ephemeris> RecordEphemeris(const TZaznam& z) {
    auto d = RecordDate(z);
    if (!d) return std::nullopt;
    return SolarEphemeris(*d, z.Cas);
}

std::optional<double> RecordKey(const TZaznam& z) {
    auto d = RecordDate(z);
    if (!d) return std::nullopt;
    return RecordKey(*d, z.Cas);
}

bool IsNorthern(const TSkupina& s, const Ephemeris& e) {
    return PolarToHeliographic(e, s.Uhel, s.Vzd).Lat >= 0;
}

namespace {

// The hemisphere sums with the hemisphere of group k given by northern(k).
template <typename Northern> TSouhrn summaryOf(const TZaznam& z, Northern northern) {
    TSouhrn t{};
    // Sums are held as 16-bit words and wrap the same way.
    auto add = [](std::uint16_t& field, long v) { field = static_cast<std::uint16_t>(field + v); };
    for (int k = 0; k < z.groupCount(); ++k) {
        const TSkupina& s = z.Skupiny[k];
        const int a = static_cast<int>(std::nearbyint(s.Plocha + s.MalS * 15.3));
        const std::string_view groupClass = s.Typ.raw();
        const int beck = groupClass.empty() ? 0 : BeckWeight(groupClass.front());
        const int sn = s.SPen == 0 ? s.Poc : s.MalS + 10 * s.SPen;
        if (northern(k)) {
            add(t.PlSev, a);
            add(t.PkSev, GroupAreaCorrected(a, s.Vzd));
            add(t.CVSev, GroupClassIndex(groupClass));
            add(t.RBSev, long(s.Poc) * beck);
            add(t.SNSev, sn);
            add(t.fSev, s.Poc);
            add(t.gSev, 1);
        } else {
            add(t.PlJih, a);
            add(t.PkJih, GroupAreaCorrected(a, s.Vzd));
            add(t.CVJih, GroupClassIndex(groupClass));
            add(t.RBJih, long(s.Poc) * beck);
            add(t.SNJih, sn);
            add(t.fJih, s.Poc);
            add(t.gJih, 1);
        }
    }
    t.RSev = static_cast<std::uint16_t>(10 * t.gSev + t.fSev);
    t.RJih = static_cast<std::uint16_t>(10 * t.gJih + t.fJih);
    return t;
}

void copyRecordFields(const TZaznam& z, TSouhrn& t) {
    t.Cas = z.Cas;
    t.qc = z.qc;
    t.fc = z.fc;
    t.rc = z.rc;
    t.PocetFakuli = z.PocetFakuli;
    t.PP = z.PP;
    t.Obr = z.Obr;
    t.Q = z.Q;
}

} // namespace

TSouhrn ComputeSummary(const TZaznam& z, const Ephemeris& e) {
    return summaryOf(z, [&](int k) { return IsNorthern(z.Skupiny[k], e); });
}

TSouhrn StoredSummary(const TZaznam& z, const Ephemeris& e) {
    TSouhrn t = ComputeSummary(z, e);
    copyRecordFields(z, t);
    return t;
}

TSouhrn StoredSummaryFromPositions(const TZaznam& z, std::span<const Heliographic> groups) {
    TSouhrn t = summaryOf(z, [&](int k) { return groups[static_cast<std::size_t>(k)].Lat >= 0; });
    copyRecordFields(z, t);
    return t;
}

} // namespace hk
