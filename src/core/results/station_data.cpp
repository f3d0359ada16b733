#include "results/station_data.h"

#include <vector>

#include "io/atomic_file.h"
#include "text/encoding.h"

namespace hk {

const std::array<std::string_view, ObecnaDataRadku> ObecnaDataPopisky = {
    "Observatoř-stanice",   "Přístroj",
    "Průměr v mm",          "Ohnisko v mm",
    "Okulár v mm",          "",
    "E-mail observatoře",   "Adresa stanice",
    "Číslo CV - Norsko",    "Observatoř pro I-SOL+CV",
    "Projekce na průměr",   "Číslo SL (pro zpracování)",
    "SILSO- SIDC  -Belgie)"};

namespace {

constexpr int popisNovRadku = 10;

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
        lines.push_back(Cp1250ToUtf8(line.substr(0, ObecnaDataDelka)));
        pos = end + 1;
    }
    return lines;
}

std::string cutRow(std::string_view utf8) {
    // Cut in the code page, where every character is one byte.
    return Cp1250ToUtf8(Utf8ToCp1250(utf8).substr(0, ObecnaDataDelka));
}

} // namespace

ObecnaData ObecnaDataTableDefaults() {
    ObecnaData d;
    d.row(2) = "Refractor  ";
    d.row(11) = "Projection 25 cm";
    return d;
}

ObecnaData ParseObecnaData(std::string_view cp1250) {
    ObecnaData d;
    const auto lines = readLines(cp1250, ObecnaDataRadku);
    for (std::size_t k = 0; k < lines.size(); ++k)
        d.Radky[k] = lines[k];
    d.ObecnaDataZadana = true;
    return d;
}

void ApplyPopisNov(ObecnaData& data, std::string_view cp1250) {
    const auto lines = readLines(cp1250, popisNovRadku);
    for (std::size_t k = 0; k < lines.size(); ++k)
        data.Radky[k] = lines[k];
}

// Both files are a few short lines: only their start is read.
constexpr std::size_t UsedFileStart = 64 * 1024;

ObecnaData ReadObecnaData(const std::filesystem::path& obecdata,
                          const std::filesystem::path& popisNov) {
    std::error_code ec;
    ObecnaData d;
    if (!obecdata.empty() && std::filesystem::is_regular_file(obecdata, ec))
        d = ParseObecnaData(ReadFileStart(obecdata, UsedFileStart));
    if (!popisNov.empty() && std::filesystem::is_regular_file(popisNov, ec))
        ApplyPopisNov(d, ReadFileStart(popisNov, UsedFileStart));
    return d;
}

ObecnaData ReadObecnaData(const ProgramDir& dir) {
    return ReadObecnaData(dir.resolve(ObecdataSoubor), dir.resolve(PopisNovSoubor));
}

std::string NormaliseCisloSL(std::string_view value) {
    // Counted in the code page, where every character is one byte.
    const std::string s = "00" + Utf8ToCp1250(value);
    if (s == "00") return {};
    return Cp1250ToUtf8(s.substr(s.size() - 3));
}

ObecnaData ConfirmObecnaData(const ObecnaData& current,
                             const std::array<std::string, ObecnaDataRadku>& table) {
    ObecnaData d = current;
    for (int k = 1; k <= ObecnaDataRadku; ++k)
        if (k != ObecnaDataRezerva) d.row(k) = cutRow(table[static_cast<std::size_t>(k - 1)]);
    d.row(ObecnaDataCisloSL) = NormaliseCisloSL(d.row(ObecnaDataCisloSL));
    d.row(ObecnaDataRadkuSouboru).clear();
    d.ObecnaDataZadana = true;
    return d;
}

std::string ObecnaDataText(const ObecnaData& data) {
    std::string text;
    for (int k = 1; k <= ObecnaDataRadkuSouboru; ++k) {
        if (k < ObecnaDataRadkuSouboru) text += cutRow(data.row(k));
        text += "\r\n";
    }
    return text;
}

void WriteObecnaData(const std::filesystem::path& obecdata, const ObecnaData& data) {
    WriteFileAtomic(obecdata, Utf8ToCp1250(ObecnaDataText(data)));
}

void WriteObecnaData(const ProgramDir& dir, const ObecnaData& data) {
    WriteObecnaData(dir.resolve(ObecdataSoubor), data);
}

} // namespace hk
