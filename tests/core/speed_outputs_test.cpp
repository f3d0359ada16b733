// Outputs built without a string per field or a sort of whole structs: lines
// wider than the usual width make the export's buffer grow, every line
// whole; the butterfly's marks come in order of rotation and group number
// whether the rotations lie close together or far apart (damaged numbers).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/butterfly_model.h"
#include "records/exports.h"
#include "records/record.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/records.h"

using namespace hk;

TEST(AsciiExportBuffer, WidestLinesGrowTheBufferIntact) {
    // 200 records of 40 groups, every number at its widest: several times
    // the room estimated from the usual line width.
    std::vector<TZaznam> rs;
    for (int r = 0; r < 200; ++r) {
        rs.push_back(test_records::Record("15.06.2014", 905)); // centre: l 167, b 1
        for (int k = 0; k < MaxGroups; ++k) {
            TSkupina& g = test_records::AddGroup(rs.back(), "Bxo", 0, 0, 65535, 0);
            g.CSk2 = 65535;
            g.MalS = 65535;
            g.Pomocna1 = 128; // the centre too
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

TEST(ButterflyModel, MarksByRotationThenGroupNumberForCloseAndFarRotations) {
    for (const int far : {0, 1}) {
        // Rotation offsets in store order, not sorted; far apart they span
        // tens of thousands of rotations.
        const int offsets[] = {0, 3 + far * 50000, 1, 3 + far * 50000, 2 + far * 20000, 1};
        std::vector<TZaznam> rs;
        int day = 1;
        for (const int offset : offsets) {
            const std::string date = "0" + std::to_string(day++) + ".03.2015";
            TZaznam z = test::RotationRecord(date.c_str());
            const double L0 = RecordEphemeris(z)->L0;
            z.Rotace = static_cast<std::uint16_t>(1000 + offset);
            // Group numbers out of order; the latitude tells the number.
            for (const int number : {9, 2, 5})
                test::AddGroupAt(z, L0, 4 * number + 0.5, number);
            rs.push_back(z);
        }
        const ButterflyModel m =
            MakeButterflyModel(rs, GeometryCache::of(rs), std::vector<std::uint8_t>(25000, 0), {});
        ASSERT_EQ(m.marks.size(), 4u * 3u) << far; // four rotations, three numbers each
        for (std::size_t i = 0; i < m.marks.size(); ++i) {
            const ButterflyMark& k = m.marks[i];
            const int number = i % 3 == 0 ? 2 : i % 3 == 1 ? 5 : 9;
            EXPECT_EQ(k.m[0], 4 * number) << far << " " << i;
            const int rotations[] = {1, 2, 3 + far * 20000, 4 + far * 50000};
            EXPECT_EQ(k.r, rotations[i / 3]) << far << " " << i;
        }
    }
}
