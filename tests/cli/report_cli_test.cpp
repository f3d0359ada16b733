// heliokres-cli report on a program directory made here: the files are the
// bytes the results window builds; the refusals of report and stats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_file.h"
#include "results/cv_report.h"
#include "results/intersol_report.h"
#include "results/own_report.h"
#include "results/sidc_report.h"
#include "results/station_data.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

TZaznam drawing(const char* date, std::uint16_t time, const char* observer, int groups) {
    TZaznam z = Record(date, time, observer);
    z.Q = 2;
    for (int k = 0; k < groups; ++k)
        AddGroup(z, k % 2 ? "Dao" : "Cso", k % 2 ? 1800 : 0, 500, 20 * k, 3 + k);
    z.Souhrn = StoredSummary(z, *RecordEphemeris(z));
    return z;
}

// A program directory with drawings of two observers from January to April
// 2005 and its general data.
class ReportDir : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* dates[] = {"03.01.2005", "04.01.2005", "05.02.2005", "05.02.2005",
                               "17.02.2005", "21.02.2005", "01.03.2005", "12.04.2005"};
        std::uint16_t time = 700;
        for (const char* d : dates) {
            records.push_back(
                drawing(d, time, time % 200 ? "Dvořák Petr" : "Novák Jan", 1 + time % 3));
            time = static_cast<std::uint16_t>(time + 100);
        }
        WriteRecordFile(tmp.path() / "datax.dat", records);
        std::array<std::string, StationDataRows> rows;
        for (int k = 0; k < StationDataRows; ++k)
            rows[static_cast<std::size_t>(k)] = "údaj " + std::to_string(k + 1);
        data = ConfirmStationData(StationData{}, rows);
        WriteStationData(tmp.path() / "Obecdata.dat", data);
        std::ofstream(tmp.path() / "pozorovateleP.dat", std::ios::binary)
            << "12,Nov\xE1k Jan,Ulice 1,M\xECsto,10000,\r\n";
    }

    std::string dir() const { return "'" + tmp.path().string() + "'"; }
    std::string bytes(const std::string& relative) const {
        return ReadWholeFile(tmp.path() / relative);
    }

    TempDir tmp;
    std::vector<TZaznam> records;
    StationData data;
    static constexpr std::size_t february = 2; // first drawing of February 2005
};

TEST_F(ReportDir, SidcCvAndOwnFilesAreTheWindowsBytes) {
    CliRun r = RunCli("report sidc " + dir() + " 2.2005");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, (tmp.path() / "Mesice" / "200502.txt").string() + "\n");
    EXPECT_EQ(bytes("Mesice/200502.txt"),
              ReportBytes(BuildSidcReport(records, GeometryCache::of(records), february, data)));

    r = RunCli("report cv " + dir() + " 2,2005 --observer 'Novák Jan'");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(bytes("CVdata/CV-02_2005.Txt"),
              ReportBytes(
                  BuildCvReport(records, GeometryCache::of(records), february, "Novák Jan", data)));

    r = RunCli("report own " + dir() + " 02.2005");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, (tmp.path() / "Vlastni" / "VL-02_2005.Txt").string() + "\n" +
                         (tmp.path() / "Vlastni" / "VLR-02_2005.Txt").string() + "\n");
    const OwnReport own = BuildOwnReport(records, february, data);
    EXPECT_EQ(bytes("Vlastni/VL-02_2005.Txt"), ReportBytes(own.basic));
    EXPECT_EQ(bytes("Vlastni/VLR-02_2005.Txt"), ReportBytes(own.extended));
}

TEST_F(ReportDir, ExistingSidcFileIsKeptWithoutForce) {
    std::filesystem::create_directory(tmp.path() / "MESICE");
    std::ofstream(tmp.path() / "MESICE" / "200502.txt") << "older report";
    const CliRun refused = RunCli("report sidc " + dir() + " 2.2005", true);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Soubor již existuje !\n   Přepsat?"), std::string::npos);
    EXPECT_EQ(bytes("MESICE/200502.txt"), "older report");
    ASSERT_EQ(RunCli("report sidc " + dir() + " 2.2005 --force").status, 0);
    EXPECT_EQ(bytes("MESICE/200502.txt").rfind("SIDC200502", 0), 0u);
}

TEST_F(ReportDir, InterSolProtocolAndObserverTable) {
    CliRun r = RunCli("report intersol " + dir() + " 2.2005 --observer 'Novák Jan'");
    ASSERT_EQ(r.status, 0);
    // The number and the address come from the observer table.
    EXPECT_EQ(r.out, (tmp.path() / "Intersol" / "0502_012.txt").string() + "\n");
    const InterSolTable t = BuildInterSolTable(records, "2.2005", "Novák Jan", "12");
    const InterSolObserver who{"Novák Jan", data.row(10), "Ulice 1  Město  10000", data.row(7)};
    EXPECT_EQ(bytes("Intersol/0502_012.txt"),
              ReportBytes(BuildInterSolProtocol(t, who, "12", data, DefaultInterSolRecipient())));

    // A new observer is added to the table with the number given.
    r = RunCli("report intersol " + dir() + " 2.2005 --observer 'Dvořák Petr' --number 7");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("0502_007.txt\n"), std::string::npos);
    EXPECT_NE(bytes("pozorovateleP.dat").find("7,Dvo\xF8\xE1k Petr,"), std::string::npos);
}

TEST_F(ReportDir, RefusalsWriteNothing) {
    const struct {
        const char* name;
        const char* args; // after "report", DIR inserted at %
        int status;
        const char* message;
    } rows[] = {
        {"MonthWithoutDrawings", "sidc % 6.2005", 1, " Poalední záznam je z 12.04.2005"},
        {"UnknownKind", "monthly % 2.2005", 2, "neznámý druh zprávy"},
        {"CvWithoutObserver", "cv % 2.2005", 2, "--observer"},
        {"NumberOutsideInterSol", "sidc % 2.2005 --number 3", 2, "--number"},
        {"InterSolUnsafeNumber", "intersol % 2.2005 --observer 'Novák Jan' --number ../1", 1,
         "nevybrán pozorovatel"},
        {"MissingDirectory", "sidc %/none 2.2005", 1, "neexistuje"},
    };
    for (const auto& r : rows) {
        std::string args = r.args;
        args.replace(args.find('%'), 1, dir());
        const CliRun run = RunCli("report " + args, true);
        EXPECT_EQ(run.status, r.status) << r.name;
        EXPECT_NE(run.out.find(r.message), std::string::npos) << r.name << "\n" << run.out;
        EXPECT_FALSE(std::filesystem::exists(tmp.path() / "Mesice")) << r.name;
        EXPECT_FALSE(std::filesystem::exists(tmp.path() / "Intersol")) << r.name;
    }
    std::filesystem::remove(tmp.path() / "datax.dat");
    EXPECT_EQ(RunCli("report sidc " + dir() + " 2.2005").status, 1);
}

} // namespace
