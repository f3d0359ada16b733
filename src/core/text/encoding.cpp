#include "text/encoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace hk {
namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(
                "Převod textu mezi kódováním Windows-1250 a UTF-8 není k dispozici");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; a sequence iconv cannot convert is replaced by
    // `replacement` (already in the target encoding) and skipped.
    std::string convert(std::string_view in, std::string_view replacement, size_t skip) {
        std::string out;
        out.reserve(in.size() * 2);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                out.append(replacement);
                size_t n = std::min(skipLength(src, srcLeft, skip), srcLeft);
                src += n;
                srcLeft -= n;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    // skip == 0 means "one UTF-8 character": the byte at p and the
    // continuation bytes after it; otherwise a fixed byte count.
    static size_t skipLength(const char* p, size_t left, size_t skip) {
        if (skip != 0) return skip;
        size_t n = 1;
        while (n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80)
            ++n;
        return n;
    }
    iconv_t cd_;
};

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

std::string Cp1250ToUtf8(std::string_view cp1250) {
    if (isAscii(cp1250)) return std::string(cp1250);
    thread_local Converter conv("UTF-8", "CP1250");
    return conv.convert(cp1250, "\xEF\xBF\xBD", 1);
}

std::string Utf8ToCp1250(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    thread_local Converter conv("CP1250", "UTF-8");
    return conv.convert(utf8, "?", 0);
}

} // namespace hk
