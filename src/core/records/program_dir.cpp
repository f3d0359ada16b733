#include "records/program_dir.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace hk {

namespace {

// Decodes one UTF-8 code point at `pos`; invalid bytes are taken one by one.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    auto cont = [&](std::size_t i) {
        return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
    };
    if (b0 >= 0xC0 && b0 < 0xE0 && cont(pos + 1)) {
        char32_t c = (char32_t(b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[pos + 1]) & 0x3F);
        pos += 2;
        return c;
    }
    if (b0 >= 0xE0 && b0 < 0xF0 && cont(pos + 1) && cont(pos + 2)) {
        char32_t c = (char32_t(b0 & 0x0F) << 12) |
                     (char32_t(static_cast<unsigned char>(s[pos + 1]) & 0x3F) << 6) |
                     (static_cast<unsigned char>(s[pos + 2]) & 0x3F);
        pos += 3;
        return c;
    }
    ++pos;
    return b0;
}

// Lower case for ASCII, Latin-1 and Latin Extended-A, which hold every
// letter of the Windows-1250 code page.
char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x137) return c | 1;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    return c;
}

std::vector<std::string> splitRelative(std::string_view relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char ch : relative) {
        if (ch == '\\' || ch == '/') {
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    if (!part.empty() && part != ".") parts.push_back(part);
    return parts;
}

// The entry of `folder` named `name` ignoring case; an exact match wins, then
// the first in name order. Empty when there is none.
std::filesystem::path findEntry(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) return exact;
    std::filesystem::path best;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path candidate = it->path();
        if (!SameFileName(candidate.filename().string(), name)) continue;
        if (best.empty() || candidate.filename() < best.filename()) best = candidate;
    }
    return best;
}

} // namespace

bool SameFileName(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

ProgramDir::ProgramDir(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path ProgramDir::resolve(std::string_view relative) const {
    std::filesystem::path path = root_;
    bool found = true;
    for (const std::string& part : splitRelative(relative)) {
        if (part == "..") {
            path /= part;
            continue;
        }
        std::filesystem::path entry;
        if (found) entry = findEntry(path, part);
        if (entry.empty()) {
            found = false;
            path /= part;
        } else {
            path = entry;
        }
    }
    return path;
}

bool ProgramDir::exists(std::string_view relative) const {
    std::error_code ec;
    return std::filesystem::exists(resolve(relative), ec);
}

bool IsWrittenFolder(std::string_view relative) {
    if (relative.empty()) return true;
    const std::size_t slash = relative.find_first_of("/\\");
    const std::string_view first = relative.substr(0, slash);
    if (slash == std::string_view::npos) {
        for (std::string_view folder : WrittenFolders)
            if (SameFileName(first, folder)) return true;
        return false;
    }
    const std::string_view rest = relative.substr(slash + 1);
    return SameFileName(first, "CSVsoubory") && rest.size() > YearFolderPrefix.size() &&
           SameFileName(rest.substr(0, YearFolderPrefix.size()), YearFolderPrefix) &&
           rest.find_first_not_of("0123456789", YearFolderPrefix.size()) == std::string_view::npos;
}

std::filesystem::path ProgramDir::ensureFolder(std::string_view relative) const {
    if (!IsWrittenFolder(relative))
        throw std::logic_error("Složka \"" + std::string(relative) +
                               "\" není mezi složkami, do kterých program zapisuje");
    const std::filesystem::path path = resolve(relative);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return path;
    std::filesystem::create_directories(path, ec);
    if (ec || !std::filesystem::is_directory(path))
        throw std::runtime_error("Nelze vytvořit složku \"" + path.string() + "\"" +
                                 (ec ? ": " + ec.message() : std::string()));
    return path;
}

std::filesystem::path UserDataFolder(std::string_view name) {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / name;
}

std::optional<std::filesystem::path>
FindProgramDirectory(const std::optional<std::string>& argument,
                     const std::filesystem::path& executableDir,
                     const std::optional<std::filesystem::path>& remembered) {
    if (argument && !argument->empty()) return *argument;
    if (const char* env = std::getenv("HELIOKRES_DIR"); env && *env) return env;
    if (!executableDir.empty() && ProgramDir(executableDir).exists("datax.dat"))
        return executableDir;
    std::error_code ec;
    if (remembered && !remembered->empty() && std::filesystem::is_directory(*remembered, ec))
        return *remembered;
    const std::filesystem::path data = UserDataFolder("Heliokres");
    if (std::filesystem::is_directory(data, ec) && ProgramDir(data).exists("datax.dat"))
        return data;
    return std::nullopt;
}

} // namespace hk
