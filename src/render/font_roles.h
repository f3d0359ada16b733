#pragma once
// The two font roles of the program's pictures: the sans of the texts (the
// "Ms sans Serif" role) and the serif of the tables and captions (the
// "Serifa BT" role), both from the DejaVu family Debian ships. Sizes are in
// pixels of the picture, so a picture scaled by the painter keeps its layout.
// DejaVu runs wider than the old screen fonts: a size given for those in
// points is used here as pixels, which keeps the texts of a layout apart.
#include <QFont>

namespace hk {

QFont SansFont(int pixelSize);
QFont SerifFont(int pixelSize);

} // namespace hk
