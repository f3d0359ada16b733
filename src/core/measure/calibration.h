#pragma once
// The calibration of a scanned drawing: where the disk centre and the north
// point lie in the picture, and the conversion of a picture point into the
// record's polar position (angle from celestial north through east, distance
// in units of a 125-unit disk).
#include <optional>
#include <string>
#include <variant>

#include "records/record_layout.h"

namespace hk {

struct PicturePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

struct Calibration {
    PicturePoint CalCentre;
    PicturePoint CalNorth;
    int CalRadiusPx = 0;     // drawing radius in picture pixels; 0 = not calibrated
    float CalNorthAngle = 0; // direction of north, clockwise from "up", degrees

    bool calibrated() const { return CalRadiusPx != 0; }
};

// The clockwise angle from "up" to `north` seen from `centre`, 0..360. Both
// points are shifted by 0.01 pixel so that no difference is zero.
float NorthAngle(PicturePoint centre, PicturePoint north);

// Centre and north clicked: radius and north angle.
Calibration Calibrate(PicturePoint centre, PicturePoint north);

// The message when the current record has no date to take the axis from.
extern const char* const MissingRecordDateMessage;

// The second click marked the northern end of the Sun's rotation axis: the
// north angle is turned by the position angle P of the record's date and
// time. The message instead when the record's date cannot be read.
std::variant<Calibration, std::string> CalibrateByAxis(PicturePoint centre, PicturePoint axisEnd,
                                                       const TZaznam& record);

// Drawings that carry only the daily-motion line: the north point placed
// perpendicular to the line from its right end `r` to its left end `l`, at
// the limb distance of `edge` from `centre`.
PicturePoint DailyMotionNorth(PicturePoint r, PicturePoint l, PicturePoint centre,
                              PicturePoint edge);

// A picture point as a polar position: angle in degrees (within (-0.1,
// 359.9]) and distance in units of the 125-unit disk. Needs a calibration.
struct PolarPosition {
    double angle = 0;
    double distance = 0;
};
PolarPosition PictureToPolar(const Calibration& cal, PicturePoint p);

// A faculae vertex: whole degrees 0..359 and Trunc of the distance.
struct VertexPosition {
    int angle = 0;
    int distance = 0;
    friend bool operator==(const VertexPosition&, const VertexPosition&) = default;
};
VertexPosition FaculaeVertex(const Calibration& cal, PicturePoint p);

// A spot: angle and distance rounded to one decimal, never below 0.
PolarPosition SpotPosition(const Calibration& cal, PicturePoint p);
// The texts the window and the command-line tool show: "0.0" patterns.
std::string FormatTenths(double value);

} // namespace hk
