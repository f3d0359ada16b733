#include "results/protocol_data.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "results/month_walk.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::array<std::string_view, 12> MonthsCz = {"Leden",  "Únor",   "Březen",   "Duben",
                                                       "Květen", "Červen", "Červenec", "Srpen",
                                                       "Září",   "Říjen",  "Listopad", "Prosinec"};
constexpr std::array<std::string_view, 12> MonthsEn = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string monthName(const std::array<std::string_view, 12>& names, int month) {
    if (month < 1 || month > 12) return {};
    return std::string(names[static_cast<std::size_t>(month - 1)]);
}

std::string twoDigits(int v) {
    return FormatNumber(v, "00");
}

// A positive number written in a general data row ("1000", " 25 ", "12.5").
std::optional<double> positiveNumber(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    std::string_view v(text.data() + b, e - b + 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (ec != std::errc{} || end != v.data() + v.size() || !(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

double ProtocolData::mean(ProtocolColumn c) const {
    if (observedDays == 0) return 0;
    return static_cast<double>(sums[static_cast<std::size_t>(c)]) / observedDays;
}

std::string ProtocolTimeCz(std::uint16_t time) {
    return twoDigits(time / 100) + ":" + twoDigits(time % 100);
}
std::string ProtocolTimeEn(std::uint16_t time) {
    return twoDigits(time / 100) + " : " + twoDigits(time % 100);
}

std::string ProtocolMagnification(const std::string& focus, const std::string& eyepiece) {
    const auto f = positiveNumber(focus);
    const auto e = positiveNumber(eyepiece);
    if (!f || !e) return {};
    return FormatNumber(*f / *e, "0") + "x";
}

std::string ProtocolMonthCz(int month) {
    return monthName(MonthsCz, month);
}
std::string ProtocolMonthEn(int month) {
    return monthName(MonthsEn, month);
}

ProtocolData BuildProtocolData(std::span<const TZaznam> records, std::size_t first,
                               const StationData& stationData) {
    ProtocolData data;
    data.firstRecord = first;
    data.station = stationData.row(1);
    data.instrument = stationData.row(2);
    data.lens = stationData.row(3);
    data.focus = stationData.row(4);
    data.eyepiece = stationData.row(5);

    const MonthWalk walk = WalkMonthByDays(records, first);
    if (walk.days == 0) return data;
    data.year = walk.year;
    data.month = walk.month;
    data.days.resize(static_cast<std::size_t>(walk.days));
    for (int d = 1; d <= walk.days; ++d)
        data.days[static_cast<std::size_t>(d - 1)].day = d;

    for (const MonthWalk::Used& u : walk.used) {
        const TZaznam& z = records[u.index];
        const TSouhrn& s = z.Souhrn;
        ProtocolDay& row = data.days[static_cast<std::size_t>(u.day - 1)];
        row.observed = true;
        row.time = z.Cas;
        row.values = {
            s.gSev + s.gJih, s.fSev + s.fJih, s.RSev + s.RJih, s.RSev, s.RJih, z.PocetFakuli, z.Q};
        row.observer = z.Pozorovatel.text();
    }
    for (const ProtocolDay& row : data.days) {
        if (!row.observed) continue;
        ++data.observedDays;
        for (std::size_t c = 0; c < row.values.size(); ++c)
            data.sums[c] += row.values[c];
    }
    return data;
}

} // namespace hk
