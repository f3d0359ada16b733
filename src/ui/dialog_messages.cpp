#include "ui/dialog_messages.h"

#include "ui/zprava_dialog.h"

namespace hk {

void DialogMessages::Zprava(const QString& text) {
    ZpravaDialog d(RezimZpravy::Zprava, text, {}, parent_);
    d.exec();
}

std::optional<QString> DialogMessages::ZadejHodnotu(const QString& prompt, const QString& initial) {
    ZpravaDialog d(RezimZpravy::Hodnota, prompt, initial, parent_);
    d.exec();
    if (!d.potvrzeno()) return std::nullopt;
    return d.hodnota();
}

bool DialogMessages::Otazka(const QString& text) {
    ZpravaDialog d(RezimZpravy::Otazka, text, {}, parent_);
    d.exec();
    return d.potvrzeno();
}

} // namespace hk
