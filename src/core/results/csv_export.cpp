#include "results/csv_export.h"

#include <algorithm>

#include "io/atomic_file.h"
#include "text/encoding.h"

namespace hk {

namespace {

constexpr std::string_view CsvFolder = "CSVsoubory";
constexpr std::string_view CsvLineEnd = "\r\n";

std::string_view HemisphereSuffix(int hemisphere) {
    switch (hemisphere) {
    case 2:
        return "sever";
    case 3:
        return "jih";
    default:
        return "celkove";
    }
}

} // namespace

std::string StatisticsCsvName(StatisticsTable table, int hemisphere) {
    std::string name = table == StatisticsTable::Measured ? "Namerene-" : "Vyhlazene-";
    name += HemisphereSuffix(hemisphere);
    return name;
}

std::string StatisticsCsvCell(std::string_view utf8) {
    // Counted in the bytes of the file, one byte per character.
    std::string padded(CsvCellWidth + 1, ' ');
    padded += Utf8ToCp1250(utf8);
    std::string cell = padded.substr(padded.size() - CsvCellWidth);
    cell += ';';
    return cell;
}

std::string StatisticsCsvText(const std::vector<std::vector<std::string>>& cells, int hemisphere) {
    std::size_t gridColumns = 0;
    for (const auto& row : cells)
        gridColumns = std::max(gridColumns, row.size());
    const std::size_t limit = hemisphere == 1 ? CsvColumnsDisk : CsvColumnsHemisphere;
    const std::size_t columns = std::min(gridColumns, limit);

    std::string text;
    text.reserve(cells.size() * (columns * (CsvCellWidth + 1) + CsvLineEnd.size()));
    for (const auto& row : cells) {
        for (std::size_t c = 0; c < columns; ++c)
            text +=
                StatisticsCsvCell(c < row.size() ? std::string_view(row[c]) : std::string_view{});
        text += CsvLineEnd;
    }
    return text;
}

std::filesystem::path WriteStatisticsCsv(const ProgramDir& dir, StatisticsTable table,
                                         int hemisphere,
                                         const std::vector<std::vector<std::string>>& cells) {
    const std::string text = StatisticsCsvText(cells, hemisphere);
    dir.ensureFolder(CsvFolder);
    const std::filesystem::path path =
        dir.resolve(std::string(CsvFolder) + "/" + StatisticsCsvName(table, hemisphere) + ".csv");
    WriteFileAtomic(path, text);
    return path;
}

} // namespace hk
