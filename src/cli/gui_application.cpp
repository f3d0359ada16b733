#include "cli/gui_application.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "cli/cli_common.h"
#include "io/atomic_file.h"
#include "io/huge_pages.h"
#include "render/font_roles.h"
#include "render/jpeg_writer.h"

namespace hk::cli {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance()) return;
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() = default;

PictureCommandScope::PictureCommandScope()
    : fonts_([] {
          // A line in each of the pictures' fonts, painted where nobody sees
          // it: the font database is set up and the two families opened.
          QImage image(64, 16, QImage::Format_RGB32);
          QPainter p(&image);
          for (const QFont& f : {SansFont(12), SerifFont(12)}) {
              p.setFont(f);
              p.drawText(0, 12, QStringLiteral("Zákres 0123456789"));
          }
      }) {}

PictureCommandScope::~PictureCommandScope() = default;

void WritePdf(const std::filesystem::path& file, const QString& title,
              const std::function<void(QPdfWriter&)>& draw) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        if (!title.isEmpty()) pdf.setTitle(title);
        draw(pdf);
    }
    WriteFileAtomic(file,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void SavePicture(const std::filesystem::path& file, QSize size, const PicturePainter& paint,
                 const QString& title, bool portrait) {
    if (IsPdf(file)) {
        WritePdf(file, title, [&](QPdfWriter& pdf) {
            pdf.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            QPainter p(&pdf);
            const QRect page = p.viewport();
            const double m = std::min(static_cast<double>(page.width()) / size.width(),
                                      static_cast<double>(page.height()) / size.height());
            p.scale(m, m);
            paint(p, QRect(QPoint(0, 0), size));
        });
        return;
    }
    SavePictureImage(file, size, paint);
}

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

// An RGB32 image for a picture painted over whole. A long graph is some
// 80 MB: its memory is asked for in huge pages, which spares the first
// paint tens of thousands of page faults (a fifth of its time). The pixels
// are the same either way.
QImage pictureImage(QSize size) {
    const std::size_t bytesPerLine = std::size_t(std::max(0, size.width())) * 4;
    const std::size_t bytes = bytesPerLine * std::size_t(std::max(0, size.height()));
    if (bytes < HugePage) return QImage(size, QImage::Format_RGB32);
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    auto* data = static_cast<uchar*>(std::aligned_alloc(HugePage, rounded));
    if (!data) return QImage(size, QImage::Format_RGB32);
    AdviseHugePages(data, rounded);
    PrepareInParallel(data, rounded);
    return QImage(
        data, size.width(), size.height(), qsizetype(bytesPerLine), QImage::Format_RGB32,
        [](void* d) { std::free(d); }, data);
}

} // namespace

void SavePictureImage(const std::filesystem::path& file, QSize size, const PicturePainter& paint) {
    QImage image = pictureImage(size);
    {
        QPainter p(&image);
        paint(p, image.rect());
    }
    SaveImage(image, file, 90);
}

} // namespace hk::cli
