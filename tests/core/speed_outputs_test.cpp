// Outputs written into one buffer without a string per field: lines wider
// than the usual width (the largest numbers a record holds) make the buffer
// grow, and every line stays whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/exports.h"
#include "records/record.h"
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
