#include "render/font_roles.h"

#include <algorithm>

namespace hk {

namespace {
QFont roleFont(const char* family, QFont::StyleHint hint, int pixelSize) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(hint);
    f.setPixelSize(std::max(1, pixelSize));
    // Metrics must not depend on the device's hinting: the same layout is
    // drawn on the window, on images and on paper.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}
} // namespace

QFont SansFont(int pixelSize) {
    return roleFont("DejaVu Sans", QFont::SansSerif, pixelSize);
}
QFont SerifFont(int pixelSize) {
    return roleFont("DejaVu Serif", QFont::Serif, pixelSize);
}

} // namespace hk
