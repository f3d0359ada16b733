#include "maps/corona_views.h"

#include <algorithm>
#include <cmath>

#include "geometry/ephemeris.h"
#include "graphs/butterfly_model.h"
#include "maps/magnetosphere.h"
#include "maps/map_dates.h"

namespace hk {

namespace {

constexpr int GrafDays = 100;
constexpr int WestDelay = 14; // days from the east limb to the west limb
constexpr int ProbeStep = 364;
constexpr int Probes = 100;
// Days from a longitude's central-meridian passage to its limbs.
constexpr int LimbDays = 7;

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

std::optional<Date> KoronaRowDate(const KoronaTable& korona, std::size_t row) {
    if (row >= korona.rows()) return std::nullopt;
    const std::uint8_t* h = korona.KoronaData.data() + row * KoronaRowBytes;
    const Date d{1900 + h[1], h[2], h[3]};
    if (!IsValidDate(d)) return std::nullopt;
    return d;
}

std::optional<std::size_t> KoronaFindRow(const KoronaTable& korona, const Date& date) {
    const std::size_t rows = korona.rows();
    // The last probe that is not after the date; the walk starts there.
    std::size_t from = 0;
    for (int i = 0; i <= Probes; ++i) {
        const std::size_t row = std::size_t(ProbeStep) * std::size_t(i);
        if (row >= rows) break;
        const auto d = KoronaRowDate(korona, row);
        if (d && *d <= date) from = row;
        if (d && d->year > date.year) break;
    }
    for (std::size_t row = from; row < rows; ++row) {
        const auto d = KoronaRowDate(korona, row);
        if (!d) continue;
        if (*d == date) return row;
        if (*d > date) return std::nullopt;
    }
    return std::nullopt;
}

int KoronaGrafMaximum(const KoronaTable& korona) {
    return roundHalfEven(double(korona.KoronaDelka) / KoronaDnyRotace / double(KoronaRowBytes)) + 1;
}

std::size_t KoronaGrafRow(int position) {
    return static_cast<std::size_t>(roundHalfEven((std::max(position, 1) - 1) * KoronaDnyRotace));
}

int KoronaGrafPositionOf(const KoronaTable& korona, const Date& date) {
    const auto row = KoronaFindRow(korona, date);
    if (!row) return 1;
    const int position = static_cast<int>(std::floor(double(*row) / KoronaDnyRotace)) + 1;
    return std::clamp(position, 1, std::max(1, KoronaGrafMaximum(korona)));
}

namespace {

// The profiles of the 100 days after m.firstRow.
void fillProfiles(KoronaGrafModel& m, const KoronaTable& korona) {
    for (int k = 1; k <= KoronaValues; ++k) {
        const bool east = k <= 36;
        const int base = east ? 100 + 5 * k : 200 + 5 * k;
        const std::size_t shift = east ? 0 : WestDelay;
        std::vector<KoronaBod>& poly = m.polygons[std::size_t(k - 1)];
        poly.reserve(GrafDays + 2);
        for (int i = 1; i <= GrafDays; ++i)
            poly.push_back(
                {10 * i + 10, base - korona.value(m.firstRow + std::size_t(i) + shift, k) / 2});
        poly.push_back({10 * GrafDays + 10, base});
        poly.push_back({20, base});
    }
}

} // namespace

KoronaGrafModel MakeKoronaGraf(const KoronaTable& korona, int position) {
    KoronaGrafModel m;
    m.present = korona.present();
    m.position = std::max(position, 1);
    m.firstRow = KoronaGrafRow(m.position);
    m.datum = KoronaRowDate(korona, m.firstRow + 1);
    // The rotation of the first day drawn, from its date.
    m.rotaceText = m.datum ? SolarEphemeris(*m.datum, 0).CarrRotation : 0;
    fillProfiles(m, korona);
    for (int i = 0; i < 4; ++i)
        m.rotationLines[std::size_t(i)] = roundHalfEven(i * KoronaDnyRotace) * 10 + 120;
    return m;
}

KoronaGrafModel MakeKoronaGrafOfRotation(const KoronaTable& korona, int rotation) {
    KoronaGrafModel m;
    const Date start = MapRotationDates(rotation).startDate;
    const std::optional<std::size_t> row = KoronaFindRow(korona, start);
    // Day i = 1..100 of the graph is row firstRow + i: the start needs a
    // row before it.
    m.present = korona.present() && row && *row > 0;
    if (!m.present) return m;
    m.firstRow = *row - 1;
    m.position = static_cast<int>(std::floor(double(m.firstRow) / KoronaDnyRotace)) + 1;
    m.datum = start;
    m.rotaceText = rotation;
    fillProfiles(m, korona);
    // Day d after the start is at x = 10 (d + 1) + 10.
    for (int i = 0; i < 4; ++i)
        m.rotationLines[std::size_t(i)] =
            10 * (DaySerial(MapRotationDates(rotation + i).startDate) - DaySerial(start)) + 20;
    return m;
}

int KoronaMotylGreen(int average) {
    return std::max(0, 255 - 2 * average);
}

KoronaMotylModel MakeKoronaMotyl(const KoronaTable& korona) {
    KoronaMotylModel m;
    m.present = korona.present();
    for (const KoronaPrumery& a : KoronaRotationAverages(korona))
        m.columns.push_back(a);
    return m;
}

int KoronaDenMaximum(const KoronaTable& korona) {
    return std::max(0, static_cast<int>(korona.rows()) - 1);
}

KoronaDenModel MakeKoronaDen(const KoronaTable& korona, std::size_t row) {
    KoronaDenModel m;
    m.present = korona.present() && row < korona.rows();
    m.row = row;
    m.datum = KoronaRowDate(korona, row);
    for (int k = 1; k <= KoronaValues; ++k)
        m.values[std::size_t(k - 1)] = static_cast<std::uint8_t>(korona.value(row, k));
    return m;
}

KoronaPodMapuModel MakeKoronaPodMapu(const KoronaTable& korona, int rotace, int s, int yOffset) {
    KoronaPodMapuModel m;
    m.rotace = rotace;
    if (!korona.present()) return m;
    const int start = DaySerial(MapRotationDates(rotace).startDate);
    // The rotation's days: those whose noon L0 belongs to the rotation.
    std::vector<std::pair<Date, double>> days;
    for (int serial = start - 1; serial <= start + 28; ++serial) {
        const Date d = DateFromSerial(serial);
        const Ephemeris e = SolarEphemeris(d, 1200);
        if (e.CarrRotation == rotace) days.push_back({d, e.L0});
    }
    for (const auto& [d, l0] : days) {
        if ((m.firstRow = KoronaFindRow(korona, d))) break;
    }
    if (!m.firstRow || *m.firstRow + 27 >= korona.rows()) return m;
    m.present = true;

    const int left = (20 * s) >> 4, right = (740 * s) >> 4;
    const double halfDay = 360.0 / KoronaDnyRotace / 2;
    for (const auto& [d, l0] : days) {
        const auto eastRow = KoronaFindRow(korona, DateFromSerial(DaySerial(d) - LimbDays));
        const auto westRow = KoronaFindRow(korona, DateFromSerial(DaySerial(d) + LimbDays));
        if (!eastRow && !westRow) continue;
        const int x1 = std::max(left, MagnetoMapPixel(l0 + halfDay, 0, s, 0).x);
        const int x2 = std::min(right, MagnetoMapPixel(l0 - halfDay, 0, s, 0).x);
        if (x2 <= x1) continue;
        ++m.days;
        for (int k = 1; k <= 36; ++k) {
            int sum = 0, n = 0;
            if (eastRow) sum += korona.value(*eastRow, k), ++n;
            if (westRow) sum += korona.value(*westRow, 73 - k), ++n;
            KoronaPodMapuRect r;
            r.x1 = x1;
            r.x2 = x2;
            r.y1 = MagnetoMapPixel(0, 90.0 - 5 * (k - 1), s, yOffset).y;
            r.y2 = MagnetoMapPixel(0, 90.0 - 5 * k, s, yOffset).y;
            r.green = static_cast<std::uint8_t>(KoronaMotylGreen(sum / n));
            m.rects.push_back(r);
        }
    }
    return m;
}

} // namespace hk
