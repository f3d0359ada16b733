// heliokres-cli stats rotations on a hand-made directory of three rotations,
// cell by cell: the columns of each hemisphere in their places, a rotation
// without groups, the classes counted once per group.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "geometry/calendar.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "records/record_file.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test;

namespace {

std::string fixed(double v, int decimals) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", decimals, v);
    return b;
}

// Three rotations: the first with group 1 seen twice (classes C, then D) in
// the north and group 2 (B) in the south, the second with group 3 (H) in the
// north, the third without groups. Every group lies near the central
// meridian with L0 well away from 0, so each belongs to its record's rotation.
struct Fixture {
    TempDir dir;
    std::vector<TZaznam> records;

    Fixture() {
        int day = DaySerial({2016, 4, 1});
        auto L0 = [](int d) {
            return RecordEphemeris(RotationRecord(FormatDatum(DateFromSerial(d)).c_str()))->L0;
        };
        while (L0(day) < 150 || L0(day) > 250)
            ++day;
        auto at = [](int d) { return RotationRecord(FormatDatum(DateFromSerial(d)).c_str()); };
        TZaznam a = at(day), b = at(day + 2), c = at(day + 27), d = at(day + 54);
        AddGroupAt(a, L0(day) + 10, 10, 1, "Cao");
        AddGroupAt(a, L0(day) - 5, -20, 2, "Bxo");
        AddGroupAt(b, L0(day + 2) + 8, 10.4, 1, "Dao");
        AddGroupAt(c, L0(day + 27) - 10, 15, 3, "Hsx");
        records = {a, b, c, d};
        WriteRecordFile(dir.path() / "datax.dat", records);
    }
};

} // namespace

TEST(StatsRotations, ThreeRotationsCellByCell) {
    const Fixture f;
    ASSERT_EQ(f.records[3].Rotace, f.records[0].Rotace + 2);
    const GeometryCache g = GeometryCache::of(f.records);
    const double n1 = g.groups(1)[0].Lat, s1 = g.groups(1)[1].Lat, n2 = g.groups(2)[0].Lat;
    const double n3 = g.groups(3)[0].Lat;
    const auto tenths = [](double lat) { return std::nearbyint(10 * lat) / 10; };
    const float north1 = (static_cast<float>(n1) + static_cast<float>(n2)) / 2;

    const CliRun run = RunCli("stats " + ShellQuoted(f.dir.path()) + " rotations");
    ASSERT_EQ(run.status, 0) << run.out;
    const int r0 = f.records[0].Rotace;
    const std::string expected =
        "Rotace;   Sev.;   Jih;   Sev.;   Jih;   Sev.;   Jih; S max; S min; J max; J min; Asym;"
        "   A;   B;   C;   D;   E;   F;   H\n" +
        std::to_string(r0) + ";1;1;" + fixed(north1, 2) + ";" + fixed(s1, 2) + ";---;---;" +
        fixed(tenths(std::max(n1, n2)), 1) + ";" + fixed(tenths(std::min(n1, n2)), 1) + ";" +
        fixed(tenths(s1), 1) + ";" + fixed(tenths(s1), 1) + ";" +
        fixed(double(north1) + float(s1), 2) + ";0;1;0;1;0;0;0\n" + std::to_string(r0 + 1) +
        ";1;0;" + fixed(n3, 2) + ";.00;---;---;" + fixed(tenths(n3), 1) + ";" +
        fixed(tenths(n3), 1) + ";.0;.0;" + fixed(n3, 2) + ";0;0;0;0;0;0;1\n" +
        std::to_string(r0 + 2) +
        ";----;----;----;----;---;---;----;----;----;----;----;----;----;----;----;----;----;"
        "----\n";
    EXPECT_EQ(run.out, expected);
}
