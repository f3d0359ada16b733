#pragma once
// The organisation that collects the Inter-Sol protocols: its postal address,
// telephone line and e-mail address, printed in the protocol's header and
// closing lines. The station may replace them with the file InterSolAdresa.txt
// in the program directory (three lines: address, telephone line, e-mail).
#include <filesystem>
#include <string>
#include <string_view>

namespace hk {

inline constexpr std::string_view InterSolAddressFile = "InterSolAdresa.txt";

struct InterSolRecipient {
    std::string postalAddress; // organisation * post box * postcode and town * country
    std::string telephoneLine; // telephone, fax and e-mail
    std::string email;         // where the protocol is sent
};

InterSolRecipient DefaultInterSolRecipient();

// The lines of InterSolAdresa.txt (Windows-1250); a missing or empty line
// keeps the default.
InterSolRecipient ParseInterSolRecipient(std::string_view cp1250);
// Reads the file when it exists, else the defaults.
InterSolRecipient ReadInterSolRecipient(const std::filesystem::path& file);

} // namespace hk
