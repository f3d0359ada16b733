#include "results/intersol_recipient.h"

#include "io/atomic_file.h"
#include "text/encoding.h"

namespace hk {

InterSolRecipient DefaultInterSolRecipient() {
    return {"Volkssternwarte Paderborn e.V. * Postfach 1142 * D-33041 Paderborn * Germany",
            "Tel. +49 5254 932042  *  Internet www.inter-sol.org  *  E-Mail intersol@vspb.de",
            "intersol@vspb.de"};
}

InterSolRecipient ParseInterSolRecipient(std::string_view cp1250) {
    InterSolRecipient r = DefaultInterSolRecipient();
    std::string* fields[] = {&r.postalAddress, &r.telephoneLine, &r.email};
    std::size_t pos = 0;
    for (std::string* field : fields) {
        if (pos >= cp1250.size()) break;
        std::size_t end = cp1250.find('\n', pos);
        if (end == std::string_view::npos) end = cp1250.size();
        std::string_view line = cp1250.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) *field = Cp1250ToUtf8(line);
        pos = end + 1;
    }
    return r;
}

InterSolRecipient ReadInterSolRecipient(const std::filesystem::path& file) {
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec))
        return DefaultInterSolRecipient();
    // A few short lines: only the file's start is read.
    return ParseInterSolRecipient(ReadFileStart(file, 64 * 1024));
}

} // namespace hk
