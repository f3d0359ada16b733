#include "records/startup_files.h"

#include <charconv>
#include <cmath>

#include "text/encoding.h"

namespace hk {

std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    if (maxLines == 0) return lines;
    ForEachLine(text, [&](std::string_view line) {
        lines.push_back(line);
        return lines.size() < maxLines;
    });
    return lines;
}

std::optional<double> ParseEnlargementFactor(std::string_view fileBytes) {
    const auto lines = SplitLines(fileBytes, 1);
    std::string_view line = lines.empty() ? std::string_view() : lines.front();
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (!line.empty() && line.front() == '+') line.remove_prefix(1);
    long v = 0;
    auto [p, ec] = std::from_chars(line.data(), line.data() + line.size(), v);
    if (line.empty() || ec != std::errc() || p != line.data() + line.size()) return std::nullopt;
    if (v > 100 && v < 200) return v / 100.0;
    return DefaultEnlargementFactor;
}

int SizePercentage(int screenHeight, double factor) {
    // The factor is a 32-bit float in the settings.
    const double scaled = (screenHeight / 10) * static_cast<double>(static_cast<float>(factor));
    const int percent = static_cast<int>(std::nearbyint(scaled));
    return percent < 100 ? 100 : percent;
}

std::vector<std::uint8_t> ParseSupplementaryData(std::string_view fileBytes) {
    std::vector<std::uint8_t> block(SupplementaryDataSize, 0);
    const std::size_t n = std::min(fileBytes.size(), SupplementaryDataSize);
    for (std::size_t i = 0; i < n; ++i)
        block[i] = static_cast<std::uint8_t>(fileBytes[i]);
    return block;
}

std::array<std::string, 6> ParseInstrument(std::string_view fileBytes) {
    std::array<std::string, 6> lines;
    const auto raw = SplitLines(fileBytes, lines.size());
    for (std::size_t i = 0; i < lines.size() && i < raw.size(); ++i)
        lines[i] = Cp1250ToUtf8(raw[i]);
    return lines;
}

std::array<std::string, 6> DefaultInstrument() {
    return {"", "Přístroj", "80", "18", "1350", ""};
}

} // namespace hk
