#pragma once
// Shared pieces of the fuzz targets: a private folder for the files a reader
// needs on disk, and a way to split one input into a choice and the bytes.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "io/atomic_file.h"

namespace hk::fuzz {

// A folder of this process, made once and emptied by the target as needed.
inline const std::filesystem::path& WorkFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path p = std::filesystem::temp_directory_path() /
                                        ("heliokres-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                            ("heliokres-fuzz-" + std::to_string(::getpid())),
                                        ec);
        });
        return p;
    }();
    return folder;
}

// Writes `bytes` to `name` in the work folder, plainly (the atomic writer's
// fsync would make every run slow) and returns the path.
std::filesystem::path PutFile(std::string_view name, std::string_view bytes);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace hk::fuzz
