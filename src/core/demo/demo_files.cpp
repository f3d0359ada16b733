#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>
#include <system_error>

#include "demo/demo.h"
#include "demo/demo_internal.h"
#include "demo/solar_cycle.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "io/atomic_file.h"
#include "records/observers.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_file.h"
#include "text/encoding.h"

namespace hk {

namespace {

using demo::DemoRun;
using demo::GroupState;
using demo::Random;
using demo::SimGroup;
using demo::SolarCycle;

// Text files of the program directory: Windows-1250, CR LF.
void writeText(const std::filesystem::path& path, const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines)
        bytes += Utf8ToCp1250(line) + "\r\n";
    WriteFileAtomic(path, bytes);
}

template <class... T> std::string format(const char* pattern, T... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

void writeDailySeries(const ProgramDir& dir, const DemoData& data) {
    const std::filesystem::path sidc = dir.ensureFolder("SIDC");
    std::map<int, std::vector<std::string>> years;
    for (const DemoDay& d : data.days) {
        const int doy = DaySerial(d.date) - DaySerial(Date{d.date.year, 1, 1});
        const double fraction = (doy + 0.5) / (IsLeapYear(d.date.year) ? 366.0 : 365.0);
        auto value = [](int v) { return std::clamp(v, 0, 999); };
        years[d.date.year].push_back(format("%04d %02d %02d %8.3f%3d %3d %3d", d.date.year,
                                            d.date.month, d.date.day, d.date.year + fraction,
                                            value(d.sunspotNumber[0]), value(d.sunspotNumber[1]),
                                            value(d.sunspotNumber[2])));
    }
    for (const auto& [year, lines] : years)
        writeText(sidc / ("dssn" + std::to_string(year) + ".dat"), lines);
}

// Monthly means of the daily values.
struct Month {
    int year, month, days = 0;
    double area[3] = {0, 0, 0};
    double sunspots = 0;
};

std::vector<Month> monthlyMeans(const DemoData& data) {
    std::vector<Month> months;
    for (const DemoDay& d : data.days) {
        if (months.empty() || months.back().year != d.date.year ||
            months.back().month != d.date.month)
            months.push_back({d.date.year, d.date.month});
        Month& m = months.back();
        ++m.days;
        for (int h = 0; h < 3; ++h)
            m.area[h] += d.area[h];
        m.sunspots += d.sunspotNumber[0];
    }
    for (Month& m : months) {
        for (double& a : m.area)
            a /= m.days;
        m.sunspots /= m.days;
    }
    return months;
}

void writeMonthlySeries(const ProgramDir& dir, const DemoData& data, Random& rnd) {
    const std::filesystem::path sidc = dir.ensureFolder("SIDC");
    std::vector<std::string> areas, flux;
    for (const Month& m : monthlyMeans(data)) {
        // Lines of 29 characters: "yyyy mm " and three values of 7.
        areas.push_back(format("%04d %02d %7.1f%7.1f%7.1f", m.year, m.month,
                               std::min(m.area[0], 99999.0), std::min(m.area[1], 99999.0),
                               std::min(m.area[2], 99999.0)));
        // Lines of 43 characters: observed, adjusted to 1 AU, absolute flux.
        const double observed = 64 + 0.58 * m.sunspots + rnd.uniform(-2, 2);
        const double au = 1 + 0.0167 * std::cos(2 * std::numbers::pi * (m.month - 1) / 12.0);
        const double adjusted = observed * au * au;
        flux.push_back(format("%04d %02d        %6.1f    %6.1f     %6.1f ", m.year, m.month,
                              observed, adjusted, adjusted * 0.9));
    }
    writeText(sidc / "Plochy.txt", areas);
    writeText(sidc / "tok-10cm.txt", flux);
}

struct DemoObserver {
    const char* number;
    const char* name; // as the records hold it
    const char* street;
    const char* town;
    const char* postcode;
};

constexpr DemoObserver ObserverAddresses[] = {
    {"12", "Novák, Jan", "Hlavní 5", "Brno", "60200"},
    {"7", "Dvořáková, Eva", "", "Brno", "61600"},
    {"31", "Černý, Petr", "Fričova 298", "Ondřejov", "25165"},
    {"9", "Šťastná, Marie", "Vsetínská 78", "Valašské Meziříčí", "75701"},
    {"104", "Kovář, Tomáš", "Na Vyhlídce 3", "Říčany", "25101"},
};

void writeObservers(const ProgramDir& dir) {
    std::vector<std::string> lines;
    for (const DemoObserver& o : ObserverAddresses) {
        ObserverTable one;
        one.add({o.number, o.name, o.street, o.town, o.postcode, ""});
        lines.push_back(one.lines().front());
    }
    writeText(dir.resolve("pozorovateleP.dat"), lines);
}

void writeStation(const ProgramDir& dir) {
    writeText(dir.resolve("Obecdata.dat"),
              {"Hvězdárna Demo", "Refractor  ", "150", "2250", "25", "",
               "pozorovani@hvezdarna-demo.cz", "Hlavní 1, 602 00 Brno", "123", "Hvezdarna Demo",
               "Projection 25 cm", "007", "DEMO", ""});
    writeText(dir.resolve("pristroj.dat"),
              {"Hvězdárna Demo", "Refraktor", "150/2250", "25", "1350", ""});
    writeText(dir.resolve("Zvetsit.zve"), {"120"});
}

// Day serial of the start of a Carrington rotation.
double rotationStart(int rotation) {
    constexpr double JulianOfSerialZero = 2415018.5;
    return 2398140.227 + 27.2752316 * rotation - JulianOfSerialZero;
}

// Latitudes of groups and faculae per rotation from rotation 1266, one byte
// each (latitude + 128), 255 closing every rotation.
void writeSupplementary(const ProgramDir& dir, const Date& lastDate, Random& rnd) {
    std::string block(25000, '\0');
    std::size_t spots = 0, faculae = 15000;
    const double lastDay = DaySerial(lastDate);
    for (int rotation = 1266;
         (spots < 14990 || faculae < 19990) && rotationStart(rotation) < lastDay; ++rotation) {
        const double year = demo::DecimalYear(rotationStart(rotation));
        for (const demo::CycleShare& share : SolarCycle::sharesAt(year)) {
            const int count = std::min(rnd.poisson(share.groups * 1.5), 12);
            const double mean = SolarCycle::meanLatitude(share.phase);
            for (int i = 0; i < count && spots < 14990; ++i) {
                const double lat =
                    std::clamp(rnd.normal(mean, 4), 1.0, 45.0) * (rnd.chance(0.5) ? 1 : -1);
                block[spots++] = static_cast<char>(std::lround(lat) + 128);
            }
            if (faculae < 19990 && share.groups > 0.5 && rnd.chance(0.6)) {
                const double lat = (mean + rnd.normal(0, 3)) * (rnd.chance(0.5) ? 1 : -1);
                const double half = rnd.uniform(2, 6);
                block[faculae] = static_cast<char>(std::lround(lat - half) + 128);
                block[faculae + 5000] = static_cast<char>(std::lround(lat + half) + 128);
                ++faculae;
            }
        }
        if (spots < 15000) block[spots++] = static_cast<char>(255);
        if (faculae < 20000) {
            block[faculae] = static_cast<char>(255);
            block[faculae + 5000] = static_cast<char>(255);
            ++faculae;
        }
    }
    WriteFileAtomic(dir.resolve("Motfakul.dat"), block);
}

// Green-corona intensities around the limb, 72 values per day in steps of 5
// degrees of position angle, brightest above the active latitudes; one file
// for every year from 1940 to the last year of the data, so that the loader
// reads them all.
void writeCorona(const ProgramDir& dir, const Date& lastDate, Random& rnd) {
    const std::filesystem::path folder = dir.ensureFolder("KoronaX");
    for (int year = 1940; year <= lastDate.year; ++year) {
        std::vector<std::string> lines;
        const int days = IsLeapYear(year) ? 366 : 365;
        for (int d = 0; d < days; ++d) {
            const Date date = DateFromSerial(DaySerial(Date{year, 1, 1}) + d);
            const double decimal = year + (d + 0.5) / days;
            double level = 0, latitude = 0;
            for (const demo::CycleShare& s : SolarCycle::sharesAt(decimal)) {
                level += s.groups;
                if (s.groups > 0.3) latitude = SolarCycle::meanLatitude(s.phase);
            }
            std::string line = format("1 %d %d %d %d %d", year, date.month, date.day, d + 1, 0);
            line.reserve(line.size() + 72 * 4);
            for (int k = 1; k <= 72; ++k) {
                // Position angle 5k - 2.5 from north through east; its latitude on the limb.
                const double pa = 5.0 * k - 2.5;
                const double lat = 90 - (pa <= 180 ? pa : 360 - pa);
                const double x = (std::fabs(lat) - latitude) / 10;
                const double active = std::exp(-x * x);
                const double value = 4 + level * (1 + 5 * active) + rnd.uniform(0, 4);
                line += ' ';
                line += std::to_string(std::clamp(static_cast<int>(value), 0, 254));
            }
            lines.push_back(line);
        }
        writeText(folder / ("HR" + std::to_string(year) + ".csv"), lines);
    }
}

// Daily magnetograms of the last days: 16-bit words, x * 128 + value per
// pixel, 64 closing a row, 0 closing the file. The disk (radius 213 pixels,
// centre at column 250, row 213) is drawn with solar north up; only pixels
// of the active regions are listed.
void writeMagnetograms(const ProgramDir& dir, const DemoRun& run, const Date& lastDate) {
    const std::filesystem::path folder = dir.ensureFolder("Magneto");
    constexpr double PixelUnits = 1.173709; // units of the 250-unit disk per pixel
    constexpr int CentreColumn = 250, CentreRow = 213, Rows = 426;
    for (int back = 7; back >= 0; --back) {
        const int day = DaySerial(lastDate) - back;
        const Date date = DateFromSerial(day);
        const Ephemeris e = SolarEphemeris(date, 1200);
        std::vector<std::vector<std::pair<int, int>>> rows(Rows + 1); // row -> (column, value)
        std::vector<std::vector<int>> field(Rows + 1, std::vector<int>(501, 0));
        for (const SimGroup& g : run.groups) {
            if (!demo::IsAlive(g, day + 0.5)) continue;
            const GroupState st = demo::StateAt(g, day + 0.5);
            const int polarity = SolarCycle::northLeadingPolarity(g.cycle) * (g.lat >= 0 ? 1 : -1);
            for (int part = 0; part < 2; ++part) {
                const double lon = st.lon + (part == 0 ? 1 : -1) * std::max(st.extent, 2.0) / 2;
                double cmd = e.L0 - lon;
                cmd -= 360 * std::round(cmd / 360);
                if (std::fabs(cmd) > 85) continue;
                const DiskPolar p =
                    HeliographicToPolar(e, static_cast<float>(lon), static_cast<float>(g.lat));
                const double a = (p.Angle - e.P) * std::numbers::pi / 180; // from solar north
                const double col = CentreColumn - p.Dist * std::sin(a) / PixelUnits;
                const double row = CentreRow - p.Dist * std::cos(a) / PixelUnits;
                const double radius = 1.5 + std::sqrt(st.area) / 6;
                const int sign = part == 0 ? polarity : -polarity;
                for (int r = static_cast<int>(row - 2 * radius);
                     r <= static_cast<int>(row + 2 * radius); ++r) {
                    for (int c = static_cast<int>(col - 2 * radius);
                         c <= static_cast<int>(col + 2 * radius); ++c) {
                        if (r < 1 || r > Rows || c < 1 || c > 500) continue;
                        const double dr = std::hypot(r - row, c - col) / radius;
                        field[r][c] += static_cast<int>(sign * 9 * std::exp(-dr * dr));
                    }
                }
            }
        }
        std::string bytes;
        auto word = [&bytes](int w) {
            bytes += static_cast<char>(w & 0xFF);
            bytes += static_cast<char>((w >> 8) & 0xFF);
        };
        for (int r = 1; r <= Rows; ++r) {
            for (int c = 1; c <= 500; ++c) {
                const int b = std::clamp(field[r][c], -8, 8);
                if (std::abs(b) < 2) continue;
                if (std::hypot(r - CentreRow, c - CentreColumn) > 213) continue;
                const int value = b > 0 ? 7 + b : 8 + b; // 0..7 one polarity, 8..15 the other
                word(c * 128 + value);
            }
            word(64);
        }
        word(0);
        WriteFileAtomic(folder / format("%02d%02d%02d", date.year % 100, date.month, date.day),
                        bytes);
    }
}

} // namespace

void WriteDemoDirectory(const std::filesystem::path& path, const DemoOptions& options) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (!std::filesystem::is_directory(path))
        throw std::runtime_error("Nelze vytvořit adresář \"" + path.string() + "\"");
    const ProgramDir dir(path);
    const DemoRun run = demo::RunDemoModel(options);
    Random rnd(options.seed ^ 0x5EED5EED);

    WriteRecordFile(dir.resolve("datax.dat"), run.data.records);
    writeDailySeries(dir, run.data);
    writeMonthlySeries(dir, run.data, rnd);
    writeObservers(dir);
    writeStation(dir);
    writeSupplementary(dir, options.endDate, rnd);
    writeCorona(dir, options.endDate, rnd);
    const Date last =
        run.data.records.empty() ? options.endDate : *RecordDate(run.data.records.back());
    writeMagnetograms(dir, run, last);
}

} // namespace hk
