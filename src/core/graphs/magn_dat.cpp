#include "graphs/magn_dat.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>

#include "io/atomic_file.h"

namespace hk {

bool MagnCell(int rotace, double lat, double lon, MagnBunka& out) {
    if (rotace < MagnPrvniRotace || !(std::fabs(lat) < 60)) return false;
    const long continuous = std::lround(std::nearbyint((rotace - 1717) * 360.0 + lon));
    const long step = continuous >> 2; // 90 columns per rotation
    out.rotace = static_cast<int>(MagnPrvniRotace + (step / MagnSloupce) - 1);
    out.sloupec = static_cast<int>(step % MagnSloupce);
    out.radek = static_cast<int>(std::trunc(lat + 60));
    return out.rotace >= MagnPrvniRotace && out.radek >= 0 && out.radek < MagnRadky - 1;
}

MagnData MagnData::fromBytes(std::span<const std::uint8_t> bytes, int count) {
    MagnData m;
    if (count <= 0) return m;
    m.bytes_.assign(std::size_t(count) * MagnBlok, 0);
    const std::size_t n = std::min(bytes.size(), m.bytes_.size());
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n), m.bytes_.begin());
    return m;
}

MagnData::MagnData(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    // A partial last block reads as zeros where the file ends.
    bytes_.resize((bytes_.size() + MagnBlok - 1) / MagnBlok * MagnBlok, 0);
}

MagnData MagnData::read(const std::filesystem::path& file, int count) {
    std::error_code ec;
    if (count <= 0 || !std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return {};
    // Only the blocks asked for, and only what the file holds: a large count
    // (a damaged record's rotation) allocates nothing. Something else than a
    // regular file (a FIFO would block) throws with a message.
    const std::string bytes = ReadFileStart(file, static_cast<std::size_t>(count) * MagnBlok);
    return MagnData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

MagnData MagnData::readWhole(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return {};
    return MagnData(ReadWholeFileBytes(file, MagnDatFileLimit));
}

int MagnData::usedRotations() const {
    const auto last =
        std::find_if(bytes_.rbegin(), bytes_.rend(), [](std::uint8_t b) { return b; });
    const std::size_t used = static_cast<std::size_t>(bytes_.rend() - last);
    return static_cast<int>((used + MagnBlok - 1) / MagnBlok);
}

std::uint8_t MagnData::cell(int rotace, int radek, int sloupec) const {
    if (rotace < MagnPrvniRotace || rotace >= MagnPrvniRotace + rotations() || radek < 0 ||
        radek >= MagnRadky || sloupec < 0 || sloupec >= MagnSloupce)
        return 0;
    return bytes_[std::size_t(rotace - MagnPrvniRotace) * MagnBlok +
                  std::size_t(radek) * MagnSloupce + std::size_t(sloupec)];
}

void MagnData::store(const MagnBunka& b, int v) {
    if (b.rotace < MagnPrvniRotace) return;
    const std::size_t block = std::size_t(b.rotace - MagnPrvniRotace);
    if (block >= std::size_t(rotations())) bytes_.resize((block + 1) * MagnBlok, 0);
    bytes_[block * MagnBlok + std::size_t(b.radek) * MagnSloupce + std::size_t(b.sloupec)] =
        static_cast<std::uint8_t>((v & 15) << 4);
}

} // namespace hk
