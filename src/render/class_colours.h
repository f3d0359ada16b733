#pragma once
// Colours of the Zurich classes, by the first letter of a McIntosh class.
// Also the colours of the smoothed graphs' curves.
#include <array>

#include <QColor>

namespace hk {

// Entries A..I.
extern const std::array<QColor, 9> ClassColours;

// Class J, which the nine-entry table does not reach: a dark teal that none
// of the nine resembles.
inline const QColor ClassJColour{0, 140, 140};

// The colour of a Zurich letter: A..I from the table, J teal, any other
// letter (a class not set, "***") grey 125.
QColor ClassColour(char zurichLetter);

} // namespace hk
