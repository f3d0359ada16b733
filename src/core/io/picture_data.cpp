#include "io/picture_data.h"

#include <cmath>
#include <cstdio>

#include "io/atomic_file.h"

namespace hk {

namespace {

// A header cell; quoted when it holds the separator or a quote.
std::string cell(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string PictureNumber(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string PictureDataCsv(const PictureData& data) {
    std::string out = cell(data.axis);
    for (const std::string& c : data.columns)
        out += "," + cell(c);
    out += "\n";
    for (const PictureData::Row& r : data.rows) {
        out += cell(r.key);
        for (std::size_t i = 0; i < data.columns.size(); ++i) {
            out += ",";
            if (i < r.values.size() && r.values[i] && std::isfinite(*r.values[i]))
                out += PictureNumber(*r.values[i]);
        }
        out += "\n";
    }
    return out;
}

void WritePictureData(const std::filesystem::path& file, const PictureData& data) {
    WriteFileAtomic(file, PictureDataCsv(data));
}

} // namespace hk
