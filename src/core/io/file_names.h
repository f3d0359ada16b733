#pragma once
// Checks of texts that become part of a file name (picture names typed by the
// user, report names, observer names written into files): nothing a user
// types may lead a file out of its folder or break a line of a report.
#include <optional>
#include <string>
#include <string_view>

namespace hk {

// A Czech message when `text` cannot be part of a file name in its folder:
// it holds "/", "\", "..", a drive colon or a control character (a line
// break among them). nullopt when it is safe. `what` names the field in
// the message.
std::optional<std::string> FileNamePartError(std::string_view text, std::string_view what);

// True when `text` holds a control character (a line break, a tab, ...).
bool HasControlCharacter(std::string_view text);

// `text` with every control character replaced by a space: a name written
// into one line of a report stays one line.
std::string OneLine(std::string_view text);

} // namespace hk
