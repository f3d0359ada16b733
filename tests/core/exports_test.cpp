// SoubASCI.dat and Polohy fakuli.csv: byte-exact lines for records whose
// positions lie at the disk centre (longitude = L0, latitude = B0 of the
// worked orientation values), signs and order for positions placed by the
// inverse transform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "geometry/transforms.h"
#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using test_records::Record;

namespace {

constexpr std::uint16_t CentrePacked = 128; // angle 1 degree, distance 0

TSkupina& addGroup(TZaznam& z, const char* groupClass, int number, int area = 0,
                   int smallSpots = 0) {
    TSkupina& s = test_records::AddGroup(z, groupClass, 0, 0, area, 0);
    s.CSk2 = static_cast<std::uint16_t>(number);
    s.MalS = static_cast<std::uint16_t>(smallSpots);
    return s;
}

// Packed position of a heliographic point, through the inverse transform.
std::uint16_t packedAt(const Ephemeris& e, double lon, double lat) {
    const DiskPolar p = HeliographicToPolar(e, float(lon), float(lat));
    return PackPosition(int(std::lround(p.Angle)), int(std::lround(p.Dist * 5 / 10)));
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

std::vector<int> csvNumbers(const std::string& line) {
    std::vector<int> out;
    std::stringstream ss(line);
    std::string field;
    int n = 0;
    while (std::getline(ss, field, ';'))
        if (n++ >= 2 && !field.empty()) out.push_back(std::stoi(field));
    return out;
}

const std::string Spaces13(13, ' ');

} // namespace

TEST(ExportTime, HoursAndMinutes) {
    struct Row {
        std::uint16_t time;
        const char* text;
    };
    for (const Row& r : {Row{705, "07 05"}, Row{1200, "12 00"}, Row{0, "00 00"}, Row{2359, "23 59"},
                         Row{1275, "13 15"}, Row{2400, "00 00"}})
        EXPECT_EQ(ExportTime(r.time), r.text) << r.time;
}

TEST(AsciiExport, ByteExactForCentredGroups) {
    std::vector<TZaznam> rs;
    rs.push_back(Record("15.06.2014", 905)); // L0 167.396, B0 1.028
    addGroup(rs.back(), "Dkc", 7, 100, 5);
    TSkupina& b = addGroup(rs.back(), "Bxo", 12, 3);
    b.Pomocna1 = CentrePacked;
    b.Plo1 = 2;
    addGroup(rs.back(), "", 3, 0, 1);
    addGroup(rs.back(), "Bxi", 4, 10);        // a "B" group without auxiliary spot
    rs.push_back(Record("20.03.2024", 1230)); // no groups: no line
    rs.push_back(Record("1.1.2000", 1200));   // L0 1.464, B0 -3.016
    addGroup(rs.back(), "Axx", 100, 1);

    const std::string text = AsciiExportText(rs);
    const std::string expected = "   Datum    \xe8"
                                 "as   \xe8 typ  l   b  ploch lv  bv plo.v\r\n"
                                 "15.06.2014 09 05 07 Dkc 167  01 0138 " +
                                 Spaces13 +
                                 "\r\n"
                                 "15.06.2014 09 05 12 Bxo 167  01 0003 167  01 0002\r\n"
                                 "15.06.2014 09 05 03 *** 167  01 0008 " +
                                 Spaces13 +
                                 "\r\n"
                                 "15.06.2014 09 05 04 Bxi 167  01 0010 " +
                                 Spaces13 +
                                 "\r\n"
                                 "01.01.2000 12 00 100 Axx 001 -03 0001 " +
                                 Spaces13 + "\r\n";
    EXPECT_EQ(text, expected);
}

TEST(AsciiExport, UnreadableDateChangesNothing) {
    std::vector<TZaznam> rs;
    rs.push_back(Record("15.06.2014", 905));
    addGroup(rs.back(), "", 1);
    rs.push_back(Record("31.02.2014", 905));
    addGroup(rs.back(), "Axx", 2);
    try {
        AsciiExportText(rs);
        FAIL() << "expected an error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("31.02.2014"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Záznam 2"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(rs[0].Skupiny[0].Typ.empty());
    EXPECT_THROW(FaculaePositionsText(rs), std::runtime_error);
}

TEST(FaculaePositions, ByteExactForCentredFields) {
    std::vector<TZaznam> rs;
    rs.push_back(Record("15.06.2014", 905));
    rs.back().Rotace = 2151;
    rs.back().L0 = 167;
    rs.back().PocetFakKresleni = 2;
    rs.back().Skupiny[0].Fakule[0] = CentrePacked;
    rs.back().Skupiny[0].Fakule[3] = CentrePacked; // gaps between vertices are skipped
    // Field 2 has no vertex: longitude -500, latitude 0, listed last.
    rs.push_back(Record("20.03.2024", 1230)); // no fields: date and time only
    rs.push_back(Record("01.01.2000", 1200));
    // L0 of the record 300: a longitude of 1 belongs after 360.
    rs.back().Rotace = 1957;
    rs.back().L0 = 300;
    rs.back().PocetFakKresleni = 1;
    rs.back().Skupiny[0].Fakule[0] = CentrePacked;

    const std::string expected =
        "   Datum    \xe8"
        "as     l       b       l       b       l       b       l       b\r\n"
        "15.06.2014;09 05;167;01;-500;00;\r\n"
        "20.03.2024;12 30;\r\n"
        "01.01.2000;12 00;361;-03;\r\n";
    EXPECT_EQ(FaculaePositionsText(rs), expected);
}

TEST(FaculaePositions, FieldsByDecreasingLongitude) {
    const Ephemeris e = SolarEphemeris({2014, 6, 15}, 905); // L0 167.4
    TZaznam z = Record("15.06.2014", 905);
    z.Rotace = 2151;
    z.L0 = 167;
    z.PocetFakKresleni = 3;
    z.Skupiny[1].Fakule[0] = packedAt(e, 130, 10);
    z.Skupiny[1].Fakule[1] = packedAt(e, 132, 12);
    z.Skupiny[2].Fakule[0] = packedAt(e, 200, -20);
    // Field 1 empty.
    std::vector<TZaznam> rs{z};
    const auto ls = lines(FaculaePositionsText(rs));
    ASSERT_EQ(ls.size(), 2u);
    const std::vector<int> n = csvNumbers(ls[1]);
    ASSERT_EQ(n.size(), 6u) << ls[1];
    EXPECT_NEAR(n[0], 200, 1);
    EXPECT_NEAR(n[1], -20, 1);
    EXPECT_NEAR(n[2], 131, 1);
    EXPECT_NEAR(n[3], 11, 1);
    EXPECT_EQ(n[4], -500);
    EXPECT_EQ(n[5], 0);
}

TEST(ExportFiles, WrittenWhereTheProgramExpectsThem) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    std::vector<TZaznam> rs{Record("15.06.2014", 905)};
    addGroup(rs.back(), "Axx", 1);

    GeometryCache geometry;
    geometry.rebuild(rs);
    const auto ascii = WriteAsciiExport(dir, rs, geometry);
    EXPECT_EQ(ascii, tmp.path() / "SoubASCI.dat");
    EXPECT_EQ(ReadWholeFile(ascii), AsciiExportText(rs));

    const auto csv = WriteFaculaePositions(dir, rs);
    EXPECT_EQ(csv, tmp.path() / "CSVsoubory" / "Polohy fakuli.csv");
    EXPECT_EQ(ReadWholeFile(csv), FaculaePositionsText(rs));
}

TEST(ExportFiles, FailedExportKeepsThePreviousFile) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    { std::ofstream(tmp.path() / "SoubASCI.dat", std::ios::binary) << "old"; }
    std::vector<TZaznam> rs{Record("xx.06.2014", 905)};
    GeometryCache geometry;
    geometry.rebuild(rs);
    EXPECT_THROW(WriteAsciiExport(dir, rs, geometry), std::runtime_error);
    EXPECT_EQ(ReadWholeFile(tmp.path() / "SoubASCI.dat"), "old");
    EXPECT_THROW(WriteFaculaePositions(dir, rs), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "CSVsoubory" / "Polohy fakuli.csv"));
}
