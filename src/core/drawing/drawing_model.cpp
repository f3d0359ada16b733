#include "drawing/drawing_model.h"

#include "drawing/faculae.h"
#include "records/record.h"

namespace hk {

DrawingModel MakeDrawingModel(const TZaznam& z, const std::vector<std::uint16_t>& magneticWords) {
    return MakeDrawingModel(z, RecordEphemeris(z), magneticWords);
}

DrawingModel MakeDrawingModel(const TZaznam& z, const std::optional<Ephemeris>& ephemeris,
                              const std::vector<std::uint16_t>& magneticWords) {
    DrawingModel m;
    m.record = z;
    m.ephemeris = ephemeris;
    if (m.ephemeris) {
        m.grid = ComputeDiskGrid(*m.ephemeris, 1, 1);
        m.summary = ComputeSummary(z, *m.ephemeris);
    }
    m.faculaePixels = CountFaculaePixels(z);
    const auto date = RecordDate(z);
    if (m.ephemeris && date && !magneticWords.empty())
        m.magnetic = MagneticOverlay(magneticWords, *date, *m.ephemeris);
    return m;
}

} // namespace hk
