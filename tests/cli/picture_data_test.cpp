// render ... --data FILE.csv: the table of a picture holds the numbers of the
// model the picture is painted from, with or without the picture itself.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "cli/csv_table.h"
#include "drawing/coordinate_table.h"
#include "geometry/transforms.h"
#include "graphs/butterfly_model.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "io/atomic_file.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/session.h"
#include "results/protocol_data.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

TEST(PictureData, EachPictureTabulatesItsModel) {
    TempDir dir;
    const std::filesystem::path root = dir.path() / "d";
    ASSERT_EQ(RunCli("demo " + ShellQuoted(root) + " --years 2 --seed 5").status, 0);
    Session session(root);
    session.load({2030, 1, 1});
    const auto records = session.records();
    const int rotation = records[40].Rotace;

    const GraphData graphData =
        BuildGraphData(records, session.geometry(), GraphQuantity::Position);
    const AsymmetryTables tables = ComputeAsymmetry(records);
    const AsymmetryGraph asymmetry =
        BuildAsymmetryGraph(records, tables, 3, AsymmetryKind::Ratio, AsymmetryPeriod::Monthly);
    const AsymmetryGraph perRecord = BuildAsymmetryGraph(
        records, tables, 2, AsymmetryKind::Difference, AsymmetryPeriod::PerRecord);
    const ButterflyModel butterfly =
        MakeButterflyModel(records, session.geometryWithPoints(), {}, CoronaTable{});
    const ProtocolData protocol = BuildProtocolData(records, 0, StationData{});
    const CoordinateYear year = MakeCoordinateYear(2024);
    const SynopticMap map =
        MakeSynopticMap(records, session.geometryWithPoints(), RotationIndex::of(records), rotation,
                        MapScale(1200, 820));

    // Each table: a row per item of the model the picture is painted from
    // (after the header), and a cell of it with the model's number.
    const struct {
        std::string command;
        std::size_t rows;
        std::function<void(const CsvTable&)> check;
    } pictures[] = {
        {"render graph DIR --series position", graphData.days.size(),
         [&](const CsvTable& t) {
             EXPECT_EQ(t[0].size(), 4u);
             EXPECT_EQ(CsvNumber(t.back()[3]), graphData.B.back());
         }},
        {"render asymmetry DIR --series r --kind ratio --period month", asymmetry.columns.size(),
         [&](const CsvTable& t) {
             EXPECT_NEAR(CsvNumber(t[1][1]), asymmetry.columns[0].value, 5e-4);
         }},
        {"render asymmetry DIR --series f --kind difference --period record", perRecord.body.size(),
         [&](const CsvTable& t) { EXPECT_EQ(CsvNumber(t[7][1]), perRecord.body[6].value); }},
        {"render butterfly DIR --mean --smoothed --bounds --latitude-scale 9",
         std::size_t(butterfly.latitudes.rotationCount),
         [&](const CsvTable& t) {
             EXPECT_EQ(t[1][0], std::to_string(butterfly.firstRotation));
             for (std::size_t r = 1; r < t.size(); ++r)
                 EXPECT_NEAR(CsvNumber(t[r][2]), butterfly.latitudes.rotation(int(r)).South, 5e-4);
             const ButterflyMark& first = butterfly.marks.front();
             EXPECT_NEAR(CsvNumber(t[std::size_t(first.r)][9]), first.m[8] / 9.0, 5e-4);
         }},
        // As the legend prints them: latitude over longitude.
        {"render map DIR --rotation " + std::to_string(rotation), map.legendMeans.size(),
         [&](const CsvTable& t) {
             EXPECT_EQ(t[1][0], std::to_string(map.legendMeans[0].slot));
             EXPECT_EQ(CsvNumber(t[1][2]), std::stod(map.legend[1].text));
         }},
        // The days, the sum and the mean.
        {"render protocol DIR " + std::to_string(protocol.month) + "." +
             std::to_string(protocol.year) + " --own",
         protocol.days.size() + 2,
         [&](const CsvTable& t) {
             for (std::size_t i = 0; i < protocol.days.size();
                  ++i) // an empty cell without a drawing
                 EXPECT_EQ(t[i + 1][4], protocol.days[i].observed
                                            ? std::to_string(protocol.days[i].values[2])
                                            : "");
             EXPECT_EQ(CsvNumber(t[t.size() - 2][4]), protocol.sums[2]);
             EXPECT_NEAR(CsvNumber(t.back()[4]), protocol.mean(ProtocolColumn::R), 5e-4);
         }},
        {"render drawing DIR --record 41", std::size_t(records[40].groupCount()),
         [&](const CsvTable& t) {
             const TSkupina& g = records[40].Skupiny[0];
             const Heliographic h =
                 PolarToHeliographic(*session.geometry().ephemeris(41), g.Uhel, g.Vzd);
             EXPECT_NEAR(CsvNumber(t[1][4]), h.Lat, 0.05);
             EXPECT_NEAR(CsvNumber(t[1][5]), h.Lon, 0.05);
         }},
        {"yearly-table 2024", year.days.size(),
         [&](const CsvTable& t) { EXPECT_EQ(CsvNumber(t[60][1]), std::stod(year.days[59].L0)); }},
    };
    int n = 0;
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.command);
        const std::filesystem::path csv = dir.path() / (std::to_string(++n) + ".csv");
        std::string command = picture.command;
        if (const std::size_t at = command.find("DIR"); at != std::string::npos)
            command.replace(at, 3, ShellQuoted(root));
        const CliRun r = RunCli(command + " --data " + ShellQuoted(csv), true);
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(r.out, csv.string() + "\n");
        const CsvTable t = ReadCsvTable(csv);
        ASSERT_EQ(t.size(), picture.rows + 1);
        ASSERT_GT(picture.rows, 0u);
        picture.check(t);
    }
    // Only the tables were written beside the program directory.
    int files = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, n + 1);
}

} // namespace
