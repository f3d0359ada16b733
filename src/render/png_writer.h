#pragma once
// PNG files of the program's pictures, written with zlib directly.
//
// The pictures are large (a long graph is some 25,000 x 800 pixels) and mostly
// flat colour, so the encoder filters every row with one cheap fixed filter
// and deflates fixed blocks of rows at a low level, several blocks at once.
// The blocks are a fixed number of bytes, so the file's bytes do not depend on
// the number of cores.
#include <string>

#include <QImage>

namespace hk {

// Encodes the image as a PNG file in memory. RGB32 images, and ARGB32 images
// whose pixels are all opaque, become 8-bit RGB; images with an alpha channel
// become 8-bit RGBA (not premultiplied); Grayscale8 images 8-bit grey. Any
// other format, and images carrying text, a colour space or an offset, go
// through Qt's PNG writer. Throws std::runtime_error with a Czech message for
// an empty image or a failed encoding.
std::string EncodePng(const QImage& image);

// Encodes the image with Qt's writer for the named format ("PNG", "BMP").
// Throws std::runtime_error with a Czech message when Qt refuses it.
std::string EncodeImageWithQt(const QImage& image, const char* format);

} // namespace hk
