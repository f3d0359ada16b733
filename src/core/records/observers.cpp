#include "records/observers.h"

#include <algorithm>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/startup_files.h"
#include "text/encoding.h"

namespace hk {

namespace {

constexpr std::size_t FieldCount = 6;

std::string withoutQuotes(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '"') out += c;
    return out;
}

// Stable selection by one field, compared as the file's Windows-1250 bytes.
void sortBy(std::vector<ObserverTable::Entry>& entries, std::size_t keyField,
            std::size_t requiredField) {
    std::vector<std::pair<std::string, ObserverTable::Entry>> keyed;
    keyed.reserve(entries.size());
    for (auto& e : entries)
        if (!e[requiredField].empty()) keyed.emplace_back(Utf8ToCp1250(e[keyField]), std::move(e));
    // std::string compares char_traits<char>, which orders bytes as unsigned.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    entries.clear();
    for (auto& k : keyed)
        entries.push_back(std::move(k.second));
}

} // namespace

ObserverTable ObserverTable::parse(const std::vector<std::string>& lines) {
    ObserverTable table;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        Entry e;
        std::string_view rest = line;
        std::size_t n = 0;
        for (std::size_t comma;
             n < FieldCount && (comma = rest.find(',')) != std::string_view::npos;) {
            e[n++] = withoutQuotes(rest.substr(0, comma));
            rest.remove_prefix(comma + 1);
        }
        if (n < FieldCount) e[n] = withoutQuotes(rest);
        table.entries_.push_back(std::move(e));
    }
    return table;
}

std::string ObserverTable::NameKey(std::string_view name) {
    std::string key;
    for (char c : name) {
        if (c == ',' || c == '"') continue;
        if (c == ' ' && (key.empty() || key.back() == ' ')) continue;
        key += c;
    }
    if (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
}

const ObserverTable::Entry* ObserverTable::findByName(std::string_view name) const {
    const std::string key = NameKey(name);
    for (const Entry& e : entries_)
        if (NameKey(e[1]) == key) return &e;
    return nullptr;
}

void ObserverTable::sortByName() {
    sortBy(entries_, 1, 0);
}

void ObserverTable::sortByNumber() {
    sortBy(entries_, 0, 1);
}

std::vector<std::string> ObserverTable::lines() const {
    ObserverTable sorted = *this;
    sorted.sortByNumber();
    std::vector<std::string> out;
    for (const Entry& e : sorted.entries_) {
        if (e[0].empty()) continue;
        std::size_t last = FieldCount;
        while (last > 0 && e[last - 1].empty())
            --last;
        std::string line;
        for (std::size_t i = 0; i < last; ++i)
            line += e[i] + ",";
        out.push_back(std::move(line));
    }
    return out;
}

void ObserverTable::write(const std::filesystem::path& file) {
    std::string bytes;
    for (const std::string& line : lines())
        bytes += Utf8ToCp1250(line) + "\r\n";
    WriteFileAtomic(file, bytes);
    sortByNumber();
}

bool ObserverTable::add(const Entry& entry) {
    if (entry[0].empty() || entry[1].empty() || findByName(entry[1])) return false;
    Entry clean;
    // A comma or a quote inside a field would change the fields on the next read.
    for (std::size_t i = 0; i < FieldCount; ++i)
        clean[i] = NameKey(entry[i]);
    entries_.push_back(std::move(clean));
    return true;
}

ObserverFile ReadObserverFile(const ProgramDir& dir) {
    ObserverFile file;
    std::filesystem::path path = dir.resolve("pozorovateleP.dat");
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        const std::filesystem::path old = dir.resolve("ob.dat");
        if (!std::filesystem::is_regular_file(old, ec)) return file;
        path = old;
        file.fromOb = true;
    }
    if (auto notAFile = NotAFileWarning(path)) {
        file.refused = std::move(*notAFile);
        return file;
    }
    try {
        const std::string bytes = ReadWholeFile(path, ObserverFileLimit);
        if (bytes.find('\0') != std::string::npos) {
            file.refused = "Soubor \"" + path.string() +
                           "\" obsahuje nulové bajty, není to text; nepoužije se.";
            return file;
        }
        ForEachLine(bytes, [&](std::string_view line) {
            if (!line.empty()) file.lines.push_back(Cp1250ToUtf8(line));
            return true;
        });
    } catch (const std::exception& e) {
        file.refused = e.what();
        file.lines.clear();
    }
    return file;
}

} // namespace hk
