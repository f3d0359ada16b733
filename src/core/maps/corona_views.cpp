#include "maps/corona_views.h"

#include <algorithm>
#include <cmath>

#include "geometry/ephemeris.h"
#include "graphs/butterfly_model.h"
#include "maps/magnetosphere.h"
#include "maps/map_dates.h"

namespace hk {

namespace {

constexpr int GraphDays = 100;
constexpr int WestDelay = 14; // days from the east limb to the west limb
constexpr int ProbeStep = 364;
constexpr int Probes = 100;
// Days from a longitude's central-meridian passage to its limbs.
constexpr int LimbDays = 7;

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

std::optional<Date> CoronaRowDate(const CoronaTable& corona, std::size_t row) {
    if (row >= corona.rows()) return std::nullopt;
    const std::uint8_t* h = corona.coronaBytes.data() + row * CoronaRowBytes;
    const Date d{1900 + h[1], h[2], h[3]};
    if (!IsValidDate(d)) return std::nullopt;
    return d;
}

std::optional<std::size_t> CoronaFindRow(const CoronaTable& corona, const Date& date) {
    const std::size_t rows = corona.rows();
    // The last probe that is not after the date; the walk starts there.
    std::size_t from = 0;
    for (int i = 0; i <= Probes; ++i) {
        const std::size_t row = std::size_t(ProbeStep) * std::size_t(i);
        if (row >= rows) break;
        const auto d = CoronaRowDate(corona, row);
        if (d && *d <= date) from = row;
        if (d && d->year > date.year) break;
    }
    for (std::size_t row = from; row < rows; ++row) {
        const auto d = CoronaRowDate(corona, row);
        if (!d) continue;
        if (*d == date) return row;
        if (*d > date) return std::nullopt;
    }
    return std::nullopt;
}

int CoronaGraphMaximum(const CoronaTable& corona) {
    return roundHalfEven(double(corona.coronaLength) / CoronaDaysPerRotation /
                         double(CoronaRowBytes)) +
           1;
}

std::size_t CoronaGraphRow(int position) {
    return static_cast<std::size_t>(
        roundHalfEven((std::max(position, 1) - 1) * CoronaDaysPerRotation));
}

int CoronaGraphPositionOf(const CoronaTable& corona, const Date& date) {
    const auto row = CoronaFindRow(corona, date);
    if (!row) return 1;
    const int position = static_cast<int>(std::floor(double(*row) / CoronaDaysPerRotation)) + 1;
    return std::clamp(position, 1, std::max(1, CoronaGraphMaximum(corona)));
}

namespace {

// The profiles of the 100 days after m.firstRow.
void fillProfiles(CoronaGraphModel& m, const CoronaTable& corona) {
    for (int k = 1; k <= CoronaValues; ++k) {
        const bool east = k <= 36;
        const int base = east ? 100 + 5 * k : 200 + 5 * k;
        const std::size_t shift = east ? 0 : WestDelay;
        std::vector<CoronaPoint>& poly = m.polygons[std::size_t(k - 1)];
        poly.reserve(GraphDays + 2);
        for (int i = 1; i <= GraphDays; ++i)
            poly.push_back(
                {10 * i + 10, base - corona.value(m.firstRow + std::size_t(i) + shift, k) / 2});
        poly.push_back({10 * GraphDays + 10, base});
        poly.push_back({20, base});
    }
}

} // namespace

CoronaGraphModel MakeCoronaGraph(const CoronaTable& corona, int position) {
    CoronaGraphModel m;
    m.present = corona.present();
    m.position = std::max(position, 1);
    m.firstRow = CoronaGraphRow(m.position);
    m.date = CoronaRowDate(corona, m.firstRow + 1);
    // The rotation of the first day drawn, from its date.
    m.titleRotation = m.date ? SolarEphemeris(*m.date, 0).CarrRotation : 0;
    fillProfiles(m, corona);
    for (int i = 0; i < 4; ++i)
        m.rotationLines[std::size_t(i)] = roundHalfEven(i * CoronaDaysPerRotation) * 10 + 120;
    return m;
}

CoronaGraphModel MakeCoronaGraphOfRotation(const CoronaTable& corona, int rotation) {
    CoronaGraphModel m;
    const Date start = MapRotationDates(rotation).startDate;
    const std::optional<std::size_t> row = CoronaFindRow(corona, start);
    // Day i = 1..100 of the graph is row firstRow + i: the start needs a
    // row before it.
    m.present = corona.present() && row && *row > 0;
    if (!m.present) return m;
    m.firstRow = *row - 1;
    m.position = static_cast<int>(std::floor(double(m.firstRow) / CoronaDaysPerRotation)) + 1;
    m.date = start;
    m.titleRotation = rotation;
    fillProfiles(m, corona);
    // Day d after the start is at x = 10 (d + 1) + 10.
    for (int i = 0; i < 4; ++i)
        m.rotationLines[std::size_t(i)] =
            10 * (DaySerial(MapRotationDates(rotation + i).startDate) - DaySerial(start)) + 20;
    return m;
}

int CoronaButterflyGreen(int average) {
    return std::max(0, 255 - 2 * average);
}

CoronaButterflyModel MakeCoronaButterfly(const CoronaTable& corona) {
    CoronaButterflyModel m;
    m.present = corona.present();
    for (const CoronaAverages& a : CoronaRotationAverages(corona))
        m.columns.push_back(a);
    return m;
}

int CoronaDayMaximum(const CoronaTable& corona) {
    return std::max(0, static_cast<int>(corona.rows()) - 1);
}

CoronaDayModel MakeCoronaDay(const CoronaTable& corona, std::size_t row) {
    CoronaDayModel m;
    m.present = corona.present() && row < corona.rows();
    m.row = row;
    m.date = CoronaRowDate(corona, row);
    for (int k = 1; k <= CoronaValues; ++k)
        m.values[std::size_t(k - 1)] = static_cast<std::uint8_t>(corona.value(row, k));
    return m;
}

CoronaUnderMapModel MakeCoronaUnderMap(const CoronaTable& corona, int rotation, int s,
                                       int yOffset) {
    CoronaUnderMapModel m;
    m.rotation = rotation;
    if (!corona.present()) return m;
    const int start = DaySerial(MapRotationDates(rotation).startDate);
    // The rotation's days: those whose noon L0 belongs to the rotation.
    std::vector<std::pair<Date, double>> days;
    for (int serial = start - 1; serial <= start + 28; ++serial) {
        const Date d = DateFromSerial(serial);
        const Ephemeris e = SolarEphemeris(d, 1200);
        if (e.CarrRotation == rotation) days.push_back({d, e.L0});
    }
    for (const auto& [d, l0] : days) {
        if ((m.firstRow = CoronaFindRow(corona, d))) break;
    }
    if (!m.firstRow || *m.firstRow + 27 >= corona.rows()) return m;
    m.present = true;

    const int left = (20 * s) >> 4, right = (740 * s) >> 4;
    const double halfDay = 360.0 / CoronaDaysPerRotation / 2;
    for (const auto& [d, l0] : days) {
        const auto eastRow = CoronaFindRow(corona, DateFromSerial(DaySerial(d) - LimbDays));
        const auto westRow = CoronaFindRow(corona, DateFromSerial(DaySerial(d) + LimbDays));
        if (!eastRow && !westRow) continue;
        const int x1 = std::max(left, MagnetoMapPixel(l0 + halfDay, 0, s, 0).x);
        const int x2 = std::min(right, MagnetoMapPixel(l0 - halfDay, 0, s, 0).x);
        if (x2 <= x1) continue;
        ++m.days;
        for (int k = 1; k <= 36; ++k) {
            int sum = 0, n = 0;
            if (eastRow) sum += corona.value(*eastRow, k), ++n;
            if (westRow) sum += corona.value(*westRow, 73 - k), ++n;
            CoronaUnderMapRect r;
            r.x1 = x1;
            r.x2 = x2;
            r.y1 = MagnetoMapPixel(0, 90.0 - 5 * (k - 1), s, yOffset).y;
            r.y2 = MagnetoMapPixel(0, 90.0 - 5 * k, s, yOffset).y;
            r.green = static_cast<std::uint8_t>(CoronaButterflyGreen(sum / n));
            m.rects.push_back(r);
        }
    }
    return m;
}

} // namespace hk
