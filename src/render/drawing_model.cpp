#include "render/drawing_model.h"

#include "drawing/faculae.h"
#include "records/record.h"

namespace hk {

DrawingModel MakeDrawingModel(const TZaznam& z, const std::vector<std::uint16_t>& magneticWords) {
    DrawingModel m;
    m.record = z;
    m.ephemeris = RecordEphemeris(z);
    if (m.ephemeris) m.summary = ComputeSummary(z, *m.ephemeris);
    m.faculaePixels = CountFaculaePixels(z);
    const auto date = RecordDate(z);
    if (m.ephemeris && date && !magneticWords.empty())
        m.magnetic = MagneticOverlay(magneticWords, *date, *m.ephemeris);
    return m;
}

} // namespace hk
