#include "ui/support/scripted_messages.h"

#include "ui/frame/message_dialog.h"

namespace hk::test {

void ScriptedMessages::showMessage(const QString& text) {
    messages << text;
}

std::optional<QString> ScriptedMessages::askValue(const QString& prompt, const QString&) {
    prompts << prompt;
    if (values.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    if (!values.front()) {
        values.pop_front();
        return std::nullopt;
    }
    const QString answer = *values.front();
    values.pop_front();
    return answer;
}

bool ScriptedMessages::ask(const QString& text, SafeAnswer safe) {
    questions << text;
    safeAnswers.push_back(safe);
    if (typeIntoQuestion) {
        MessageDialog window(MessageKind::Question, text);
        window.setSafeAnswer(safe == SafeAnswer::Yes);
        window.show();
        typeIntoQuestion(window);
        if (window.isVisible()) window.close();
        return window.confirmed();
    }
    if (answers.empty()) {
        ++unanswered;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedMessages::clear() {
    answers.clear();
    values.clear();
    messages.clear();
    questions.clear();
    prompts.clear();
    safeAnswers.clear();
    unanswered = 0;
}

} // namespace hk::test
