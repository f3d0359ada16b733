#pragma once
// Commands that paint pictures need a QGuiApplication for fonts. This scope
// makes one for the duration of the command (on the platform main() chose)
// when the process has none yet.
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

class QGuiApplication;
class QPainter;
class QPdfWriter;
class QRect;
class QSize;

namespace hk::cli {

class GuiApplicationScope {
  public:
    GuiApplicationScope();
    ~GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

  private:
    int argc_ = 1;
    char name_[14] = "heliokres-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// For a command that paints (every kind of `render`, which paints inside
// it and makes no application of its own): the application made now, and
// the fonts of the pictures found and opened on a second thread while the
// command reads its records (the font database's set-up costs some 10 ms
// that would otherwise come before the first text is painted). Waits for
// that thread when it ends.
class PictureCommandScope {
  public:
    PictureCommandScope();
    ~PictureCommandScope();
    PictureCommandScope(const PictureCommandScope&) = delete;
    PictureCommandScope& operator=(const PictureCommandScope&) = delete;

  private:
    GuiApplicationScope app_;
    std::jthread fonts_; // after app_: ends before the application
};

// Writes a PDF atomically: an A4 writer at 300 dpi with `title` (none when
// empty) is handed to `draw`, which sets its orientation and margins and
// paints the pages; the bytes go to `file` only when all are painted.
void WritePdf(const std::filesystem::path& file, const QString& title,
              const std::function<void(QPdfWriter&)>& draw);

// Paints one picture into the image or PDF: the picture of `size`, which
// `paint` draws into the rectangle it is given, goes to `file` as an image
// by its extension (PNG, JPEG, BMP) or, for FILE.pdf, on one A4 page
// (landscape unless `portrait`) with margins of 10 mm, scaled to fit; both
// written atomically.
using PicturePainter = std::function<void(QPainter&, const QRect&)>;
void SavePicture(const std::filesystem::path& file, QSize size, const PicturePainter& paint,
                 const QString& title = QString(), bool portrait = false);
// The image half of SavePicture, for pictures whose PDF is printed by a
// painter of its own: PNG, JPEG or BMP by the extension.
void SavePictureImage(const std::filesystem::path& file, QSize size, const PicturePainter& paint);

} // namespace hk::cli
