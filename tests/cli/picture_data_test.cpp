// render ... --data FILE.csv: the table of a picture holds the numbers of the
// model the picture is painted from, with or without the picture itself.
#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

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

using Table = std::vector<std::vector<std::string>>; // rows of cells, header first

Table readCsv(const std::filesystem::path& file) {
    Table t;
    std::istringstream in(ReadWholeFile(file, 1 << 24));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::size_t a = 0;
        for (std::size_t b; (b = line.find(',', a)) != std::string::npos; a = b + 1)
            cells.push_back(line.substr(a, b - a));
        cells.push_back(line.substr(a));
        t.push_back(std::move(cells));
    }
    return t;
}

double number(const std::string& cell) {
    return cell.empty() ? NAN : std::stod(cell);
}

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
    const GraphModel graph = BuildGraphModel(graphData, 800, GraphView::All, 2);
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

    const struct {
        std::string command;
        std::function<void(const Table&)> check;
    } pictures[] = {
        {"render graph DIR --series position",
         [&](const Table& t) {
             ASSERT_EQ(t.size(), graphData.days.size() + 1);
             EXPECT_EQ(t[0].size(), 4u);
             for (std::size_t k = 0; k < graphData.days.size(); ++k) {
                 EXPECT_EQ(number(t[k + 1][1]), graphData.C[k]);
                 EXPECT_EQ(number(t[k + 1][2]), graphData.A[k]);
                 EXPECT_EQ(number(t[k + 1][3]), graphData.B[k]);
             }
         }},
        {"render asymmetry DIR --series r --kind ratio --period month",
         [&](const Table& t) {
             ASSERT_EQ(t.size(), asymmetry.columns.size() + 1);
             for (std::size_t i = 0; i < asymmetry.columns.size(); ++i)
                 EXPECT_NEAR(number(t[i + 1][1]), asymmetry.columns[i].value, 0.0005);
         }},
        {"render asymmetry DIR --series f --kind difference --period record",
         [&](const Table& t) {
             ASSERT_EQ(t.size(), perRecord.body.size() + 1);
             EXPECT_EQ(number(t[7][1]), perRecord.body[6].value);
         }},
        {"render butterfly DIR --mean --smoothed --bounds --latitude-scale 9",
         [&](const Table& t) {
             const GroupLatitudes& v = butterfly.latitudes;
             ASSERT_GE(t.size(), std::size_t(v.rotationCount) + 1);
             std::size_t marks = 0;
             for (std::size_t r = 1; r < t.size(); ++r) {
                 EXPECT_EQ(t[r][0], std::to_string(butterfly.firstRotation + int(r) - 1));
                 EXPECT_NEAR(number(t[r][1]), v.rotation(int(r)).North, 0.0005);
                 EXPECT_NEAR(number(t[r][2]), v.rotation(int(r)).South, 0.0005);
                 for (std::size_t c = 9; c < t[r].size(); ++c)
                     marks += !t[r][c].empty();
             }
             EXPECT_EQ(marks, butterfly.marks.size());
             const ButterflyMark& first = butterfly.marks.front();
             EXPECT_NEAR(number(t[std::size_t(first.r)][9]), first.m[8] / 9.0, 0.0005);
         }},
        {"render map DIR --rotation " + std::to_string(rotation),
         [&](const Table& t) {
             ASSERT_GT(map.legendMeans.size(), 0u);
             ASSERT_EQ(t.size(), map.legendMeans.size() + 1);
             for (std::size_t i = 0; i < map.legendMeans.size(); ++i) {
                 EXPECT_EQ(t[i + 1][0], std::to_string(map.legendMeans[i].slot));
                 // As the legend prints them: latitude over longitude.
                 EXPECT_EQ(number(t[i + 1][1]), std::stod(map.legend[2 * i].text));
                 EXPECT_EQ(number(t[i + 1][2]), std::stod(map.legend[2 * i + 1].text));
             }
         }},
        {"render protocol DIR " + std::to_string(protocol.month) + "." +
             std::to_string(protocol.year) + " --own",
         [&](const Table& t) {
             ASSERT_EQ(t.size(), protocol.days.size() + 3); // the days, the sum and the mean
             for (std::size_t i = 0; i < protocol.days.size(); ++i) {
                 const ProtocolDay& d = protocol.days[i];
                 EXPECT_EQ(t[i + 1][1], d.observed ? std::to_string(d.time) : "");
                 EXPECT_EQ(t[i + 1][4], d.observed ? std::to_string(d.values[2]) : "");
             }
             EXPECT_EQ(number(t[t.size() - 2][4]), protocol.sums[2]);
             EXPECT_NEAR(number(t.back()[4]), protocol.mean(ProtocolColumn::R), 0.0005);
         }},
        {"render drawing DIR --record 41",
         [&](const Table& t) {
             const TZaznam& z = records[40];
             ASSERT_EQ(t.size(), std::size_t(z.groupCount()) + 1);
             const auto e = session.geometry().ephemeris(41);
             ASSERT_TRUE(e.has_value());
             for (int k = 0; k < z.groupCount(); ++k) {
                 const auto& row = t[std::size_t(k) + 1];
                 const Heliographic h =
                     PolarToHeliographic(*e, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd);
                 EXPECT_NEAR(number(row[4]), h.Lat, 0.05);
                 EXPECT_NEAR(number(row[5]), h.Lon, 0.05);
             }
         }},
        {"yearly-table 2024",
         [&](const Table& t) {
             ASSERT_EQ(t.size(), 367u);
             std::size_t starts = 0;
             for (std::size_t i = 0; i < year.days.size(); ++i) {
                 EXPECT_EQ(number(t[i + 1][1]), std::stod(year.days[i].L0));
                 if (t[i + 1].size() > 4 && !t[i + 1][4].empty()) {
                     ASSERT_LT(starts, year.starts.size());
                     EXPECT_EQ(number(t[i + 1][4]), year.starts[starts++].CarrRotation);
                 }
             }
             EXPECT_EQ(starts, year.starts.size());
         }},
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
        picture.check(readCsv(csv));
    }
    // Only the tables were written beside the program directory.
    int files = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, n + 1);
    // Neither file: a usage error.
    EXPECT_EQ(RunCli("render graph --series g " + ShellQuoted(root)).status, 2);
    EXPECT_EQ(RunCli("render map " + ShellQuoted(root) + " --rotation " + std::to_string(rotation) +
                     " --kind long --data " + ShellQuoted(dir.path() / "x.csv"))
                  .status,
              2);
}

} // namespace
