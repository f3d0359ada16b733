#include "io/file_names.h"

namespace hk {

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    return false;
}

std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return out;
}

std::optional<std::string> FileNamePartError(std::string_view text, std::string_view what) {
    const bool separator = text.find_first_of("/\\:") != std::string_view::npos;
    if (separator || text.find("..") != std::string_view::npos || HasControlCharacter(text))
        return std::string(what) +
               " nesmí obsahovat znaky / \\ : ani .. ani konec řádku; soubor se ukládá jen do "
               "své složky.";
    return std::nullopt;
}

} // namespace hk
