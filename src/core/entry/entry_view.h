#pragma once
// The two views of the group grid: polar angle and distance on the drawing,
// or heliographic longitude and latitude.
#include <optional>
#include <string>

#include "entry/entry_form.h"
#include "geometry/ephemeris.h"

namespace hk {

// A position on the drawing: angle in degrees from celestial north through
// east, distance in millimetres from the centre of a disk of radius R.
struct EntryPolar {
    double angle = 0; // may exceed 360; callers subtract 360 then
    double dist = 0;
};

// Where the point of latitude b and Carrington longitude l (degrees) lies on
// a drawing of radius R for the orientation e.
EntryPolar HeliographicToEntryPolar(const Ephemeris& e, double b, double l, double radius);

// The orientation of the drawing being entered, from its date and time
// fields; the message when either cannot be read.
struct FormOrientation {
    std::optional<Ephemeris> eph;
    std::optional<std::string> message; // why there is no orientation
};
FormOrientation OrientationOfForm(const EntryForm& form);

// Switches the group grid to the other view, converting the positions and
// areas of every row with the orientation of the typed date and time. The
// hemisphere markers "s" and "j" stay as they are. Returns the message when
// the date or time cannot be read (nothing changed).
std::optional<std::string> ToggleEntryView(EntryForm& form, double radius);

} // namespace hk
