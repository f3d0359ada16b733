#include "drawing/faculae.h"

#include <cmath>

#include "records/record.h"

namespace hk {

namespace {

constexpr double DegreeToRadian = 0.0174532;
constexpr int Centre = 280;

DrawingPoint vertexPoint(std::uint16_t v, int orientEW, int orientNS) {
    const PackedPosition pos = UnpackPosition(v);
    const float angle = static_cast<float>(pos.angle * DegreeToRadian);
    const int r = pos.dist * 2;
    return {static_cast<int>(std::trunc(std::sin(double(angle)) * orientEW * r)) + Centre,
            static_cast<int>(std::trunc(-std::cos(double(angle)) * orientNS * r)) + Centre};
}

void setAreaText(TZaznam& z, const std::string& text, bool& changed) {
    if (z.PlochaFakuli.raw() == text) return;
    z.PlochaFakuli.setRaw(text);
    changed = true;
}

} // namespace

std::vector<DrawingPoint> FaculaePolygon(const TSkupina& entry, int orientEW, int orientNS) {
    std::vector<DrawingPoint> points;
    points.reserve(FaculaeVertexCount);
    for (int j = 0; j < FaculaeVertexCount; ++j) {
        const std::uint16_t v = entry.Fakule[j];
        if (j >= 2 && UnpackPosition(v).dist == 0) continue;
        points.push_back(vertexPoint(v, orientEW, orientNS));
    }
    return points;
}

int CountFaculaePixels(const TZaznam& z, FaculaeBitmap& bitmap) {
    const int fields = z.faculaeCount();
    if (fields == 0) return 0;
    for (int k = 0; k < fields; ++k)
        bitmap.fillPolygon(FaculaePolygon(z.Skupiny[k]));
    return bitmap.countAndClear();
}

int CountFaculaePixels(const TZaznam& z) {
    FaculaeBitmap bitmap;
    return CountFaculaePixels(z, bitmap);
}

int FaculaeArea(int pixels) {
    return static_cast<int>(std::nearbyint(pixels * FaculaePixelArea));
}

bool StoreFaculaeArea(TZaznam& z, FaculaeBitmap& bitmap) {
    if (z.faculaeCount() == 0) return false;
    bool changed = false;
    setAreaText(z, std::to_string(FaculaeArea(CountFaculaePixels(z, bitmap))), changed);
    return changed;
}

int RecountFaculae(std::span<TZaznam> records) {
    FaculaeBitmap bitmap;
    int changedRecords = 0;
    for (TZaznam& z : records) {
        bool changed = false;
        if (z.faculaeCount() == 0)
            setAreaText(z, "0", changed);
        else
            changed = StoreFaculaeArea(z, bitmap);
        if (changed) ++changedRecords;
    }
    return changedRecords;
}

} // namespace hk
