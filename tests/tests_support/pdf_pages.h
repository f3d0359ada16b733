#pragma once
// The number of pages of a PDF file: its "/Type /Page" objects (not the
// "/Type /Pages" tree).
#include <filesystem>
#include <string>
#include <string_view>

#include "io/atomic_file.h"

namespace hk {

inline int PdfPages(std::string_view pdf) {
    int n = 0;
    for (auto at = pdf.find("/Type /Page"); at != std::string_view::npos;
         at = pdf.find("/Type /Page", at + 1))
        n += pdf.substr(at, 12) != "/Type /Pages";
    return n;
}

inline int PdfPagesOfFile(const std::filesystem::path& file) {
    return PdfPages(ReadWholeFile(file));
}

} // namespace hk
