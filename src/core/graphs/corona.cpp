#include "graphs/corona.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "io/atomic_file.h"
#include "records/program_dir.h"

namespace hk {

namespace {

constexpr int Columns = 80;
constexpr std::uint8_t Unfilled = 255;
constexpr std::size_t MaxFileBytes = 200000;

bool isSeparator(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

CoronaYearRead AppendCoronaYear(std::string_view text, CoronaTable& table) {
    if (!table.present()) table.coronaBytes.clear();
    int last = 78; // the last filled column of the previous line
    std::size_t pos = 0;
    bool ok = true;
    std::size_t days = 0;
    CoronaYearRead result = CoronaYearRead::Whole;
    while (pos < text.size()) {
        std::size_t end = text.find('\r', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;

        std::array<std::uint8_t, Columns + 1> col;
        col.fill(Unfilled);
        int tokens = 0;
        for (std::size_t i = 0; i < line.size();) {
            while (i < line.size() && isSeparator(line[i]))
                ++i;
            std::size_t j = i;
            while (j < line.size() && !isSeparator(line[j]))
                ++j;
            if (j == i) break;
            long v = 0;
            const auto [p, ec] = std::from_chars(line.data() + i, line.data() + j, v);
            if (ec != std::errc() || p != line.data() + j) {
                ok = false;
                break;
            }
            if (v > 1900) v -= 1900;
            ++tokens;
            if (tokens <= Columns)
                col[static_cast<std::size_t>(tokens)] =
                    static_cast<std::uint8_t>(std::labs(v) & 0xFF);
            i = j;
        }
        if (!ok) break;
        if (tokens == 0) continue;
        if (col[2] == 0 && col[3] == 0 && col[4] == 0) break;
        if (days++ == CoronaMaxDays) {
            result = CoronaYearRead::TooManyDays;
            break;
        }
        for (int c = Columns; c >= Columns - 4; --c)
            if (col[static_cast<std::size_t>(c)] != Unfilled) {
                last = c;
                break;
            }
        for (int c = 1; c <= 6; ++c)
            table.coronaBytes.push_back(col[static_cast<std::size_t>(c)]);
        for (int c = last - CoronaValues + 1; c <= last; ++c)
            table.coronaBytes.push_back(col[static_cast<std::size_t>(c)]);
    }
    table.coronaLength = table.coronaBytes.empty() ? 1 : table.coronaBytes.size();
    return ok ? result : CoronaYearRead::BadValue;
}

CoronaLoad LoadCorona(const ProgramDir& dir) {
    CoronaLoad result;
    if (!dir.exists("KoronaX")) return result;
    std::error_code ec;
    if (!std::filesystem::is_directory(dir.resolve("KoronaX"), ec)) {
        result.warning = "Soubor \"" + dir.resolve("KoronaX").string() +
                         "\" není adresář; data koróny se nenačtou.";
        return result;
    }
    for (int i = 0; i < CoronaMaxYears; ++i) {
        const std::string name = "KoronaX\\HR" + std::to_string(CoronaFirstYear + i) + ".csv";
        if (!dir.exists(name)) break;
        // Only a regular file is opened (a FIFO would block the start), and
        // only its start: no year holds more.
        std::string bytes;
        try {
            bytes = ReadFileStart(dir.resolve(name), MaxFileBytes);
        } catch (const std::exception& e) {
            result.warning = std::string(e.what()) + "; data koróny jsou načtena jen před ním.";
            break;
        }
        ++result.years;
        const CoronaYearRead read = AppendCoronaYear(bytes, result.table);
        if (read == CoronaYearRead::BadValue) {
            result.warning = "Soubor " + name +
                             " obsahuje hodnotu, která není celé číslo; "
                             "data koróny jsou načtena jen po něj.";
            break;
        }
        if (read == CoronaYearRead::TooManyDays && !result.warning)
            result.warning = "Soubor " + name +
                             " má více řádků, než má rok dní; použije se "
                             "jen prvních " +
                             std::to_string(CoronaMaxDays) + ".";
    }
    return result;
}

} // namespace hk
