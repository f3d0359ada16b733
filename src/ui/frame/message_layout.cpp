#include "ui/frame/message_layout.h"

#include <QRegularExpression>
#include <algorithm>

namespace hk {

namespace {

constexpr int TextTop = 20;
constexpr int ButtonTop = 80;
constexpr int MessageHeight = 170;
constexpr int MinMessageWidth = 250;
constexpr int MessageMargin = 100;
constexpr int HelpWidth = 650;
constexpr int HelpTextWidth = 600;
constexpr int HelpButtonAboveBottom = 50;
constexpr QSize PromptSize{350, 200};
constexpr int PromptButtonTop = 120;
constexpr int PromptEditTop = 75;
constexpr int MinQuestionWidth = 350;
constexpr int QuestionMargin = 50;
constexpr int QuestionButtonsSpan = 203;
constexpr int QuestionButtonStep = 103;
constexpr int GapAboveButton = 12;

int widestLine(const QStringList& lines, const std::function<int(const QString&)>& textWidth) {
    int w = 0;
    for (const QString& line : lines)
        w = std::max(w, textWidth(line));
    return w;
}

} // namespace

QStringList MessageLines(const QString& text) {
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

QStringList WrapMessageLines(const QStringList& lines,
                             const std::function<int(const QString&)>& textWidth, int maxWidth) {
    QStringList out;
    for (const QString& line : lines) {
        if (textWidth(line) <= maxWidth) {
            out << line;
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && textWidth(longer) > maxWidth) {
                out << current;
                current = word;
            } else {
                current = longer;
            }
        }
        out << current;
    }
    return out;
}

MessageLayout LayoutMessage(MessageKind mode, const QString& text,
                            const std::function<int(const QString&)>& textWidth, int lineHeight) {
    MessageLayout l;
    const QStringList lines = MessageLines(text);
    const int textWidthPx = widestLine(lines, textWidth);
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    switch (mode) {
    case MessageKind::Message: {
        l.caption = QStringLiteral("Zpráva");
        if (text.startsWith(QStringLiteral(" F8"))) {
            // The help text: a wide window with one line of height per line
            // end, wider still when a line needs it (no line is cut).
            const int n = static_cast<int>(text.count(QLatin1Char('\r')));
            const int height = n * MessageFontPixels + 2 * n + MessageHeight;
            const int textWidth = std::max(HelpTextWidth, textWidthPx);
            const int width = textWidth + HelpWidth - HelpTextWidth;
            l.window = {width, height};
            l.text = {(width - textWidth) / 2, TextTop, textWidth, textHeight};
            const int buttonTop = height - HelpButtonAboveBottom - MessageButtonHeight;
            l.ok = {(width - MessageButtonWidth) / 2, std::max(buttonTop, l.text.bottom() + 1),
                    MessageButtonWidth, MessageButtonHeight};
            l.window.setHeight(std::max(height, l.ok.bottom() + 1 + HelpButtonAboveBottom));
            break;
        }
        const int width = std::max(textWidthPx, MinMessageWidth) + MessageMargin;
        // A message of more lines than the fixed height holds grows downwards
        // instead of running under the button.
        const int buttonTop = std::max(ButtonTop, TextTop + textHeight + GapAboveButton);
        l.window = {width, MessageHeight + buttonTop - ButtonTop};
        l.text = {(width - textWidthPx) / 2, TextTop, textWidthPx, textHeight};
        l.ok = {(width - MessageButtonWidth) / 2, buttonTop, MessageButtonWidth,
                MessageButtonHeight};
        break;
    }
    case MessageKind::Value: {
        l.caption = QStringLiteral("Zadání hodnoty");
        // A prompt wider than the window widens it rather than being cut.
        const int width = std::max(PromptSize.width(), textWidthPx + 50);
        l.window = {width, PromptSize.height()};
        l.text = {25, TextTop, width - 50, std::min(textHeight, PromptEditTop - TextTop)};
        l.edit = {25, PromptEditTop, width - 50, 28};
        l.ok = {(width - MessageButtonWidth) / 2, PromptButtonTop, MessageButtonWidth,
                MessageButtonHeight};
        break;
    }
    case MessageKind::Question: {
        l.caption = QStringLiteral("Výběr");
        const int width = std::max(textWidthPx, MinQuestionWidth) + QuestionMargin;
        const int buttonTop = std::max(ButtonTop, TextTop + textHeight + GapAboveButton);
        l.window = {width, MessageHeight + buttonTop - ButtonTop};
        l.text = {(width - textWidthPx) / 2, TextTop, textWidthPx, textHeight};
        const int okLeft = (width - QuestionButtonsSpan) / 2;
        l.ok = {okLeft, buttonTop, MessageButtonWidth, MessageButtonHeight};
        l.no = {okLeft + QuestionButtonStep, buttonTop, MessageButtonWidth, MessageButtonHeight};
        break;
    }
    }
    return l;
}

} // namespace hk
