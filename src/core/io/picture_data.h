#pragma once
// The numbers a picture draws, as a table for other programs: one row per
// point of the picture's axis (a month, a day, a rotation), one column per
// curve, an empty cell where a curve has no value there. Written as CSV:
// UTF-8, a header row, cells separated by ",", plain numbers with a decimal
// point, lines ended by LF.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hk {

struct PictureData {
    std::string axis;                 // header of the first column
    std::vector<std::string> columns; // the curves
    struct Row {
        std::string key;                           // the axis point, e.g. "2024-06"
        std::vector<std::optional<double>> values; // one per curve
    };
    std::vector<Row> rows;
};

// A number with at most three decimals, trailing zeros dropped ("152.8",
// "3", "-0.125").
std::string PictureNumber(double v);

std::string PictureDataCsv(const PictureData& data);

// Writes the CSV atomically; throws std::runtime_error with the Czech message.
void WritePictureData(const std::filesystem::path& file, const PictureData& data);

} // namespace hk
