#include "results/station_data.h"

#include <vector>

#include "io/atomic_file.h"
#include "text/encoding.h"

namespace hk {

const std::array<std::string_view, StationDataRows> StationDataLabels = {
    "Observatoř-stanice",   "Přístroj",
    "Průměr v mm",          "Ohnisko v mm",
    "Okulár v mm",          "",
    "E-mail observatoře",   "Adresa stanice",
    "Číslo CV - Norsko",    "Observatoř pro I-SOL+CV",
    "Projekce na průměr",   "Číslo SL (pro zpracování)",
    "SILSO- SIDC  -Belgie)"};

namespace {

constexpr int popisNovLines = 10;

// Lines of a Windows-1250 text, each cut to 50 bytes (one byte per character)
// and converted to UTF-8; at most `limit` lines.
std::vector<std::string> readLines(std::string_view cp1250, std::size_t limit) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < cp1250.size() && lines.size() < limit) {
        std::size_t end = cp1250.find('\n', pos);
        if (end == std::string_view::npos) end = cp1250.size();
        std::string_view line = cp1250.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(Cp1250ToUtf8(line.substr(0, StationDataLineLength)));
        pos = end + 1;
    }
    return lines;
}

std::string cutRow(std::string_view utf8) {
    // Cut in the code page, where every character is one byte.
    return Cp1250ToUtf8(Utf8ToCp1250(utf8).substr(0, StationDataLineLength));
}

} // namespace

StationData StationDataTableDefaults() {
    StationData d;
    d.row(2) = "Refractor  ";
    d.row(11) = "Projection 25 cm";
    return d;
}

StationData ParseStationData(std::string_view cp1250) {
    StationData d;
    const auto lines = readLines(cp1250, StationDataRows);
    for (std::size_t k = 0; k < lines.size(); ++k)
        d.lines[k] = lines[k];
    d.stationDataGiven = true;
    return d;
}

void ApplyPopisNov(StationData& data, std::string_view cp1250) {
    const auto lines = readLines(cp1250, popisNovLines);
    for (std::size_t k = 0; k < lines.size(); ++k)
        data.lines[k] = lines[k];
}

// Both files are a few short lines: only their start is read.
constexpr std::size_t UsedFileStart = 64 * 1024;

StationData ReadStationData(const std::filesystem::path& stationFile,
                            const std::filesystem::path& popisNovPath) {
    std::error_code ec;
    StationData d;
    if (!stationFile.empty() && std::filesystem::is_regular_file(stationFile, ec))
        d = ParseStationData(ReadFileStart(stationFile, UsedFileStart));
    if (!popisNovPath.empty() && std::filesystem::is_regular_file(popisNovPath, ec))
        ApplyPopisNov(d, ReadFileStart(popisNovPath, UsedFileStart));
    return d;
}

StationData ReadStationData(const ProgramDir& dir) {
    return ReadStationData(dir.resolve(StationDataFile), dir.resolve(PopisNovFile));
}

std::string NormaliseStationNumber(std::string_view value) {
    // Counted in the code page, where every character is one byte.
    const std::string s = "00" + Utf8ToCp1250(value);
    if (s == "00") return {};
    return Cp1250ToUtf8(s.substr(s.size() - 3));
}

StationData ConfirmStationData(const StationData& current,
                               const std::array<std::string, StationDataRows>& table) {
    StationData d = current;
    for (int k = 1; k <= StationDataRows; ++k)
        if (k != StationDataSpareRow) d.row(k) = cutRow(table[static_cast<std::size_t>(k - 1)]);
    d.row(StationNumberRow) = NormaliseStationNumber(d.row(StationNumberRow));
    d.row(StationDataFileRows).clear();
    d.stationDataGiven = true;
    return d;
}

std::string StationDataText(const StationData& data) {
    std::string text;
    for (int k = 1; k <= StationDataFileRows; ++k) {
        if (k < StationDataFileRows) text += cutRow(data.row(k));
        text += "\r\n";
    }
    return text;
}

void WriteStationData(const std::filesystem::path& stationFile, const StationData& data) {
    WriteFileAtomic(stationFile, Utf8ToCp1250(StationDataText(data)));
}

void WriteStationData(const ProgramDir& dir, const StationData& data) {
    WriteStationData(dir.resolve(StationDataFile), data);
}

} // namespace hk
