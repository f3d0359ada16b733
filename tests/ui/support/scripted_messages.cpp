#include "ui/support/scripted_messages.h"

namespace hk::test {

void ScriptedMessages::Zprava(const QString& text) {
    zpravy << text;
    log << QStringLiteral("zprava: ") + text;
    if (onShown) onShown(log.back());
}

std::optional<QString> ScriptedMessages::ZadejHodnotu(const QString& prompt, const QString&) {
    vyzvy << prompt;
    log << QStringLiteral("hodnota: ") + prompt;
    if (onShown) onShown(log.back());
    if (hodnoty.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    if (!hodnoty.front()) {
        hodnoty.pop_front();
        return std::nullopt;
    }
    const QString answer = *hodnoty.front();
    hodnoty.pop_front();
    return answer;
}

bool ScriptedMessages::Otazka(const QString& text) {
    otazky << text;
    log << QStringLiteral("otazka: ") + text;
    if (onShown) onShown(log.back());
    if (odpovedi.empty()) {
        ++unanswered;
        return false;
    }
    const bool answer = odpovedi.front();
    odpovedi.pop_front();
    return answer;
}

void ScriptedMessages::clear() {
    odpovedi.clear();
    hodnoty.clear();
    log.clear();
    zpravy.clear();
    otazky.clear();
    vyzvy.clear();
    unanswered = 0;
}

} // namespace hk::test
