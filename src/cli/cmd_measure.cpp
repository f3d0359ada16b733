// heliokres-cli measure, find-disk and find-spots: the conversions of the
// measurement window on given picture points, the disk its assistant finds
// and the spots and groups it proposes.
#include <cmath>
#include <cstdio>
#include <ostream>
#include <regex>
#include <sstream>
#include <variant>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "measure/calibration.h"
#include "measure/disk_finder.h"
#include "measure/faculae_entry.h"
#include "measure/spot_finder.h"
#include "records/record.h"
#include "records/session.h"
#include "render/scan_view.h"

namespace hk::cli {

namespace {

std::optional<PicturePoint> parsePoint(const std::string& text) {
    static const std::regex form(R"((-?\d{1,6}),(-?\d{1,6}))");
    std::smatch m;
    if (!std::regex_match(text, m, form)) return std::nullopt;
    return PicturePoint{std::stoi(m[1]), std::stoi(m[2])};
}

PicturePoint requirePoint(const std::optional<std::string>& text, const char* option) {
    if (!text) throw UsageError(std::string("chybí ") + option);
    const auto p = parsePoint(*text);
    if (!p) throw UsageError(std::string("neplatný bod ") + option + " \"" + *text + "\" (X,Y)");
    return *p;
}

// The record of the program directory at that date and time, which the
// window would have as its current record.
TZaznam recordAt(const std::string& dirArg, const std::string& date, const std::string& time) {
    const auto wanted = ParseDatum(date);
    if (!wanted) throw UsageError("neplatné datum \"" + date + "\"");
    if (time.empty() || time.size() > 4 ||
        time.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError("neplatný čas \"" + time + "\"");
    const int hhmm = std::stoi(time);
    Session session(ExistingProgramDirectory(dirArg));
    std::ostringstream ignored;
    LoadRecords(session, ignored);
    for (int i = 1; i <= session.recordCount(); ++i) {
        const TZaznam& z = session.record(i);
        if (RecordDate(z) == wanted && z.Cas == hhmm) return z;
    }
    throw JobError(MissingRecordDateMessage);
}

} // namespace

int RunMeasure(const Args& argsIn, std::ostream& out, std::ostream&) {
    Args args = argsIn;
    const auto centreText = TakeOption(args, "--centre");
    const auto northText = TakeOption(args, "--north");
    const bool axis = TakeFlag(args, "--axis");
    const auto date = TakeOption(args, "--date");
    const auto time = TakeOption(args, "--time");
    const bool faculae = TakeFlag(args, "--faculae");
    // Negative coordinates look like options: take the points first.
    std::vector<PicturePoint> points;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (const auto p = parsePoint(a))
            points.push_back(*p);
        else
            rest.push_back(a);
    }
    RejectUnknownOptions(rest);
    const PicturePoint centre = requirePoint(centreText, "--centre");
    const PicturePoint north = requirePoint(northText, "--north");

    Calibration cal;
    if (axis) {
        if (!date || !time || rest.size() != 1)
            throw UsageError("--axis potřebuje --date, --time a adresář programu");
        const auto c = CalibrateByAxis(centre, north, recordAt(rest[0], *date, *time));
        if (const auto* message = std::get_if<std::string>(&c)) throw JobError(*message);
        cal = std::get<Calibration>(c);
    } else {
        if (date || time || !rest.empty())
            throw UsageError("--date, --time a adresář patří k --axis");
        cal = Calibrate(centre, north);
    }
    if (!cal.calibrated()) throw JobError("Střed a sever jsou stejný bod, poloměr zákresu je 0");
    if (points.empty()) throw UsageError("chybí body X,Y");

    if (faculae) {
        // All points as the vertices of fields stored together, so that the
        // same scaling applies when one lies at the limb or beyond.
        FacPoints fp{};
        const int fields =
            static_cast<int>((points.size() + FaculaeVertexCount - 1) / FaculaeVertexCount);
        if (fields > MaxFacFields) throw UsageError("nejvýše 240 bodů fakulí");
        for (std::size_t i = 0; i < points.size(); ++i)
            fp[i / FaculaeVertexCount][i % FaculaeVertexCount] = points[i];
        TZaznam z{};
        StoreFaculae(z, fields, fp, cal);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PackedPosition p =
                UnpackPosition(z.Skupiny[i / FaculaeVertexCount].Fakule[i % FaculaeVertexCount]);
            out << p.angle << ';' << p.dist << '\n';
        }
    } else {
        for (const PicturePoint& p : points) {
            const PolarPosition s = SpotPosition(cal, p);
            out << FormatTenths(s.angle) << ';' << FormatTenths(s.distance) << '\n';
        }
    }
    return 0;
}

namespace {

// The scan of IMAGE as the window holds it, in grey.
QImage greyScan(const std::string& file, std::ostream& err) {
    const LoadedScan scan = LoadScan(QString::fromStdString(file));
    if (scan.picture.isNull()) throw JobError(scan.message.toStdString());
    if (!scan.message.isEmpty()) err << scan.message.toStdString() << '\n';
    return scan.picture.convertToFormat(QImage::Format_Grayscale8);
}

const char* const NoDiskMessage = "Disk zákresu se v obrázku nepodařilo najít";

} // namespace

int RunFindDisk(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám jeden obrázek");
    GuiApplicationScope gui;
    const QImage grey = greyScan(args[0], err);
    const auto disk = FindDisk(GreyView(grey));
    if (!disk) throw JobError(NoDiskMessage);
    char line[96];
    std::snprintf(line, sizeof line, "%.1f;%.1f;%.1f\n", disk->x, disk->y, disk->radius);
    out << line;
    return 0;
}

int RunFindSpots(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto centreText = TakeOption(args, "--centre");
    const auto northText = TakeOption(args, "--north");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám jeden obrázek");
    if (centreText.has_value() != northText.has_value())
        throw UsageError("--centre a --north patří k sobě");
    GuiApplicationScope gui;
    const QImage grey = greyScan(args[0], err);
    Calibration cal;
    if (centreText) {
        cal = Calibrate(requirePoint(centreText, "--centre"), requirePoint(northText, "--north"));
        if (!cal.calibrated())
            throw JobError("Střed a sever jsou stejný bod, poloměr zákresu je 0");
    } else {
        // The disk the assistant finds, north straight up.
        const auto disk = FindDisk(GreyView(grey));
        if (!disk) throw JobError(NoDiskMessage);
        const PicturePoint centre{static_cast<int>(std::lround(disk->x)),
                                  static_cast<int>(std::lround(disk->y))};
        cal = Calibrate(centre, {centre.x, centre.y - static_cast<int>(std::lround(disk->radius))});
        if (!cal.calibrated()) throw JobError(NoDiskMessage);
    }
    // Without a date the Sun's axis is taken as the drawing's north.
    const SpotFinding found = FindSpots(GreyView(grey), cal, Ephemeris{});
    for (const FoundSpot& s : found.spots) {
        const PolarPosition p = SpotPosition(cal, s.point());
        out << "spot;" << FormatTenths(p.angle) << ';' << FormatTenths(p.distance) << ';'
            << FormatTenths(s.area()) << '\n';
    }
    for (std::size_t g = 0; g < found.groups.size(); ++g) {
        const auto& members = found.groups[g];
        const PolarPosition p = SpotPosition(cal, found.spots[members.front()].point());
        double area = 0;
        for (int i : members)
            area += found.spots[i].area();
        out << "group;" << g + 1 << ';' << FormatTenths(p.angle) << ';' << FormatTenths(p.distance)
            << ';' << members.size() << ';' << FormatTenths(area) << '\n';
    }
    return 0;
}

} // namespace hk::cli
