// SoubASCI.dat and Polohy fakuli.csv: byte-exact lines for records whose
// positions lie at the disk centre (longitude = L0, latitude = B0 of the
// worked orientation values, of both signs).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

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

// Lines ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace

TEST(ExportTime, HoursAndMinutes) {
    const std::pair<std::uint16_t, const char*> rows[] = {{705, "07 05"},  {1200, "12 00"},
                                                          {0, "00 00"},    {2359, "23 59"},
                                                          {1275, "13 15"}, {2400, "00 00"}};
    for (const auto& [time, text] : rows)
        EXPECT_EQ(ExportTime(time), text) << time;
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

    const std::string blank = " " + std::string(13, ' ');
    EXPECT_EQ(AsciiExportText(rs), Lines({"   Datum    \xe8"
                                          "as   \xe8 typ  l   b  ploch lv  bv plo.v",
                                          "15.06.2014 09 05 07 Dkc 167  01 0138" + blank,
                                          "15.06.2014 09 05 12 Bxo 167  01 0003 167  01 0002",
                                          "15.06.2014 09 05 03 *** 167  01 0008" + blank,
                                          "15.06.2014 09 05 04 Bxi 167  01 0010" + blank,
                                          "01.01.2000 12 00 100 Axx 001 -03 0001" + blank}));
}

TEST(AsciiExport, UnreadableDateChangesNothing) {
    std::vector<TZaznam> rs;
    rs.push_back(Record("15.06.2014", 905));
    addGroup(rs.back(), "", 1);
    rs.push_back(Record("31.02.2014", 905));
    addGroup(rs.back(), "Axx", 2);
    // Both exports name the record and its date.
    for (const auto& text : {+[](std::span<const TZaznam> r) { AsciiExportText(r); },
                             +[](std::span<const TZaznam> r) { FaculaePositionsText(r); }}) {
        try {
            text(rs);
            FAIL() << "expected an error";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("31.02.2014"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("Záznam 2"), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(rs[0].Skupiny[0].Typ.empty());
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

    EXPECT_EQ(FaculaePositionsText(rs),
              Lines({"   Datum    \xe8"
                     "as     l       b       l       b       l       b       l       b",
                     "15.06.2014;09 05;167;01;-500;00;", "20.03.2024;12 30;",
                     "01.01.2000;12 00;361;-03;"}));
}

// Written where the program expects them; a failed export keeps the previous file.
TEST(ExportFiles, WrittenWhereTheProgramExpectsThemOrNotAtAll) {
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

    TempDir other;
    const ProgramDir failing(other.path());
    WriteFileAtomic(other.path() / "SoubASCI.dat", "old");
    rs = {Record("xx.06.2014", 905)};
    geometry.rebuild(rs);
    EXPECT_THROW(WriteAsciiExport(failing, rs, geometry), std::runtime_error);
    EXPECT_EQ(ReadWholeFile(other.path() / "SoubASCI.dat"), "old");
    // A text written in pieces that fails after its first piece: the same,
    // and its temporary file is gone.
    const auto failingPieces = [](const auto& write) {
        write("new");
        throw std::runtime_error("failed");
    };
    EXPECT_THROW(WriteFileAtomic(other.path() / "SoubASCI.dat", failingPieces), std::runtime_error);
    EXPECT_EQ(ReadWholeFile(other.path() / "SoubASCI.dat"), "old");
    for (const auto& entry : std::filesystem::directory_iterator(other.path()))
        EXPECT_FALSE(IsOwnTempFileName(entry.path().filename().string()));
    EXPECT_THROW(WriteFaculaePositions(failing, rs), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(other.path() / "CSVsoubory" / "Polohy fakuli.csv"));
}

// Lines wider than the usual width make the buffer grow, every line whole.
TEST(AsciiExportBuffer, WidestLinesGrowTheBufferIntact) {
    // 200 records of 40 groups, every number at its widest: several times
    // the room estimated from the usual line width.
    std::vector<TZaznam> rs;
    for (int r = 0; r < 200; ++r) {
        rs.push_back(Record("15.06.2014", 905)); // centre: l 167, b 1
        for (int k = 0; k < MaxGroups; ++k) {
            TSkupina& g = addGroup(rs.back(), "Bxo", 65535, 65535, 65535);
            g.Pomocna1 = CentrePacked;
            g.Plo1 = 65535;
        }
    }
    const std::string line = "15.06.2014 09 05 65535 Bxo 167  01 563601 167  01 65535\r\n";
    const TextBuffer text = AsciiExportBuffer(rs, GeometryCache::of(rs));
    const std::string_view all = text.view();
    const std::size_t headerEnd = all.find("\r\n") + 2;
    ASSERT_EQ(all.size(), headerEnd + rs.size() * MaxGroups * line.size());
    for (std::size_t at = headerEnd; at < all.size(); at += line.size())
        ASSERT_EQ(all.substr(at, line.size()), line) << "at byte " << at;
}
