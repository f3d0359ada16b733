#pragma once
// A Messages double for tests: it records every message, question and prompt
// in order and answers from queues instead of opening a window.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "ui/frame/messages.h"

namespace hk::test {

class ScriptedMessages : public Messages {
  public:
    // Answers, used front first. An empty queue answers "Ne" to a question and
    // closes a prompt; such calls are counted in `unanswered`.
    std::deque<bool> answers;
    std::deque<std::optional<QString>> values;

    // What was shown, by kind, in order.
    QStringList messages;
    QStringList questions;
    QStringList prompts;
    int unanswered = 0;

    void showMessage(const QString& text) override;
    std::optional<QString> askValue(const QString& prompt, const QString& initial) override;
    bool ask(const QString& text, SafeAnswer safe) override;

    // The safe answer each question passed, in the order of `questions`.
    std::vector<SafeAnswer> safeAnswers;
    // When set, a question is answered at the keyboard instead of from
    // `answers`: the program's question window opens, this types into it, and
    // its answer is returned (a window still open is closed).
    std::function<void(QWidget& questionWindow)> typeIntoQuestion;

    void clear();
};

} // namespace hk::test
