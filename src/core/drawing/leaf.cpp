#include "drawing/leaf.h"

#include <cmath>
#include <numbers>

namespace hk {

LeafPoints PlaceLeaf(int x1, int y1, int x2, int y2) {
    // The arithmetic runs in 32-bit floats, as the drawing has always done.
    const float X1 = float(x1), Y1 = float(y1), X2 = float(x2), Y2 = float(y2);
    float dy = Y1 - Y2;
    if (dy == 0) dy = 0.00001f;
    float a = std::atan((X1 - X2) / dy);
    const float lf = std::sqrt((X1 - X2) * (X1 - X2) + (Y2 - Y1) * (Y2 - Y1)) / 100.0f;
    if (Y1 - Y2 >= 0) a = std::numbers::pi_v<float> + a;
    const double sa = std::sin(double(a)), ca = std::cos(double(a));
    LeafPoints out{};
    for (int i = 0; i < LeafPointCount; ++i) {
        const float px = float(LeafShape[i].x), py = float(LeafShape[i].y);
        const float q = std::sqrt(px * px + py * py) * lf;
        out[i] = {static_cast<int>(std::nearbyint(sa * q + py * ca * lf)) + x1,
                  static_cast<int>(std::nearbyint(ca * q - py * sa * lf)) + y1};
    }
    return out;
}

} // namespace hk
