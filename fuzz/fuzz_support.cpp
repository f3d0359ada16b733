#include "fuzz_support.h"

#include <fstream>

namespace hk::fuzz {

std::filesystem::path PutFile(std::string_view name, std::string_view bytes) {
    const std::filesystem::path path = WorkFolder() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace hk::fuzz
