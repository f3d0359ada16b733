#include "render/jpeg_writer.h"

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "io/atomic_file.h"
#include "render/png_writer.h"

namespace hk {

namespace {

// libjpeg reports a fatal error through error_exit, which must not return.
// The handler jumps back to compress(); nothing with a destructor lives
// between the setjmp and the libjpeg calls.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {}

struct Encoded {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    bool ok = false;
};

// Plain C-style encoding so that longjmp skips no destructors. `rows` are
// `height` rows of `width` * `components` bytes, `stride` apart.
void compress(const unsigned char* pixels, int width, int height, int stride, int components,
              int quality, Encoded& out, char* message) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        out.ok = false;
        return;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out.data, &out.size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + std::size_t(cinfo.next_scanline) * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.ok = true;
}

std::string lowerExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

} // namespace

std::string EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw std::runtime_error("Prázdný obrázek nelze uložit jako JPEG");
    quality = std::clamp(quality, 1, 100);
    const bool gray = image.format() == QImage::Format_Grayscale8;
    const QImage source = gray ? image : image.convertToFormat(QImage::Format_RGB888);
    Encoded out;
    char message[JMSG_LENGTH_MAX] = {};
    compress(source.constBits(), source.width(), source.height(),
             static_cast<int>(source.bytesPerLine()), gray ? 1 : 3, quality, out, message);
    std::string bytes;
    if (out.ok) bytes.assign(reinterpret_cast<const char*>(out.data), out.size);
    std::free(out.data);
    if (!out.ok) throw std::runtime_error(std::string("Chyba při kódování JPEG: ") + message);
    return bytes;
}

void WriteJpeg(const QImage& image, const std::filesystem::path& path, int quality) {
    WriteFileAtomic(path, EncodeJpeg(image, quality));
}

void SaveImage(const QImage& image, const std::filesystem::path& path, int jpegQuality) {
    const std::string ext = lowerExtension(path);
    if (ext == ".jpg" || ext == ".jpeg") {
        WriteJpeg(image, path, jpegQuality);
    } else if (ext == ".png") {
        WriteFileAtomic(path, EncodePng(image));
    } else if (ext == ".bmp") {
        WriteFileAtomic(path, EncodeImageWithQt(image, "BMP"));
    } else {
        throw std::runtime_error("Neznámý typ obrázku \"" + path.filename().string() +
                                 "\" (použijte .png, .jpg nebo .bmp)");
    }
}

} // namespace hk
