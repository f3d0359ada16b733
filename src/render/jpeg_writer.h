#pragma once
// Pictures written to disk: JPEG through libjpeg, PNG through the program's
// own encoder (png_writer.h), BMP through QImage.
// Every file is written atomically (a temporary file in the same folder, then
// a rename), so a failed save leaves the previous file untouched.
#include <filesystem>
#include <string>

#include <QImage>

namespace hk {

// Encodes the image as a baseline JPEG of the given quality (1..100) in memory.
// Throws std::runtime_error with a Czech message when encoding fails.
std::string EncodeJpeg(const QImage& image, int quality);

// Writes the image as a JPEG file of the given quality (1..100).
void WriteJpeg(const QImage& image, const std::filesystem::path& path, int quality);

// Writes the image in the format named by the file's extension: ".png",
// ".jpg"/".jpeg" (with jpegQuality) or ".bmp", in any letter case. Throws
// std::runtime_error with a Czech message for another extension or a failed
// write.
void SaveImage(const QImage& image, const std::filesystem::path& path, int jpegQuality = 90);

} // namespace hk
