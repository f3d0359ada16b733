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

struct CisloCase {
    const char* name;
    const char* value;
    const char* stored;
};

class CisloSL : public ::testing::TestWithParam<CisloCase> {};

TEST_P(CisloSL, ThreeDigitsOrEmpty) {
    EXPECT_EQ(NormaliseCisloSL(GetParam().value), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, CisloSL,
                         ::testing::Values(CisloCase{"Empty", "", ""}, CisloCase{"One", "5", "005"},
                                           CisloCase{"Three", "007", "007"},
                                           CisloCase{"FourKeepsTheLastThree", "1234", "234"}),
                         [](const auto& info) { return info.param.name; });

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::array<std::string, ObecnaDataRadku> table() {
    std::array<std::string, ObecnaDataRadku> t;
    for (int k = 0; k < ObecnaDataRadku; ++k)
        t[static_cast<std::size_t>(k)] = "řádek " + std::to_string(k + 1);
    return t;
}

TEST(ObecnaData, ConfirmedTableWrittenAndReadBack) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    ObecnaData current;
    current.row(6) = "rezerva ze souboru";
    auto t = table();
    t[0] = std::string(60, 'x'); // cut to 50
    t[5] = "ignored";            // row 6 is never edited
    t[11] = "7";
    const ObecnaData d = ConfirmObecnaData(current, t);
    EXPECT_TRUE(d.ObecnaDataZadana);
    EXPECT_EQ(d.row(1), std::string(50, 'x'));
    EXPECT_EQ(d.row(6), "rezerva ze souboru");
    EXPECT_EQ(d.row(12), "007");

    WriteObecnaData(dir, d);
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

    const ObecnaData back = ReadObecnaData(dir);
    EXPECT_TRUE(back.ObecnaDataZadana);
    EXPECT_EQ(back.Radky, d.Radky);
}

TEST(ObecnaData, ReadingTakes13LinesCutTo50) {
    TempDir tmp;
    std::string text;
    for (int k = 1; k <= 15; ++k)
        text += (k == 3 ? std::string(70, 'a') : "line " + std::to_string(k)) + "\n";
    writeBytes(tmp.path() / "OBECDATA.DAT", text);
    const ObecnaData d = ReadObecnaData(ProgramDir(tmp.path()));
    EXPECT_TRUE(d.ObecnaDataZadana);
    EXPECT_EQ(d.row(3), std::string(50, 'a'));
    EXPECT_EQ(d.row(13), "line 13");
    EXPECT_EQ(d.row(14), "");
}

TEST(ObecnaData, MissingFileLeavesEmptyRows) {
    TempDir tmp;
    const ObecnaData d = ReadObecnaData(ProgramDir(tmp.path()));
    EXPECT_FALSE(d.ObecnaDataZadana);
    EXPECT_EQ(d.row(2), "");
}

TEST(ObecnaData, PopisNovReplacesItsLinesOnly) {
    TempDir tmp;
    std::string text;
    for (int k = 1; k <= 13; ++k)
        text += "soubor " + std::to_string(k) + "\r\n";
    writeBytes(tmp.path() / "Obecdata.dat", text);
    writeBytes(tmp.path() / "PopisNov.txt", "popis 1\r\npopis 2\r\npopis 3");
    const ObecnaData d = ReadObecnaData(ProgramDir(tmp.path()));
    EXPECT_EQ(d.row(1), "popis 1");
    EXPECT_EQ(d.row(3), "popis 3");
    EXPECT_EQ(d.row(4), "soubor 4");
    EXPECT_EQ(d.row(13), "soubor 13");
}

} // namespace
