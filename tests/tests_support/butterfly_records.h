#pragma once
// Drawings with groups placed at a chosen Carrington longitude and latitude,
// for the tests of the butterfly diagram and the rotation table.
#include <cmath>
#include <cstdint>

#include "geometry/calendar.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "records/record_layout.h"

namespace hk::test {

// A drawing of `datum` at `cas` with the rotation and L0 of that moment.
inline TZaznam RotationRecord(const char* date, std::uint16_t time = 1200) {
    TZaznam z{};
    z.Datum.setText(date);
    z.Cas = time;
    z.Pozorovatel.setText("Novák, Jan");
    const Ephemeris e = *RecordEphemeris(z);
    z.Rotace = static_cast<std::uint16_t>(e.CarrRotation);
    z.L0 = static_cast<std::uint16_t>(e.L0);
    return z;
}

// The drawing (as RotationRecord) of the first day from `from` on whose noon
// L0 lies within [lo, hi).
inline TZaznam RecordWithL0(Date from, double lo, double hi) {
    for (int d = DaySerial(from);; ++d) {
        const TZaznam z = RotationRecord(FormatDatum(DateFromSerial(d)).c_str());
        const double L0 = RecordEphemeris(z)->L0;
        if (L0 >= lo && L0 < hi) return z;
    }
}

// Adds group `cislo` seen at Carrington longitude `lon` and latitude `lat`.
inline TSkupina& AddGroupAt(TZaznam& z, double lon, double lat, int number,
                            const char* groupClass = "Dao") {
    const Ephemeris e = *RecordEphemeris(z);
    const DiskPolar p = HeliographicToPolar(e, static_cast<float>(lon), static_cast<float>(lat));
    TSkupina& s = z.Skupiny[z.PocetSkupin++];
    s.Typ.setText(groupClass);
    s.Poc = 3;
    s.Uhel = static_cast<std::uint16_t>(std::lround(p.Angle * 10) % 3600);
    s.Vzd = static_cast<std::uint16_t>(std::lround(p.Dist * 5));
    s.CSk2 = static_cast<std::uint16_t>(number);
    return s;
}

} // namespace hk::test
