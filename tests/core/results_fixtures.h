#pragma once
// Drawings built in code for the statistics and report tests.
#include <array>
#include <cstdint>
#include <initializer_list>

#include "records/record.h"
#include "records/record_layout.h"
#include "tests_support/records.h"

namespace hk::results_test {

using test_records::Record;

// Polar positions that lie well inside the northern and the southern
// hemisphere for any orientation of the disk.
inline constexpr int North = 0;
inline constexpr int South = 1800;

struct GroupSpec {
    const char* groupClass;
    int spots = 1;
    int penumbral = 0;
    int angle = North;
    int distance = 500;
    int area = 0;
    int smallSpots = 0;
};

inline void AppendGroup(TZaznam& z, const GroupSpec& g) {
    TSkupina& s = test_records::AddGroup(z, g.groupClass, g.angle, g.distance, g.area, g.spots);
    s.SPen = static_cast<std::uint8_t>(g.penumbral);
    s.MalS = static_cast<std::uint16_t>(g.smallSpots);
}

// Stores the summary as the record store does on entry.
inline void FillSummary(TZaznam& z) {
    z.Souhrn = StoredSummary(z, *RecordEphemeris(z));
}

// A drawing with groups and its stored summary.
inline TZaznam Drawing(const char* date, std::uint16_t time,
                       std::initializer_list<GroupSpec> groups, int q = 0) {
    TZaznam z = Record(date, time);
    z.Q = static_cast<std::uint8_t>(q);
    for (const GroupSpec& g : groups)
        AppendGroup(z, g);
    FillSummary(z);
    return z;
}

inline TZaznam& Zvlastni(TZaznam& z) {
    z.Zvlastni.setText("zvlášťní");
    return z;
}

// Marks group entry 1 as a hemisphere marker (the stored summary is left as it is).
inline TZaznam& Marker(TZaznam& z, bool north) {
    z.Skupiny[0].Uhel = north ? NorthMarkerAngle : SouthMarkerAngle;
    z.Skupiny[0].Vzd = MarkerDistance;
    return z;
}

// A record with its stored summary given directly: the eight quantities of
// the north and of the south (g, f, R, Cv, SN, RB, pl, pk).
inline TZaznam Souhrn(const char* date, std::uint16_t time, std::array<int, 8> n,
                      std::array<int, 8> s) {
    TZaznam z = Record(date, time);
    auto w = [](int v) { return static_cast<std::uint16_t>(v); };
    TSouhrn& t = z.Souhrn;
    t.Cas = z.Cas;
    t.gSev = w(n[0]), t.fSev = w(n[1]), t.RSev = w(n[2]), t.CVSev = w(n[3]);
    t.SNSev = w(n[4]), t.RBSev = w(n[5]), t.PlSev = w(n[6]), t.PkSev = w(n[7]);
    t.gJih = w(s[0]), t.fJih = w(s[1]), t.RJih = w(s[2]), t.CVJih = w(s[3]);
    t.SNJih = w(s[4]), t.RBJih = w(s[5]), t.PlJih = w(s[6]), t.PkJih = w(s[7]);
    return z;
}

} // namespace hk::results_test
