// The demo data: the same for a seed, drawings that look like a station's,
// and a program directory whose files the start-up reads.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "core/store_fixtures.h"
#include "demo/demo.h"
#include "geometry/transforms.h"
#include "records/session.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

// Cycle 24: minimum at the end of 2008, maximum 2014, minimum 2019.
DemoOptions cycle24() {
    DemoOptions o;
    o.years = 11;
    o.perYear = 120;
    o.seed = 7;
    o.endDate = {2019, 12, 31};
    return o;
}

const std::vector<TZaznam>& cycle24Records() {
    static const std::vector<TZaznam> records = GenerateDemoRecords(cycle24());
    return records;
}

TEST(Demo, SameSeedSameDataOtherSeedOtherData) {
    DemoOptions o = cycle24();
    o.years = 2;
    const std::string a = Bytes(GenerateDemoRecords(o));
    EXPECT_EQ(Bytes(GenerateDemoRecords(o)), a);
    o.seed = 8;
    EXPECT_NE(Bytes(GenerateDemoRecords(o)), a);
}

TEST(Demo, RecordsAreSortedDatedAndSummarisedLikeStoredEntries) {
    const auto& records = cycle24Records();
    ASSERT_GT(records.size(), 11u * 100);
    ASSERT_LT(records.size(), 11u * 140);
    std::set<double> keys;
    for (const TZaznam& z : records) {
        const auto key = RecordKey(z);
        ASSERT_TRUE(key) << z.Datum.text();
        EXPECT_TRUE(keys.insert(*key).second) << "duplicate " << z.Datum.text() << " " << z.Cas;
        const Ephemeris e = *RecordEphemeris(z);
        EXPECT_EQ(z.Rotace, e.CarrRotation);
        const TSouhrn s = StoredSummary(z, e);
        EXPECT_EQ(std::memcmp(&s, &z.Souhrn, sizeof s), 0) << z.Datum.text();
        EXPECT_LE(z.Cas % 100, 59);
        EXPECT_LT(z.Cas, 2400);
    }
    EXPECT_TRUE(
        std::is_sorted(records.begin(), records.end(), [](const TZaznam& a, const TZaznam& b) {
            return *RecordKey(a) < *RecordKey(b);
        }));
    EXPECT_EQ(records.front().NastaveniKresby, 125);
    EXPECT_EQ(RecordDate(records.front())->year, 2009);
    EXPECT_EQ(RecordDate(records.back())->year, 2019);
}

TEST(Demo, GroupsAreConsistentWithTheirClasses) {
    for (const TZaznam& z : cycle24Records()) {
        const bool special = !z.Zvlastni.empty();
        for (int k = 0; k < z.PocetSkupin; ++k) {
            const TSkupina& g = z.Skupiny[k];
            const std::string typ(g.Typ.raw());
            SCOPED_TRACE(z.Datum.text() + " group " + std::to_string(k + 1) + " " + typ);
            EXPECT_GE(g.Poc, 1);
            EXPECT_LE(g.SPen + g.MalS, g.Poc);
            EXPECT_LE(g.Vzd, 1250);
            EXPECT_LT(g.Uhel, 3600);
            EXPECT_LE(g.CSk2, 70);
            EXPECT_GE(g.CSk1, 1);
            if (special) {
                EXPECT_EQ(typ, "***");
                continue;
            }
            ASSERT_NE(TypySkupinIndex(typ), 0);
            switch (typ[0]) {
            case 'A':
                EXPECT_TRUE(g.Poc == 1 && g.SPen == 0);
                break;
            case 'B':
                EXPECT_TRUE(g.Poc >= 2 && g.SPen == 0);
                break;
            default:
                EXPECT_GE(g.SPen, 1);
            }
            if (typ[0] == 'F') {
                EXPECT_GE(g.Plocha + g.MalS * 15.3, 60 * 0.1);
            }
        }
        for (int k = z.PocetSkupin; k < MaxSkupin; ++k)
            EXPECT_EQ(z.Skupiny[k].Typ.raw(), "***");
        for (int k = 0; k < z.PocetFakKresleni; ++k) {
            int used = 0;
            for (std::uint16_t v : z.Skupiny[k].Fakule)
                used += v != 0;
            EXPECT_GE(used, 3);
            for (std::uint16_t v : z.Skupiny[k].Fakule)
                if (v) {
                    EXPECT_LE(UnpackPosition(v).dist, 125);
                }
        }
        EXPECT_GE(z.PocetFakuli, z.PocetFakKresleni);
    }
}

TEST(Demo, HoldsEveryKindOfRecord) {
    std::set<std::string> observers, stations;
    int special = 0, markers = 0, numbered = 0, auxiliary = 0, faculae = 0;
    for (const TZaznam& z : cycle24Records()) {
        observers.insert(z.Pozorovatel.text());
        stations.insert(z.Stanice.text());
        special += !z.Zvlastni.empty();
        numbered += z.CisloZakresu != 0;
        faculae += z.PocetFakKresleni > 0;
        bool allMarkers = z.PocetSkupin > 0;
        for (int k = 0; k < z.PocetSkupin; ++k) {
            allMarkers = allMarkers && (IsNorthMarker(z.Skupiny[k]) || IsSouthMarker(z.Skupiny[k]));
            auxiliary += z.Skupiny[k].Pomocna1 != 0 && z.Skupiny[k].Pomocna2 != 0;
        }
        markers += allMarkers;
    }
    EXPECT_EQ(observers.size(), 5u);
    EXPECT_GE(stations.size(), 3u);
    EXPECT_GE(special, 3);
    EXPECT_GE(markers, 3);
    EXPECT_GT(numbered, 1000);
    EXPECT_GT(auxiliary, 500);
    EXPECT_GT(faculae, 300);
}

struct YearStats {
    int records = 0, groups = 0;
    double absLatitude = 0;
};

std::map<int, YearStats> statsByYear(const std::vector<TZaznam>& records) {
    std::map<int, YearStats> years;
    for (const TZaznam& z : records) {
        if (!z.Zvlastni.empty()) continue;
        YearStats& y = years[RecordDate(z)->year];
        ++y.records;
        const Ephemeris e = *RecordEphemeris(z);
        for (int k = 0; k < z.PocetSkupin; ++k) {
            if (IsNorthMarker(z.Skupiny[k]) || IsSouthMarker(z.Skupiny[k])) continue;
            ++y.groups;
            y.absLatitude +=
                std::fabs(PolarToHeliographic(e, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd).Lat);
        }
    }
    for (auto& [year, y] : years)
        y.absLatitude /= std::max(1, y.groups);
    return years;
}

TEST(Demo, FollowsTheCycleAndTheButterfly) {
    const auto years = statsByYear(cycle24Records());
    auto perRecord = [&](int year) {
        return double(years.at(year).groups) / years.at(year).records;
    };
    // Few groups at the minima, many at the maximum.
    EXPECT_GT(perRecord(2014), 3 * perRecord(2009));
    EXPECT_GT(perRecord(2014), 3 * perRecord(2019));
    // High latitudes early in the cycle, near the equator late.
    EXPECT_GT(years.at(2010).absLatitude, 20);
    EXPECT_LT(years.at(2018).absLatitude, 12);
    EXPECT_GT(years.at(2011).absLatitude, years.at(2014).absLatitude);
    EXPECT_GT(years.at(2014).absLatitude, years.at(2017).absLatitude);
}

TEST(Demo, GroupsKeepTheirLatitudeAndDriftSlowlyInLongitude) {
    // The same group (year and CSk1) seen on different days: the positions,
    // read back through the transforms, stay on one heliographic track.
    struct Seen {
        double day, lat, lon;
    };
    std::map<std::pair<int, int>, std::vector<Seen>> tracks;
    for (const TZaznam& z : cycle24Records()) {
        if (!z.Zvlastni.empty()) continue;
        const Ephemeris e = *RecordEphemeris(z);
        const double day = DaySerial(*RecordDate(z)) + (z.Cas / 100 + z.Cas % 100 / 60.0) / 24;
        for (int k = 0; k < z.PocetSkupin; ++k) {
            const TSkupina& g = z.Skupiny[k];
            if (IsNorthMarker(g) || IsSouthMarker(g) || g.Vzd > 1000) continue;
            const Heliographic h = PolarToHeliographic(e, g.Uhel, g.Vzd);
            tracks[{RecordDate(z)->year, g.CSk1}].push_back({day, h.Lat, h.Lon});
        }
    }
    int checked = 0;
    for (const auto& [id, seen] : tracks) {
        for (std::size_t i = 1; i < seen.size(); ++i) {
            const double days = seen[i].day - seen[0].day;
            if (days < 1 || days > 12) continue;
            ++checked;
            EXPECT_NEAR(seen[i].lat, seen[0].lat, 0.6);
            double dlon = seen[i].lon - seen[0].lon;
            dlon -= 360 * std::round(dlon / 360);
            EXPECT_LE(std::fabs(dlon), 0.6 * days + 0.6)
                << "group " << id.second << " of " << id.first;
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(Demo, DirectoryIsReadByTheStartUp) {
    TempDir dir;
    DemoOptions o = cycle24();
    o.years = 3;
    o.perYear = 60;
    WriteDemoDirectory(dir.path(), o);
    Session s(dir.path());
    const StartupResult r = RunStartup(s, 1024, {2020, 1, 15});
    EXPECT_TRUE(s.warnings().empty()) << s.warnings().front();
    EXPECT_FALSE(r.askDrawingSetting);
    EXPECT_FALSE(r.zvetsitCreated);
    EXPECT_EQ(std::string(RecordBytes(s.records())), Bytes(GenerateDemoRecords(o)));
    EXPECT_EQ(s.Pozorovatele().size(), 5u);
    EXPECT_EQ(s.tables().DenniSIDC.years, (std::vector<int>{2017, 2018, 2019}));
    int sum = 0;
    for (int d = 0; d < 365; ++d) {
        const Date date = DateFromSerial(DaySerial({2017, 1, 1}) + d);
        sum += s.tables().DenniSIDC.value(date, 0);
        EXPECT_EQ(s.tables().DenniSIDC.value(date, 0),
                  s.tables().DenniSIDC.value(date, 1) + s.tables().DenniSIDC.value(date, 2));
    }
    EXPECT_GT(sum, 365 * 5);
    EXPECT_EQ(s.tables().PlochyTab.rows.size(), 36u);
    EXPECT_EQ(s.tables().Tok10cmTab.rows.size(), 36u);
    EXPECT_EQ(s.tables().PlochyTab.unreadableValues + s.tables().Tok10cmTab.unreadableValues, 0);
    EXPECT_GT(s.tables().Tok10cmTab.at(1), 600);
    EXPECT_EQ(s.TabulkaPozorovatelu().size(), 5);
    for (const std::string& name : s.Pozorovatele())
        EXPECT_NE(s.TabulkaPozorovatelu().findByName(name), nullptr) << name;
    EXPECT_NE(s.tables().DoplnkovaData[0], 0);
    EXPECT_EQ(s.tables().Pristroj[0], "Hvězdárna Demo");

    const std::string stationFile = FileBytes(dir.path() / "Obecdata.dat");
    const auto station = SplitLines(stationFile);
    EXPECT_EQ(station.size(), 14u);
    for (std::string_view row : station)
        EXPECT_LE(row.size(), 50u);
}

TEST(Demo, CoronaAndMagnetogramFilesHaveTheirLayouts) {
    TempDir dir;
    DemoOptions o = cycle24();
    o.years = 1;
    o.perYear = 30;
    o.endDate = {2014, 6, 30}; // near the maximum: regions on every magnetogram
    WriteDemoDirectory(dir.path(), o);

    const std::string coronaFile = FileBytes(dir.path() / "KoronaX" / "HR1940.csv");
    const auto corona = SplitLines(coronaFile);
    ASSERT_EQ(corona.size(), 366u);
    for (std::string_view line : corona) {
        std::vector<int> values;
        std::size_t pos = 0;
        while (pos < line.size()) {
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            values.push_back(std::stoi(std::string(line.substr(pos, end - pos))));
            pos = end + 1;
        }
        ASSERT_EQ(values.size(), 78u);
        EXPECT_EQ(values[1], 1940);
        for (std::size_t k = 6; k < 78; ++k)
            EXPECT_LT(values[k], 255);
    }
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "KoronaX" / "HR1942.csv"));

    // Daily files named yymmdd, the last one of the day of the last drawing.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path() / "Magneto"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 8u);
    EXPECT_EQ(names.back().substr(0, 4), "1406");
    const std::string magnetogram = FileBytes(dir.path() / "Magneto" / names.back());
    ASSERT_EQ(magnetogram.size() % 2, 0u);
    int rowEnds = 0, pixels = 0;
    std::size_t i = 0;
    for (; i + 1 < magnetogram.size(); i += 2) {
        const int w = static_cast<unsigned char>(magnetogram[i]) |
                      static_cast<unsigned char>(magnetogram[i + 1]) << 8;
        if (w == 0) break;
        if (w == 64) {
            ++rowEnds;
            continue;
        }
        ++pixels;
        EXPECT_LE(w & 63, 15);
        EXPECT_GE(w >> 7, 1);
    }
    EXPECT_EQ(i + 2, magnetogram.size()); // the zero word closes the file
    EXPECT_EQ(rowEnds, 426);
    EXPECT_GT(pixels, 0);
}

} // namespace
