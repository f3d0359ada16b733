#pragma once
// Record files (datax.dat, the backup, the split files, merged files): whole
// 1774-byte records back to back, no header.
#include <filesystem>
#include <span>
#include <vector>

#include "records/record_layout.h"

namespace hk {

struct RecordFileContents {
    std::vector<TZaznam> records;
    std::size_t trailingBytes = 0; // bytes of a partial record at the end, ignored
};

// Reads every whole record; a partial tail is ignored. Throws
// std::runtime_error with a Czech message when the file cannot be read.
RecordFileContents ReadRecordFile(const std::filesystem::path& path);

// Writes the records atomically (temporary file, then rename).
void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records);

// The raw bytes of records, as they stand in a file.
std::string_view RecordBytes(std::span<const TZaznam> records);

} // namespace hk
