#pragma once
// magn.dat: the magnetogram summation, one block of 121 x 90 bytes (10890)
// per Carrington rotation from rotation 1718 on. Inside a block, row r
// (0..120) is the latitude band Trunc(HelioLat + 60) (only 0..119 are
// written: |HelioLat| < 60), column c (0..89) the Carrington longitude in
// steps of 4 degrees, c = Round(HelioLon) shr 2 within the rotation; the
// byte of cell (r, c) is at r * 90 + c of the block. A cell holds
// (v and 15) shl 4 of the last magnetogram pixel that fell into it, 0 when
// none did.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace hk {

inline constexpr int MagnFirstRotation = 1718;
inline constexpr int MagnRows = 121;
inline constexpr int MagnColumns = 90;
inline constexpr std::size_t MagnBlockBytes = std::size_t(MagnRows) * MagnColumns; // 10890

// The cell of a point of the summation: row from the latitude, column from
// the continuous longitude since rotation 1717.
struct MagnCellIndex {
    int rotation; // Carrington rotation of the block
    int row;      // 0..119
    int column;   // 0..89
};
// The cell of latitude `lat` and longitude `lon` (0..360) passing the central
// meridian in rotation `rotace`; rotation < 1718 or |lat| >= 60 give none.
bool MagnCell(int rotation, double lat, double lon, MagnCellIndex& out);

class MagnDatCells {
  public:
    MagnDatCells() = default;
    // The blocks of rotations 1718 .. 1718 + count - 1 from the file's bytes
    // (a short file reads zeros for what it lacks).
    static MagnDatCells fromBytes(std::span<const std::uint8_t> bytes, int count);
    // Reads the first `count` blocks of magn.dat; a missing file gives zero
    // blocks. Throws std::runtime_error with a message when the name is not
    // a regular file or cannot be read.
    static MagnDatCells read(const std::filesystem::path& file, int count);

    int rotations() const { return static_cast<int>(bytes_.size() / MagnBlockBytes); }
    // The byte of a cell; 0 outside the blocks.
    std::uint8_t cell(int rotation, int row, int column) const;
    // Stores a pixel value into its cell ((v and 15) shl 4); grows the blocks.
    void store(const MagnCellIndex& b, int v);
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace hk
