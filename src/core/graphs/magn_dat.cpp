#include "graphs/magn_dat.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>

#include "io/atomic_file.h"

namespace hk {

bool MagnCell(int rotation, double lat, double lon, MagnCellIndex& out) {
    if (rotation < MagnFirstRotation || !(std::fabs(lat) < 60)) return false;
    const long continuous = std::lround(std::nearbyint((rotation - 1717) * 360.0 + lon));
    const long step = continuous >> 2; // 90 columns per rotation
    out.rotation = static_cast<int>(MagnFirstRotation + (step / MagnColumns) - 1);
    out.column = static_cast<int>(step % MagnColumns);
    out.row = static_cast<int>(std::trunc(lat + 60));
    return out.rotation >= MagnFirstRotation && out.row >= 0 && out.row < MagnRows - 1;
}

MagnDatCells MagnDatCells::fromBytes(std::span<const std::uint8_t> bytes, int count) {
    MagnDatCells m;
    if (count <= 0) return m;
    m.bytes_.assign(std::size_t(count) * MagnBlockBytes, 0);
    const std::size_t n = std::min(bytes.size(), m.bytes_.size());
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n), m.bytes_.begin());
    return m;
}

MagnDatCells::MagnDatCells(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    // A partial last block reads as zeros where the file ends.
    bytes_.resize((bytes_.size() + MagnBlockBytes - 1) / MagnBlockBytes * MagnBlockBytes, 0);
}

MagnDatCells MagnDatCells::read(const std::filesystem::path& file, int count) {
    std::error_code ec;
    if (count <= 0 || !std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return {};
    // Only the blocks asked for, and only what the file holds: a large count
    // (a damaged record's rotation) allocates nothing. Something else than a
    // regular file (a FIFO would block) throws with a message.
    const std::string bytes = ReadFileStart(file, static_cast<std::size_t>(count) * MagnBlockBytes);
    return MagnDatCells(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

MagnDatCells MagnDatCells::readWhole(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return {};
    return MagnDatCells(ReadWholeFileBytes(file, MagnDatFileLimit));
}

int MagnDatCells::usedRotations() const {
    const auto last =
        std::find_if(bytes_.rbegin(), bytes_.rend(), [](std::uint8_t b) { return b; });
    const std::size_t used = static_cast<std::size_t>(bytes_.rend() - last);
    return static_cast<int>((used + MagnBlockBytes - 1) / MagnBlockBytes);
}

std::uint8_t MagnDatCells::cell(int rotation, int row, int column) const {
    if (rotation < MagnFirstRotation || rotation >= MagnFirstRotation + rotations() || row < 0 ||
        row >= MagnRows || column < 0 || column >= MagnColumns)
        return 0;
    return bytes_[std::size_t(rotation - MagnFirstRotation) * MagnBlockBytes +
                  std::size_t(row) * MagnColumns + std::size_t(column)];
}

void MagnDatCells::store(const MagnCellIndex& b, int v) {
    if (b.rotation < MagnFirstRotation) return;
    const std::size_t block = std::size_t(b.rotation - MagnFirstRotation);
    if (block >= std::size_t(rotations())) bytes_.resize((block + 1) * MagnBlockBytes, 0);
    bytes_[block * MagnBlockBytes + std::size_t(b.row) * MagnColumns + std::size_t(b.column)] =
        static_cast<std::uint8_t>((v & 15) << 4);
}

} // namespace hk
