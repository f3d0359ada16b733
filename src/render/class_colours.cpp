#include "render/class_colours.h"

namespace hk {

const std::array<QColor, 9> ClassColours = {
    QColor(208, 208, 208), QColor(160, 160, 255), QColor(255, 128, 128),
    QColor(160, 255, 160), QColor(255, 96, 0),    QColor(255, 0, 255),
    QColor(255, 255, 0),   QColor(176, 0, 138),   QColor(175, 64, 64)};

QColor ClassColour(char letter) {
    if (letter >= 'A' && letter <= 'I') return ClassColours[static_cast<std::size_t>(letter - 'A')];
    if (letter == 'J') return ClassJColour;
    return QColor(125, 125, 125);
}

} // namespace hk
