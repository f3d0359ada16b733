#include "results/own_report.h"

#include <vector>

#include "results/month_walk.h"
#include "results/report_text.h"
#include "text/number_format.h"

namespace hk {

const std::array<std::string_view, 12> MonthNames = {"Leden",  "Únor",   "Březen",   "Duben",
                                                     "Květen", "Červen", "Červenec", "Srpen",
                                                     "Září",   "Říjen",  "Listopad", "Prosinec"};

namespace {

constexpr std::string_view basicHead =
    "den    UT    g    gs    gj      f     fs     fj      r     rs     rj     gc  "
    "   fc    rc      F     p     O     Q ";
constexpr std::string_view extendedHead =
    "den    UT    CV    CVs    CVj     SN    SNs    SNj     RB    RBs    RBj   "
    "  pl    pls    plj     pk    pks    pkj  ";
constexpr std::string_view sumLabel = "    Suma    ";
constexpr std::string_view meanLabel = "    Průměr   ";

// Values joined by separators: the separator before value k is seps[k].
struct Cell {
    double value;
    std::string_view pattern;
    std::string_view before; // separator written before the value (not before the first)
};

std::string join(const std::vector<Cell>& cells) {
    std::string out;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) out += cells[k].before;
        out += FormatNumber(cells[k].value, cells[k].pattern);
    }
    return out;
}

std::string dayAndTime(int day, const TZaznam& z) {
    return FormatNumber(day, "00") + "   " + FormatNumber(z.Cas / 100, "00") + ":" +
           FormatNumber(z.Cas % 100, "00") + "  ";
}

// The basic values in file order: g, f, R (whole, north, south), qc, fc, rc,
// F, PP, Obr, Q, with the patterns and separators of the day and sum lines.
std::vector<Cell> basicCells(const std::array<double, 16>& v) {
    constexpr std::string_view s3 = "   ", s4 = "    ";
    return {{v[0], "000", ""},  {v[1], "000", s3},  {v[2], "000", s3},   {v[3], "0000", s3},
            {v[4], "0000", s3}, {v[5], "0000", s3}, {v[6], "0000", s3},  {v[7], "0000", s3},
            {v[8], "0000", s3}, {v[9], "000", s3},  {v[10], "0000", s3}, {v[11], "0000", s3},
            {v[12], "000", s4}, {v[13], "00", s3},  {v[14], "00", s4},   {v[15], "00", s4}};
}

std::vector<Cell> basicMeanCells(const std::array<double, 16>& v) {
    constexpr std::string_view s2 = "  ", s3 = "   ";
    return {{v[0], "00.0", ""},  {v[1], "00.0", s2},  {v[2], "00.0", s2},   {v[3], "000.0", s2},
            {v[4], "000.0", s2}, {v[5], "000.0", s2}, {v[6], "000.0", s2},  {v[7], "000.0", s2},
            {v[8], "000.0", s2}, {v[9], "00.0", s2},  {v[10], "000.0", s2}, {v[11], "000.0", s2},
            {v[12], "00.0", s3}, {v[13], "0.0", s2},  {v[14], "0.0", s3},   {v[15], "0.0", s3}};
}

std::vector<Cell> extendedCells(const std::array<double, 15>& v, std::string_view pattern,
                                std::string_view sep) {
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < v.size(); ++k)
        cells.push_back({v[k], pattern, k == 0 ? "" : sep});
    return cells;
}

// Month sums in the order of the basic file.
std::array<double, 16> basicSums(const MonthSums& s) {
    std::array<double, 16> v{};
    for (int k = 0; k < 9; ++k)
        v[static_cast<std::size_t>(k)] = s[static_cast<std::size_t>(k)];
    for (int j = 0; j < RecordQuantityCount; ++j)
        v[static_cast<std::size_t>(9 + j)] = s[static_cast<std::size_t>(FirstRecordQuantity + j)];
    return v;
}

// Month sums of CV, SN, RB, pl and pk (elements 9..23).
std::array<double, 15> extendedSums(const MonthSums& s) {
    std::array<double, 15> v{};
    for (std::size_t k = 0; k < v.size(); ++k)
        v[k] = s[9 + k];
    return v;
}

template <std::size_t N> std::array<double, N> divided(std::array<double, N> v, int n) {
    for (double& x : v)
        x /= n;
    return v;
}

std::string headerLines(int year, int month, const StationData& data) {
    std::string t = CutChars("Stanice:     " + data.row(1), 63);
    t += CrLf;
    t += "Měsíc:     " + std::string(MonthNames[static_cast<std::size_t>(month - 1)]) +
         "           Rok:   " + FormatNumber(year, "0000");
    t += CrLf;
    t += "Přístroj :      " + data.row(2) + data.row(3) + " / " + data.row(4) + " / " + data.row(5);
    t += CrLf;
    t += CrLf;
    return t;
}

std::string fileName(std::string_view prefix, int year, int month) {
    return std::string(prefix) + FormatNumber(month, "00") + "_" + FormatNumber(year, "0000") +
           ".Txt";
}

} // namespace

std::string OwnBasicDayLine(int day, const TZaznam& z) {
    const TSouhrn& s = z.Souhrn;
    const std::array<double, 16> v = {double(s.gSev + s.gJih),
                                      double(s.gSev),
                                      double(s.gJih),
                                      double(s.fSev + s.fJih),
                                      double(s.fSev),
                                      double(s.fJih),
                                      double(s.RSev + s.RJih),
                                      double(s.RSev),
                                      double(s.RJih),
                                      double(z.qc),
                                      double(z.fc),
                                      double(z.rc),
                                      double(z.PocetFakuli),
                                      double(z.PP),
                                      double(z.Obr),
                                      double(z.Q)};
    return dayAndTime(day, z) + join(basicCells(v));
}

std::string OwnExtendedDayLine(int day, const TZaznam& z) {
    std::array<double, 15> v{};
    for (int i = 3; i < QuantityCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(3 * (i - 3));
        v[k] = NorthValue(z.Souhrn, i) + SouthValue(z.Souhrn, i);
        v[k + 1] = NorthValue(z.Souhrn, i);
        v[k + 2] = SouthValue(z.Souhrn, i);
    }
    return dayAndTime(day, z) + join(extendedCells(v, "00000", "  "));
}

std::string OwnBasicSumLine(const MonthSums& s) {
    return std::string(sumLabel) + join(basicCells(basicSums(s)));
}

std::string OwnBasicMeanLine(const MonthSums& s, int n) {
    return std::string(meanLabel) + join(basicMeanCells(divided(basicSums(s), n)));
}

std::string OwnExtendedSumLine(const MonthSums& s) {
    return std::string(sumLabel) + join(extendedCells(extendedSums(s), "00000", "  "));
}

std::string OwnExtendedMeanLine(const MonthSums& s, int n) {
    return std::string(meanLabel) + join(extendedCells(divided(extendedSums(s), n), "0000.0", " "));
}

OwnReport BuildOwnReport(std::span<const TZaznam> records, std::size_t first,
                         const StationData& data) {
    const MonthWalk walk = WalkReportMonth(records, first);
    std::vector<std::string> basicDays, extendedDays;
    for (int d = 1; d <= walk.days; ++d) {
        basicDays.push_back(FormatNumber(d, "00"));
        extendedDays.push_back(FormatNumber(d, "00"));
    }
    MonthSums sums{};
    for (const auto& u : walk.used) {
        const TZaznam& z = records[u.index];
        basicDays[static_cast<std::size_t>(u.day - 1)] = OwnBasicDayLine(u.day, z);
        extendedDays[static_cast<std::size_t>(u.day - 1)] = OwnExtendedDayLine(u.day, z);
        AccumulateMonth(sums, z);
    }
    const int n = static_cast<int>(walk.used.size());

    auto build = [&](std::string_view prefix, std::string_view head,
                     const std::vector<std::string>& days, const std::string& sumLine,
                     const std::string& meanLine) {
        ReportFile r;
        r.folder = std::string(OwnFolder);
        r.name = fileName(prefix, walk.year, walk.month);
        r.text = headerLines(walk.year, walk.month, data);
        r.text += head;
        r.text += CrLf;
        for (const auto& line : days) {
            r.text += line;
            r.text += CrLf;
        }
        r.text += CrLf;
        r.text += sumLine;
        r.text += CrLf;
        r.text += meanLine;
        r.text += CrLf;
        return r;
    };
    return {build("VL-", basicHead, basicDays, OwnBasicSumLine(sums), OwnBasicMeanLine(sums, n)),
            build("VLR-", extendedHead, extendedDays, OwnExtendedSumLine(sums),
                  OwnExtendedMeanLine(sums, n))};
}

} // namespace hk
