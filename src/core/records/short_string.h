#pragma once
// A fixed string field of a record: one length byte followed by N bytes of
// Windows-1250 text, of which the first `len` are significant.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace hk {

#pragma pack(push, 1)
template <std::size_t N> struct ShortString {
    std::uint8_t len;
    char chars[N];

    // The stored Windows-1250 bytes (a length above N is read as N).
    std::string_view raw() const { return {chars, std::min<std::size_t>(len, N)}; }
    // The text as UTF-8.
    std::string text() const { return Cp1250ToUtf8(raw()); }
    bool empty() const { return len == 0; }

    // Stores Windows-1250 bytes, cut to N; bytes past the length are zeroed.
    void setRaw(std::string_view cp1250) {
        std::size_t n = std::min(cp1250.size(), N);
        std::memset(chars, 0, N);
        std::memcpy(chars, cp1250.data(), n);
        len = static_cast<std::uint8_t>(n);
    }
    // Stores UTF-8 text converted to Windows-1250, cut to N bytes.
    void setText(std::string_view utf8) { setRaw(Utf8ToCp1250(utf8)); }
};
#pragma pack(pop)

} // namespace hk
