#pragma once
// The calendar of the days without activity: white ground, black lines, the
// month names and day numbers, a red cell with a black border for each
// marked day.
#include <QRect>

#include "results/spotless_days_scene.h"

class QPainter;

namespace hk {

struct SpotlessCalendarOptions {
    bool bold = true; // the window's font is bold
};

// Paints the calendar into `target`; the model's pixel positions are taken
// relative to its top-left corner.
void PaintSpotlessCalendar(QPainter& painter, const QRect& target, const SpotlessCalendar& model,
                           const SpotlessCalendarOptions& options = {});

// The printed page: the caption with the year above the calendar of the
// print scene, scaled to fit `page`.
void PrintSpotlessDays(QPainter& painter, const QRect& page, const SpotlessDaysPicture& picture);

} // namespace hk
