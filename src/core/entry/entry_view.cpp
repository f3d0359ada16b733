#include "entry/entry_view.h"

#include <cmath>
#include <numbers>

#include "entry/entry_fields.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "geometry/calendar.h"
#include "geometry/transforms.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double AreaFactor = 20.4;

bool isMarker(std::string_view cell) {
    cell = TrimSpaces(cell);
    return cell == "s" || cell == "S" || cell == "j" || cell == "J";
}

} // namespace

EntryPolar HeliographicToEntryPolar(const Ephemeris& e, double b, double l, double radius) {
    const double br = b * Pi / 180;
    const double d = (360 - e.L0 + l) * Pi / 180;
    const double b0 = e.B0 * Pi / 180;
    const double x = radius * std::cos(br) * std::sin(d);
    const double y =
        radius * (std::sin(br) * std::cos(b0) - std::cos(br) * std::sin(b0) * std::cos(d));
    EntryPolar p;
    p.dist = std::sqrt(x * x + y * y);
    // On the line through the centre along the axis the arctangent has its
    // limit; at the centre itself any angle will do.
    double phi = y == 0 ? (x == 0 ? 0 : std::copysign(Pi / 2, x)) : std::atan(x / y);
    if (y <= 0) phi += Pi;
    p.angle = 360 - phi * 180 / Pi + e.P;
    return p;
}

FormOrientation OrientationOfForm(const EntryForm& form) {
    FormOrientation o;
    const auto date = ParseDatum(form.date);
    if (!date) {
        o.message = std::string(messages::NoDate);
        return o;
    }
    const TimeField t = ReadTimeField(form.time);
    if (!t.time) {
        o.message = t.message;
        return o;
    }
    o.eph = SolarEphemeris(*date, *t.time);
    return o;
}

std::optional<std::string> ToggleEntryView(EntryForm& form, double radius) {
    const double R = radius > 0 ? radius : 125.0;
    const FormOrientation o = OrientationOfForm(form);
    if (!o.eph) return o.message;
    const Ephemeris& eph = *o.eph;
    const bool toPolar = form.view == EntryView::Heliographic;
    for (GroupRow& row : form.groups) {
        std::string& c4 = row[column::Uhel];
        std::string& c5 = row[column::Vzd];
        std::string& c6 = row[column::Plocha];
        if (!c6.empty())
            c6 = toPolar ? FormatNumber(LeadingNumber(c6) / (AreaFactor * 125 / R), "0.0")
                         : FormatNumber(LeadingNumber(c6) * AreaFactor * 125 / R, "0");
        if (isMarker(c4) || (c4.empty() && c5.empty())) continue;
        if (toPolar) {
            EntryPolar p = HeliographicToEntryPolar(eph, LeadingNumber(c5), LeadingNumber(c4), R);
            if (p.angle > 360) p.angle -= 360;
            c4 = FormatNumber(p.angle, "0.0");
            c5 = FormatNumber(p.dist, "0.0");
        } else {
            const Heliographic h =
                PolarToHeliographic(eph, RoundHalfEven(10 * LeadingNumber(c4)),
                                    RoundHalfEven(10 * LeadingNumber(c5) * 125 / R));
            c4 = FormatNumber(h.Lon, "0.0");
            c5 = FormatNumber(h.Lat, "0.0");
        }
    }
    form.view = toPolar ? EntryView::Polar : EntryView::Heliographic;
    return std::nullopt;
}

} // namespace hk
