#include "results/sidc_report.h"

#include <vector>

#include "results/daily_values.h"
#include "results/month_walk.h"
#include "results/report_text.h"
#include "text/number_format.h"

namespace hk {

std::string SidcFileName(int year, int month) {
    return FormatNumber(year, "0000") + FormatNumber(month, "00") + ".txt";
}

std::string SidcDayLine(int day, const TZaznam& z, const TSouhrn& live) {
    const struct {
        int value;
        const char* pattern;
    } fields[] = {{day, "00"},
                  {z.Cas, "0000"},
                  {z.Q, "0"},
                  {live.gSev + live.gJih, "00"},
                  {live.fSev + live.fJih, "000"},
                  {live.RSev + live.RJih, "000"},
                  {live.gSev, "00"},
                  {live.fSev, "000"},
                  {live.RSev, "000"},
                  {live.gJih, "00"},
                  {live.fJih, "000"},
                  {live.RJih, "000"},
                  {z.qc, "00"},
                  {z.fc, "000"},
                  {z.rc, "000"}};
    std::string line;
    for (const auto& f : fields) {
        if (!line.empty()) line += ' ';
        line += FormatNumber(f.value, f.pattern);
    }
    return line;
}

ReportFile BuildSidcReport(std::span<const TZaznam> records, const GeometryCache& geometry,
                           std::size_t first, const StationData& data) {
    const MonthWalk walk = WalkReportMonth(records, first);
    std::vector<std::string> days(static_cast<std::size_t>(walk.days));
    for (int d = 1; d <= walk.days; ++d)
        days[static_cast<std::size_t>(d - 1)] = FormatNumber(d, "00") + " 9999";
    for (const auto& u : walk.used) {
        const TZaznam& z = records[u.index];
        days[static_cast<std::size_t>(u.day - 1)] =
            SidcDayLine(u.day, z, LiveDailyValues(z, geometry, static_cast<int>(u.index) + 1));
    }

    const std::string& station = data.row(SidcStationRow);
    ReportFile report;
    report.folder = std::string(SidcFolder);
    report.name = SidcFileName(walk.year, walk.month);
    std::string& t = report.text;
    t += "SIDC" + FormatNumber(walk.year, "0000") + FormatNumber(walk.month, "00") + "  " + station;
    t += CrLf;
    t += "(CZECH REP.)  " + station;
    t += CrLf;
    t += "      ";
    t += CrLf;
    for (const auto& line : days) {
        t += line;
        t += CrLf;
    }
    t += "99";
    return report;
}

} // namespace hk
