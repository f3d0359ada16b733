#include "results/cv_report.h"

#include <vector>

#include "io/file_names.h"
#include "results/daily_values.h"
#include "results/month_walk.h"
#include "results/report_text.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::size_t labelWidth = 32;
constexpr std::size_t lineLimit = 82;

std::string label(std::string_view word) {
    return PadRight("    " + std::string(word), labelWidth);
}

} // namespace

std::string CvFileName(int year, int month) {
    return "CV-" + FormatNumber(month, "00") + "_" + FormatNumber(year, "0000") + ".Txt";
}

std::string CvDayTail(const TZaznam& z, int cv) {
    std::string tail = "  " + FormatNumber(cv, "000") + "  " + FormatNumber(z.Cas / 100, "00") +
                       ":" + FormatNumber(z.Cas % 100, "00") + "  " + FormatNumber(z.Q, "0") +
                       "    ";
    for (int g = 0; g < z.groupCount(); ++g)
        tail += AsciiUpper(z.Skupiny[g].Typ.text()) + " ";
    return tail;
}

ReportFile BuildCvReport(std::span<const TZaznam> records, const GeometryCache& geometry,
                         std::size_t first, std::string_view observer, const StationData& data) {
    const MonthWalk walk = WalkReportMonth(records, first);
    std::vector<std::string> tails(static_cast<std::size_t>(walk.days));
    long cvTotal = 0;
    for (const auto& u : walk.used) {
        const TZaznam& z = records[u.index];
        const TSouhrn live = LiveDailyValues(z, geometry, static_cast<int>(u.index) + 1);
        const int cv = live.CVSev + live.CVJih;
        cvTotal += cv;
        tails[static_cast<std::size_t>(u.day - 1)] = CvDayTail(z, cv);
    }
    const auto obs = static_cast<long>(walk.used.size());

    std::vector<std::string> lines;
    lines.emplace_back(" ");
    lines.emplace_back("    MONTHLY OBSERVATIONS OF ZÜRICH/McINTOSH-classifications");
    lines.push_back(CutChars(label("Your E-mail adress") + data.row(7), lineLimit));
    lines.push_back(label("Year") + FormatNumber(walk.year, "0000"));
    lines.push_back(label("Month - number") + FormatNumber(walk.month, "00") + " - " + data.row(9));
    lines.push_back(label("Observer") + OneLine(observer));
    lines.push_back(CutChars(label("Station") + data.row(10), lineLimit));
    lines.push_back(CutChars(label("Instrument") + data.row(2) + "  " + data.row(3) + " / " +
                                 data.row(4) + " / " + data.row(5),
                             lineLimit));
    lines.push_back(CutChars(label("Method") + data.row(11), lineLimit));
    lines.emplace_back(" ");
    lines.emplace_back(" ");
    lines.emplace_back(" Date  CV  Time  Cond");
    lines.emplace_back(" ");
    for (int d = 1; d <= walk.days; ++d)
        lines.push_back("  " + FormatNumber(d, "00") + "  " +
                        tails[static_cast<std::size_t>(d - 1)]);
    lines.emplace_back(" ");
    lines.emplace_back(" ");
    lines.push_back("    AVRG  = " + FormatNumber(obs > 0 ? double(cvTotal) / obs : 0.0, "###.##"));
    lines.push_back("    OBS   =  " + FormatNumber(obs, "##"));

    ReportFile report;
    report.folder = std::string(CvFolder);
    report.name = CvFileName(walk.year, walk.month);
    for (const auto& line : lines) {
        report.text += line;
        report.text += CrLf;
    }
    return report;
}

} // namespace hk
