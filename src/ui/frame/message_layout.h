#pragma once
// Placement of the message window's controls: its size follows the text and
// the mode, so it is computed from the text widths alone.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

namespace hk {

enum class MessageKind { Message = 0, Value = 1, Question = 2 };

struct MessageLayout {
    QString caption;
    QSize window; // client size
    QRect text;   // the label with the text
    QRect edit;   // the value field (empty unless a value is asked)
    QRect ok;     // "OK"
    QRect no;     // "Ne" (empty unless a question is asked)
};

inline constexpr int MessageFontPixels = 19;
inline constexpr int MessageButtonWidth = 100;
inline constexpr int MessageButtonHeight = 30;
// The widest line of a message; longer lines are broken at spaces.
inline constexpr int MaxMessageLineWidth = 1000;

// The lines of a message: "\r" (as the messages are written) and "\n" both end
// a line; a trailing separator does not start an empty line.
QStringList MessageLines(const QString& text);

// The lines with every line wider than `maxWidth` broken at spaces into
// lines that fit (a single word wider than that stays whole).
QStringList WrapMessageLines(const QStringList& lines,
                             const std::function<int(const QString&)>& textWidth, int maxWidth);

// textWidth measures one line in the window's font; lineHeight is the
// distance between lines of that font.
MessageLayout LayoutMessage(MessageKind mode, const QString& text,
                            const std::function<int(const QString&)>& textWidth, int lineHeight);

} // namespace hk
