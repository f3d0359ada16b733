#pragma once
// Writing files without ever truncating the only copy: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old file. A failure leaves the old file untouched and throws.
#include <filesystem>
#include <string>
#include <string_view>

namespace hk {

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; throws std::runtime_error with a Czech message naming
// the file when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

} // namespace hk
