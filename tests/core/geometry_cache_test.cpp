// The store's geometry cache must always equal a fresh computation, whatever
// operations changed, added, moved or removed records since it was built.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "demo/demo.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "records/record_file.h"
#include "records/session.h"
#include "results/daily_values.h"
#include "tests_support/session_edit.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

bool SameBits(HelioPoint a, HelioPoint b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every position of the cache's entry `i` (with the auxiliary spots and
// faculae vertices when `points`) is the direct transform of the record's
// stored position at its ephemeris, to the last bit.
void ExpectDirectPositions(const GeometryCache& cached, int i, const TZaznam& z,
                           bool points = true) {
    const auto eph = RecordEphemeris(z);
    ASSERT_EQ(cached.ephemeris(i).has_value(), eph.has_value());
    if (!eph) return;
    ASSERT_EQ(cached.groups(i).size(), static_cast<std::size_t>(z.groupCount()));
    const auto direct = [&](std::uint16_t packed) {
        const PackedPosition p = UnpackPosition(packed);
        const Heliographic h = PolarToHeliographic(*eph, p.angle * 10.0, p.dist * 10.0);
        return HelioPoint{float(h.CMD), float(h.Lat), float(h.Lon)};
    };
    for (int k = 0; k < z.groupCount(); ++k) {
        const Heliographic h = PolarToHeliographic(*eph, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd);
        EXPECT_EQ(std::memcmp(&cached.groups(i)[k], &h, sizeof h), 0) << "group " << k;
        if (!points) continue;
        EXPECT_TRUE(SameBits(cached.auxiliary(i, k, 1), direct(z.Skupiny[k].Pomocna1)));
        EXPECT_TRUE(SameBits(cached.auxiliary(i, k, 2), direct(z.Skupiny[k].Pomocna2)));
    }
    for (int k = 0; points && k < z.faculaeCount(); ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j)
            EXPECT_TRUE(SameBits(cached.faculaeVertex(i, k, j), direct(z.Skupiny[k].Fakule[j])))
                << "field " << k << " vertex " << j;
}

// The groups as the tables read them, then the points the pictures add to
// the same cache.
void ExpectFresh(const Session& s) {
    for (const bool points : {false, true}) {
        const GeometryCache& cached = points ? s.geometryWithPoints() : s.geometry();
        ASSERT_EQ(cached.size(), static_cast<std::size_t>(s.recordCount()));
        EXPECT_TRUE(points ? cached.complete() : cached.clean());
        for (int i = 1; i <= s.recordCount(); ++i) {
            const TZaznam& z = s.record(i);
            SCOPED_TRACE("record " + std::to_string(i) + " " + z.Datum.text());
            const TSouhrn live = LiveDailyValues(z);
            const TSouhrn fromCache = LiveDailyValues(z, cached, i);
            EXPECT_EQ(std::memcmp(&fromCache, &live, sizeof live), 0);
            ExpectDirectPositions(cached, i, z, points);
        }
    }
}

} // namespace

TEST(GeometryCache, FollowsEveryOperationOfTheStore) {
    TempDir dir;
    DemoOptions o{.years = 2, .perYear = 120};
    std::vector<TZaznam> records = GenerateDemoRecords(o);
    records[7].Datum.setText("31.02.2024"); // no date: the stored summary stays
    WriteRecordFile(dir.path() / "datax.dat", records);
    Session s(dir.path());
    s.load({2025, 12, 31});
    // A job that reads a few records gets those computed and no others; later
    // ranges and corrections still equal a fresh computation.
    ASSERT_GE(s.recordCount(), 40);
    const GeometryCache& g = s.geometry(10, 12);
    EXPECT_FALSE(g.clean());
    EXPECT_EQ(g.record(11).ephemeris->L0, RecordEphemeris(s.record(11))->L0);
    ChangeRecord(s, 11, [](TZaznam& z) { z.Cas = static_cast<std::uint16_t>(z.Cas + 100); });
    EXPECT_EQ(s.geometry(11, 11).ephemeris(11)->L0, RecordEphemeris(s.record(11))->L0);
    s.geometry(s.recordCount() - 1, s.recordCount() + 5); // clamped to the store
    // A later range leaves the records computed before as they are.
    ASSERT_TRUE(g.record(10).ephemeris.has_value());
    EXPECT_EQ(g.record(10).ephemeris->L0, RecordEphemeris(s.record(10))->L0);
    ExpectFresh(s);

    // A correction in place, a record moved to the front by the sort, new
    // records merged, unreadable dates removed: each refreshes what changed.
    ChangeRecord(s, 20, [](TZaznam& z) { z.Skupiny[0].Uhel = 1900; });
    TZaznam older = s.record(30);
    older.Datum.setText("02.01.1990");
    s.setWorkingRecord(older);
    s.storeWorkingRecord(EntryMode::New);
    ExpectFresh(s);
    std::vector<TZaznam> added(records.begin() + 40, records.begin() + 60);
    for (TZaznam& z : added)
        z.Cas = static_cast<std::uint16_t>(z.Cas + 1);
    s.mergeRecords(added);
    EXPECT_EQ(s.removeUnreadableDates(), 1);
    ExpectFresh(s);
    // Many corrections make the old positions waste that is compacted.
    for (int round = 0; round < 12; ++round) {
        for (int i = 1; i <= s.recordCount(); i += 2)
            ChangeRecord(s, i, [&](TZaznam& z) { z.Skupiny[0].Vzd = std::uint16_t(100 + round); });
        s.geometry();
    }
    ExpectFresh(s);
}

// A load that computes the geometry while it reads the file (in several
// pieces here) keeps it through what the load then does: records with an
// empty Datum left out in every piece, a time 0 normalised to 1200, a date
// that is none.
TEST(GeometryCache, ComputedWhileTheFileIsRead) {
    TempDir dir;
    std::vector<TZaznam> records = GenerateDemoRecords({.years = 6, .perYear = 2600});
    ASSERT_GT(records.size() * RecordSize, 2u * (8u << 20));
    for (std::size_t i : {0ul, 4700ul, 4729ul, records.size() - 2})
        records[i].Datum.setText("");
    for (std::size_t i : {3ul, 6000ul})
        records[i].Cas = 0;
    records[9000].Datum.setText("31.02.2024");
    WriteRecordFile(dir.path() / "datax.dat", records);
    Session s(dir.path());
    EXPECT_EQ(s.load({2025, 12, 31}, LoadGeometry::WhileReading).skippedEmpty, 4);
    EXPECT_EQ(s.record(3).Cas, 1200);
    ExpectFresh(s);
}

// Over a generated store with unused (0) spots and vertices, positions on
// and past the limb, full faculae fields, a record without a date and one
// without groups: every cached position equals the direct transform bit for
// bit, and a cache built on several threads (also after a range computed
// first, in uneven runs) holds the same entries in the same places of its
// pools as one built on one.
TEST(GeometryCache, ThreadsBuildTheDirectTransformsInTheSamePlaces) {
    std::vector<TZaznam> records = GenerateDemoRecords({2, 400, 11, {2024, 12, 31}});
    ASSERT_GE(records.size(), 600u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        TZaznam& z = records[i];
        const auto v = static_cast<std::uint16_t>(i * 7919);
        for (int k = 0; k < z.groupCount(); ++k) {
            TSkupina& g = z.Skupiny[k];
            g.Vzd = static_cast<std::uint16_t>(i % 5 == 0 ? 1250 + i % 40 : g.Vzd);
            g.Pomocna1 = i % 3 == 0 ? 0 : static_cast<std::uint16_t>(v + k);
            g.Pomocna2 = i % 4 == 0 ? PackPosition(359, 127) : 0;
        }
        z.PocetFakKresleni = static_cast<std::uint8_t>(i % 4);
        for (int k = 0; k < z.faculaeCount(); ++k)
            for (int j = 0; j < FaculaeVertexCount; ++j)
                z.Skupiny[k].Fakule[j] =
                    (i + j) % 6 == 0 ? 0 : static_cast<std::uint16_t>(v * (j + 1) + k);
    }
    records[records.size() - 50].Datum.setText("00.00.0000"); // no date: no positions
    records[502].PocetSkupin = 0;
    const GeometryCache one = GeometryCache::of(records, 1);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        ExpectDirectPositions(one, static_cast<int>(i) + 1, records[i]);
    }
    const auto expectSame = [&](const GeometryCache& a, const GeometryCache& b) {
        ASSERT_EQ(a.size(), b.size());
        for (int i = 1; i <= static_cast<int>(a.size()); ++i) {
            SCOPED_TRACE("entry " + std::to_string(i));
            const RecordGeometry &x = a.record(i), &y = b.record(i);
            ASSERT_EQ(std::tuple(x.groupsAt, x.pointsAt, x.groups, x.faculaeFields),
                      std::tuple(y.groupsAt, y.pointsAt, y.groups, y.faculaeFields));
            EXPECT_EQ(std::pair(x.date, x.key), std::pair(y.date, y.key));
            ASSERT_EQ(x.ephemeris.has_value(), y.ephemeris.has_value());
            if (x.ephemeris) {
                EXPECT_EQ(std::memcmp(&*x.ephemeris, &*y.ephemeris, sizeof(Ephemeris)), 0);
            }
            ExpectDirectPositions(b, i, records[static_cast<std::size_t>(i) - 1]);
        }
    };
    expectSame(one, GeometryCache::of(records, 3));
    expectSame(one, GeometryCache::of(records, 0));

    // A range computed first, the rest on threads after it.
    GeometryCache partThenThreads, partThenOne;
    for (GeometryCache* g : {&partThenThreads, &partThenOne}) {
        g->reset(records.size());
        g->refreshRange(records, 200, 260);
    }
    partThenThreads.refresh(records, 4);
    partThenOne.refresh(records, 1);
    expectSame(partThenOne, partThenThreads);
}

TEST(StoreOperations, ClassesFilledAndFaculaeMergedAtTheirRecords) {
    TempDir dir;
    std::vector<TZaznam> records = GenerateDemoRecords({1, 40, 3, {2024, 12, 31}});
    ASSERT_GE(records.size(), 3u);
    for (TZaznam& z : records)
        z.PocetSkupin = std::max<std::uint8_t>(z.PocetSkupin, 1);
    records[0].Skupiny[0].Typ.setRaw("");
    WriteRecordFile(dir.path() / "datax.dat", records);
    Session s(dir.path());
    s.load({2025, 1, 1});
    // The first record's group without a class gets "***" too.
    EXPECT_TRUE(s.fillMissingClasses());
    EXPECT_EQ(s.record(1).Skupiny[0].Typ.raw(), "***");
    EXPECT_FALSE(s.fillMissingClasses());

    // A faculae field replaced at store index 1 lands on record 2 only; one
    // past the last record (removed meanwhile) is let go.
    TZaznam changed = s.record(2);
    changed.PlochaFakuli.setRaw("123.4");
    const std::string first(s.record(1).PlochaFakuli.raw()), third(s.record(3).PlochaFakuli.raw());
    const std::vector<std::pair<std::size_t, TZaznam>> fields{{1, changed},
                                                              {records.size(), changed}};
    s.mergeFaculae(fields, {});
    EXPECT_EQ(s.record(2).PlochaFakuli.raw(), "123.4");
    EXPECT_EQ(s.record(1).PlochaFakuli.raw(), first);
    EXPECT_EQ(s.record(3).PlochaFakuli.raw(), third);
}
