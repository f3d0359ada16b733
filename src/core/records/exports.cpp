#include "records/exports.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "geometry/transforms.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "text/encoding.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view AsciiHeader = "   Datum    čas   č typ  l   b  ploch lv  bv plo.v";
constexpr std::string_view FaculaeHeader =
    "   Datum    čas     l       b       l       b       l       b       l       b";
constexpr double SmallSpotArea = 7.6;
constexpr int NoFaculaeLongitude = -500;
constexpr int MinutesPerDay = 24 * 60;
constexpr std::size_t AsciiLineBytes = 52; // a line with its auxiliary spot and CR LF

struct DatedRecord {
    Date date;
    Ephemeris eph;
};

// Every date first, so that an unreadable one stops the export before
// anything is changed or written.
std::vector<DatedRecord> dateAll(std::span<const TZaznam> records) {
    std::vector<DatedRecord> out;
    out.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto date = RecordDate(records[i]);
        if (!date)
            throw std::runtime_error("Záznam " + std::to_string(i + 1) + " má nečitelné datum \"" +
                                     records[i].Datum.text() + "\"");
        out.push_back({*date, SolarEphemeris(*date, records[i].Cas)});
    }
    return out;
}

// " 05" for 5.4, "-05" for -5.4: the pattern " 00;-00".
std::string latitudeText(double lat) {
    return lat < 0 ? "-" + FormatNumber(-lat, "00") : " " + FormatNumber(lat, "00");
}

bool startsWithB(const TSkupina& g) {
    return !g.Typ.raw().empty() && g.Typ.raw()[0] == 'B';
}

Heliographic packedToHeliographic(const Ephemeris& eph, std::uint16_t packed) {
    const PackedPosition p = UnpackPosition(packed);
    return PolarToHeliographic(eph, p.angle * 10.0, p.dist * 10.0);
}

} // namespace

std::string ExportTime(std::uint16_t time) {
    const int minutes = (time / 100) * 60 + time % 100;
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d %02d", (minutes % MinutesPerDay) / 60, minutes % 60);
    return buf;
}

std::string AsciiExportText(std::span<const TZaznam> records, const GeometryCache& geometry) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!geometry.record(static_cast<int>(i) + 1).date)
            throw std::runtime_error("Záznam " + std::to_string(i + 1) + " má nečitelné datum \"" +
                                     records[i].Datum.text() + "\"");
    std::string out = Utf8ToCp1250(AsciiHeader);
    out += CrLf;
    std::size_t lines = 0;
    for (const TZaznam& z : records)
        lines += static_cast<std::size_t>(z.groupCount());
    out.reserve(out.size() + lines * AsciiLineBytes);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TZaznam& z = records[i];
        const RecordGeometry& rg = geometry.record(static_cast<int>(i) + 1);
        const Ephemeris& eph = *rg.ephemeris;
        const std::span<const Heliographic> positions = geometry.groups(static_cast<int>(i) + 1);
        const std::string head = FormatDatum(*rg.date) + " " + ExportTime(z.Cas) + " ";
        for (int k = 0; k < z.groupCount(); ++k) {
            const TSkupina& g = z.Skupiny[k];
            const Heliographic& h = positions[static_cast<std::size_t>(k)];
            out += head;
            out += FormatNumber(g.CSk2, "00");
            out += ' ';
            out += g.Typ.empty() ? std::string_view("***") : g.Typ.raw();
            out += ' ';
            if (IsHemisphereMarker(g)) {
                // Only its hemisphere is known: blank longitude and latitude.
                out += "       ";
            } else {
                out += FormatNumber(h.Lon, "000");
                out += ' ';
                out += latitudeText(h.Lat);
            }
            out += ' ';
            out += FormatNumber(
                static_cast<double>(RoundHalfEven(g.Plocha + g.MalS * SmallSpotArea)), "0000");
            out += ' ';
            if (startsWithB(g) && g.Pomocna1 > 0) {
                const Heliographic a = packedToHeliographic(eph, g.Pomocna1);
                out += FormatNumber(a.Lon, "000");
                out += ' ';
                out += latitudeText(a.Lat);
                out += ' ';
                out += FormatNumber(g.Plo1, "0000");
            } else {
                out.append(13, ' ');
            }
            out += CrLf;
        }
    }
    return out;
}

std::string FaculaePositionsText(std::span<const TZaznam> records) {
    const std::vector<DatedRecord> dated = dateAll(records);
    std::string out = Utf8ToCp1250(FaculaeHeader);
    out += CrLf;
    struct Field {
        int lon = NoFaculaeLongitude;
        int lat = 0;
        bool used = false;
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TZaznam& z = records[i];
        const Ephemeris& eph = dated[i].eph;
        std::string line = FormatDatum(dated[i].date) + ";" + ExportTime(z.Cas) + ";";

        std::vector<Field> fields(static_cast<std::size_t>(z.faculaeCount()));
        for (std::size_t j = 0; j < fields.size(); ++j) {
            long lonSum = 0;
            double latSum = 0;
            int count = 0;
            for (const std::uint16_t v : z.Skupiny[j].Fakule) {
                if (v == 0) continue;
                const Heliographic h = packedToHeliographic(eph, v);
                lonSum += LongitudeAcrossRotations(static_cast<int>(RoundHalfEven(h.Lon)), z.Rotace,
                                                   z.L0, z.Rotace);
                latSum += h.Lat;
                ++count;
            }
            if (count > 0) {
                fields[j].lon = static_cast<int>(std::trunc(static_cast<double>(lonSum) / count));
                fields[j].lat = static_cast<int>(std::trunc(latSum / count));
            }
        }
        // Largest mean longitude first; among equal ones the later field.
        for (std::size_t n = 0; n < fields.size(); ++n) {
            Field* best = nullptr;
            for (Field& f : fields)
                if (!f.used && f.lon >= NoFaculaeLongitude && (!best || f.lon >= best->lon))
                    best = &f;
            if (!best) break;
            best->used = true;
            line += FormatNumber(best->lon, "000.") + ";" + FormatNumber(best->lat, "00.") + ";";
        }
        out += line;
        out += CrLf;
    }
    return out;
}

std::string AsciiExportText(std::span<const TZaznam> records) {
    GeometryCache geometry;
    geometry.rebuild(records, 0, GeometryDetail::Groups);
    return AsciiExportText(records, geometry);
}

std::filesystem::path WriteAsciiExport(const ProgramDir& dir, std::span<const TZaznam> records,
                                       const GeometryCache& geometry) {
    const std::string text = AsciiExportText(records, geometry);
    const std::filesystem::path path = dir.resolve(AsciiExportName);
    WriteFileAtomic(path, text);
    return path;
}

std::filesystem::path WriteFaculaePositions(const ProgramDir& dir,
                                            std::span<const TZaznam> records) {
    const std::string text = FaculaePositionsText(records);
    const std::filesystem::path folder = dir.ensureFolder(CSVFolderName);
    const std::filesystem::path path = ProgramDir(folder).resolve(FaculaePositionsName);
    WriteFileAtomic(path, text);
    return path;
}

} // namespace hk
