#pragma once
// The demo directory's scan of its newest drawing, to try the measurement on.
#include <filesystem>
#include <optional>

namespace hk {

// Writes "Sken DD.MM.YYYY.png" of the newest drawing of DIR's datax.dat beside
// it (atomically) and gives its path; none when there is no dated drawing.
// Throws std::runtime_error when the picture cannot be written.
std::optional<std::filesystem::path> WriteDemoScan(const std::filesystem::path& dir);

} // namespace hk
