// The station's general data: Obecdata.dat read and written, PopisNov.txt,
// the station number row.
#include <gtest/gtest.h>

#include <fstream>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "results/station_data.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

TEST(StationNumber, ThreeDigitsOrEmpty) {
    for (const auto& [value, stored] :
         {std::pair{"", ""}, {"5", "005"}, {"007", "007"}, {"1234", "234"}})
        EXPECT_EQ(NormaliseStationNumber(value), stored) << value;
}

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::array<std::string, StationDataRows> table() {
    std::array<std::string, StationDataRows> t;
    for (int k = 0; k < StationDataRows; ++k)
        t[static_cast<std::size_t>(k)] = "řádek " + std::to_string(k + 1);
    return t;
}

TEST(StationData, ConfirmedTableWrittenAndReadBack) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    StationData current;
    current.row(6) = "rezerva ze souboru";
    auto t = table();
    t[0] = std::string(60, 'x'); // cut to 50
    t[5] = "ignored";            // row 6 is never edited
    t[11] = "7";
    const StationData d = ConfirmStationData(current, t);
    EXPECT_TRUE(d.stationDataGiven);
    EXPECT_EQ(d.row(1), std::string(50, 'x'));
    EXPECT_EQ(d.row(6), "rezerva ze souboru");
    EXPECT_EQ(d.row(12), "007");

    WriteStationData(dir, d);
    const std::string bytes = ReadWholeFile(tmp.path() / "Obecdata.dat");
    EXPECT_EQ(bytes, std::string(50, 'x') + "\r\n\xF8\xE1"
                                            "dek 2\r\n\xF8\xE1"
                                            "dek 3\r\n\xF8\xE1"
                                            "dek 4\r\n"
                                            "\xF8\xE1"
                                            "dek 5\r\nrezerva ze souboru\r\n\xF8\xE1"
                                            "dek 7\r\n\xF8\xE1"
                                            "dek 8\r\n"
                                            "\xF8\xE1"
                                            "dek 9\r\n\xF8\xE1"
                                            "dek 10\r\n\xF8\xE1"
                                            "dek 11\r\n007\r\n\xF8\xE1"
                                            "dek 13\r\n\r\n");

    const StationData back = ReadStationData(dir);
    EXPECT_TRUE(back.stationDataGiven);
    EXPECT_EQ(back.lines, d.lines);
}

TEST(StationData, ReadingTakes13LinesCutTo50) {
    TempDir tmp;
    std::string text;
    for (int k = 1; k <= 15; ++k)
        text += (k == 3 ? std::string(70, 'a') : "line " + std::to_string(k)) + "\n";
    writeBytes(tmp.path() / "OBECDATA.DAT", text);
    const StationData d = ReadStationData(ProgramDir(tmp.path()));
    EXPECT_TRUE(d.stationDataGiven);
    EXPECT_EQ(d.row(3), std::string(50, 'a'));
    EXPECT_EQ(d.row(13), "line 13");
    EXPECT_EQ(d.row(14), "");
    EXPECT_FALSE(ReadStationData(ProgramDir(tmp.path() / "missing")).stationDataGiven);
}

TEST(StationData, PopisNovReplacesItsLinesOnly) {
    TempDir tmp;
    std::string text;
    for (int k = 1; k <= 13; ++k)
        text += "soubor " + std::to_string(k) + "\r\n";
    writeBytes(tmp.path() / "Obecdata.dat", text);
    writeBytes(tmp.path() / "PopisNov.txt", "popis 1\r\npopis 2\r\npopis 3");
    const StationData d = ReadStationData(ProgramDir(tmp.path()));
    EXPECT_EQ(d.row(1), "popis 1");
    EXPECT_EQ(d.row(3), "popis 3");
    EXPECT_EQ(d.row(4), "soubor 4");
    EXPECT_EQ(d.row(13), "soubor 13");
}

} // namespace
