#pragma once
// magn.dat: the magnetogram summation, one block of 121 x 90 bytes (10890)
// per Carrington rotation from rotation 1718 on. Inside a block, row r
// (0..120) is the latitude band Trunc(HelioLat + 60) (only 0..119 are
// written: |HelioLat| < 60), column c (0..89) the Carrington longitude in
// steps of 4 degrees, c = Round(HelioLon) shr 2 within the rotation; the
// byte of cell (r, c) is at r * 90 + c of the block. A cell holds
// (v and 15) shl 4 of the last magnetogram pixel that fell into it, 0 when
// none did.
#include <algorithm>
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

// The largest magn.dat read whole (by the summation, which rewrites it):
// about 95,000 rotations, far more than the years since 1982 hold.
inline constexpr std::size_t MagnDatFileLimit = std::size_t(1) << 30;

class MagnDatCells {
  public:
    MagnDatCells() = default;
    // The blocks of rotations 1718 .. 1718 + count - 1 from the file's bytes
    // (a short file reads zeros for what it lacks).
    static MagnDatCells fromBytes(std::span<const std::uint8_t> bytes, int count);
    // Reads at most the first `count` blocks of magn.dat, as many as the
    // file holds (a partial last block completed with zeros); a missing file
    // gives none. Throws std::runtime_error with a message when the name is
    // not a regular file or cannot be read.
    static MagnDatCells read(const std::filesystem::path& file, int count);
    // The whole file, for rewriting it: throws as read, and FileTooLarge
    // above MagnDatFileLimit (nothing of it would be kept otherwise).
    static MagnDatCells readWhole(const std::filesystem::path& file);

    int rotations() const { return static_cast<int>(bytes_.size() / MagnBlockBytes); }
    // The blocks up to the last one that holds a cell.
    int usedRotations() const;
    // Cuts or extends (with empty blocks) to `count` blocks.
    void resize(int count) { bytes_.resize(std::size_t(std::max(count, 0)) * MagnBlockBytes, 0); }
    // The byte of a cell; 0 outside the blocks.
    std::uint8_t cell(int rotation, int row, int column) const;
    // Stores a pixel value into its cell ((v and 15) shl 4); grows the blocks.
    void store(const MagnCellIndex& b, int v);
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    explicit MagnDatCells(std::vector<std::uint8_t> bytes);
    std::vector<std::uint8_t> bytes_;
};

} // namespace hk
