#include "render/scan_view.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unistd.h>

#include <csetjmp>
#include <memory>
#include <png.h>
#include <vector>

#include <QFile>
#include <QImageReader>
#include <QPen>

#include "io/atomic_file.h"

namespace hk {

namespace {

double scaleOf(int zoom) {
    return (10.0 + zoom) / 10.0;
}

const QColor CentreColour(255, 0, 0);
const QColor FieldColour(255, 0, 255);
const QColor SpotColour(0, 0, 255);
const QColor ProposalColour(0, 170, 0);

void cross(QPainter& p, QPointF c, double half) {
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

// A mark's name beside it, up and to the right.
void label(QPainter& p, QPointF at, const QString& text) {
    p.drawText(at + QPointF(6, -6), text);
}

void paintOverlay(QPainter& p, const ScanOverlay& ov, const ScanOptions& o) {
    auto at = [&](const PicturePoint& pt) { return PictureToWindow(pt, o); };
    p.setBrush(Qt::NoBrush);
    if (ov.centre) {
        p.setPen(QPen(CentreColour, 1));
        cross(p, at(*ov.centre), 8);
        if (ov.north) p.drawLine(at(*ov.centre), at(*ov.north));
    }
    if (ov.north) {
        p.setPen(QPen(CentreColour, 1));
        cross(p, at(*ov.north), 8);
    }
    if (ov.showSelection) {
        // Each field from its start point (a square named by the field's
        // number) through its numbered vertices; each spot a circle named by
        // its group, an auxiliary spot with its number after a slash.
        p.setPen(QPen(FieldColour, 2));
        for (const FieldMark& field : ov.fields) {
            const QPointF start = at(field.start);
            QPointF previous = start;
            for (std::size_t i = 0; i < field.vertices.size(); ++i) {
                const QPointF v = at(field.vertices[i]);
                p.drawLine(previous, v);
                p.drawEllipse(v, 3, 3);
                label(p, v, QString::number(i + 1));
                previous = v;
            }
            p.drawRect(QRectF(start.x() - 4, start.y() - 4, 8, 8));
            // Left of the square, where the labels of spots (to the right) do
            // not fall.
            const QString name = QStringLiteral("F%1").arg(field.field);
            p.drawText(start + QPointF(-8 - p.fontMetrics().horizontalAdvance(name), 4), name);
        }
        p.setPen(QPen(SpotColour, 2));
        for (const SpotMark& s : ov.spots) {
            p.drawEllipse(at(s.point), 5, 5);
            label(p, at(s.point),
                  s.spot <= 1 ? QString::number(s.group)
                              : QStringLiteral("%1/%2").arg(s.group).arg(s.spot - 1));
        }
    }
    if (!ov.proposals.empty()) {
        // Each spot as a circle of its area, each group as a circle round its
        // spots with its number above it.
        const double s = scaleOf(o.zoom);
        const auto& spots = ov.proposals.spots();
        for (std::size_t g = 0; g < ov.proposals.groups().size(); ++g) {
            const auto& members = ov.proposals.groups()[g].spots;
            double cx = 0, cy = 0;
            for (int i : members) {
                cx += spots[i].x;
                cy += spots[i].y;
            }
            cx /= members.size();
            cy /= members.size();
            double reach = 0;
            p.setPen(QPen(ProposalColour, 2));
            for (int i : members) {
                const double r =
                    std::max(2.0, std::sqrt(spots[i].area() / 3.14159265358979) * ov.pxPerMm);
                reach = std::max(reach, std::hypot(spots[i].x - cx, spots[i].y - cy) + r);
                p.drawEllipse(QPointF((spots[i].x + 0.5) * s - o.scroll.x(),
                                      (spots[i].y + 0.5) * s - o.scroll.y()),
                              (r + 2) * s, (r + 2) * s);
            }
            reach += 3 * ov.pxPerMm;
            const QPointF c((cx + 0.5) * s - o.scroll.x(), (cy + 0.5) * s - o.scroll.y());
            p.setPen(QPen(ProposalColour, 1, Qt::DashLine));
            p.drawEllipse(c, reach * s, reach * s);
            p.setPen(QPen(ProposalColour, 1));
            p.drawText(c + QPointF(-4, -reach * s - 4), QString::number(g + 1));
        }
    }
    if (ov.proposedDisk) {
        const double s = scaleOf(o.zoom);
        const DiskCircle& d = *ov.proposedDisk;
        const QPointF c((d.x + 0.5) * s - o.scroll.x(), (d.y + 0.5) * s - o.scroll.y());
        p.setPen(QPen(ProposalColour, 2, Qt::DashLine));
        p.drawEllipse(c, d.radius * s, d.radius * s);
        p.setPen(QPen(ProposalColour, 2));
        cross(p, c, 12);
    }
}

} // namespace

QSize ShownSize(const QSize& picture, int zoom) {
    return {picture.width() * (10 + zoom) / 10, picture.height() * (10 + zoom) / 10};
}

PicturePoint WindowToPicture(const QPoint& window, const ScanOptions& o) {
    const double s = scaleOf(o.zoom);
    return {static_cast<int>(std::floor((window.x() + o.scroll.x()) / s)),
            static_cast<int>(std::floor((window.y() + o.scroll.y()) / s))};
}

QPoint ScrollKeeping(const QPoint& window, const ScanOptions& from, int toZoom) {
    // The middle of the picture pixel under `window` stays under it.
    const PicturePoint p = WindowToPicture(window, from);
    const double s = scaleOf(toZoom);
    return {static_cast<int>(std::lround((p.x + 0.5) * s - window.x())),
            static_cast<int>(std::lround((p.y + 0.5) * s - window.y()))};
}

QPointF PictureToWindow(const PicturePoint& p, const ScanOptions& o) {
    const double s = scaleOf(o.zoom);
    return {(p.x + 0.5) * s - o.scroll.x(), (p.y + 0.5) * s - o.scroll.y()};
}

QImage AdjustedBlock(const QImage& picture, const QRect& block, const DisplayLut& lut) {
    QImage out(block.size(), QImage::Format_RGB32);
    const int bpl = static_cast<int>(picture.bytesPerLine());
    ApplyDisplayLut(lut, picture.constScanLine(block.top()) + block.left() * 4, bpl, out.bits(),
                    static_cast<int>(out.bytesPerLine()), block.width(), block.height());
    return out;
}

void PaintScan(QPainter& painter, const QRect& target, const ScanModel& model,
               const ScanOptions& options) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    const QImage& pic = model.picture;
    if (!pic.isNull()) {
        const double s = scaleOf(options.zoom);
        const int x0 =
            std::clamp(static_cast<int>(std::floor(options.scroll.x() / s)), 0, pic.width());
        const int y0 =
            std::clamp(static_cast<int>(std::floor(options.scroll.y() / s)), 0, pic.height());
        const int x1 = std::clamp(
            static_cast<int>(std::ceil((options.scroll.x() + target.width()) / s)), 0, pic.width());
        const int y1 =
            std::clamp(static_cast<int>(std::ceil((options.scroll.y() + target.height()) / s)), 0,
                       pic.height());
        if (x1 > x0 && y1 > y0) {
            const QRect block(x0, y0, x1 - x0, y1 - y0);
            const QImage shown = AdjustedBlock(pic, block, options.lut);
            const QRectF dest(x0 * s - options.scroll.x(), y0 * s - options.scroll.y(),
                              block.width() * s, block.height() * s);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(dest, shown);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintOverlay(painter, model.overlay, options);
    painter.restore();
}

namespace {

constexpr qint64 MiB = 1024 * 1024;

// A PNG larger than the picture buffer, decoded row by row straight into
// the reduced picture (each reduced pixel the mean of the pixels it covers):
// the whole picture is never held, so a 600 dpi scan needs no more memory
// than the reduced one. Null for an interlaced PNG (its rows come in passes)
// and for a damaged one.
QImage decodePngReduced(QIODevice& file, const QSize& target) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return {};
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return {};
    }
    // Everything libpng may leave behind by longjmp lives outside this frame.
    struct State {
        QImage out;
        std::vector<std::uint8_t> row;
        std::vector<std::uint32_t> sums;
        std::vector<std::uint32_t> counts;
    };
    auto state = std::make_unique<State>();
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return {};
    }
    png_set_read_fn(png, &file, [](png_structp p, png_bytep data, png_size_t length) {
        auto* device = static_cast<QIODevice*>(png_get_io_ptr(p));
        if (device->read(reinterpret_cast<char*>(data), static_cast<qint64>(length)) !=
            static_cast<qint64>(length))
            png_error(p, "short read");
    });
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE || w == 0 || h == 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        return {};
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) < std::size_t(w) * 3) png_error(png, "unexpected row");
    const int tw = target.width(), th = target.height();
    State& st = *state;
    st.out = QImage(tw, th, QImage::Format_RGB32);
    st.row.resize(png_get_rowbytes(png, info));
    st.sums.assign(std::size_t(tw) * 3, 0);
    st.counts.assign(std::size_t(tw), 0);
    int current = 0; // the reduced row being summed
    auto flush = [&](int ty) {
        auto* line = reinterpret_cast<QRgb*>(st.out.scanLine(ty));
        for (int x = 0; x < tw; ++x) {
            const std::uint32_t n = std::max<std::uint32_t>(1, st.counts[std::size_t(x)]);
            line[x] =
                qRgb(int(st.sums[3 * std::size_t(x)] / n), int(st.sums[3 * std::size_t(x) + 1] / n),
                     int(st.sums[3 * std::size_t(x) + 2] / n));
        }
        std::fill(st.sums.begin(), st.sums.end(), 0);
        std::fill(st.counts.begin(), st.counts.end(), 0);
    };
    for (png_uint_32 y = 0; y < h; ++y) {
        png_read_row(png, st.row.data(), nullptr);
        const int ty = static_cast<int>(std::uint64_t(y) * std::uint64_t(th) / h);
        if (ty != current) {
            flush(current);
            current = ty;
        }
        for (png_uint_32 x = 0; x < w; ++x) {
            const std::size_t tx = std::size_t(std::uint64_t(x) * std::uint64_t(tw) / w);
            const std::uint8_t* px = st.row.data() + 3 * std::size_t(x);
            st.sums[3 * tx] += px[0];
            st.sums[3 * tx + 1] += px[1];
            st.sums[3 * tx + 2] += px[2];
            ++st.counts[tx];
        }
    }
    flush(current);
    png_destroy_read_struct(&png, &info, nullptr);
    return std::move(st.out);
}

} // namespace

LoadedScan LoadScan(const QString& path) {
    LoadedScan r;
    // Opened by the core's reader, which takes only a regular file and never
    // blocks (a FIFO of that name would hang the window or the command).
    QFile file;
    std::size_t fileSize = 0;
    try {
        const int fd = OpenRegularFile(std::filesystem::path(path.toStdString()), fileSize);
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            r.message = QStringLiteral("Soubor %1 nelze otevřít.").arg(path);
            return r;
        }
    } catch (const std::exception& e) {
        r.message = QString::fromStdString(e.what());
        return r;
    }
    const QString unreadable =
        QStringLiteral("Soubor %1 není čitelný obrázek (BMP, JPG, PNG).").arg(path);
    QImageReader reader(&file);
    // The size from the header, before anything is decoded.
    const QSize size = reader.size();
    const bool reduce =
        size.isValid() && (size.width() > MaxScanWidth || size.height() > MaxScanHeight);
    const QSize target =
        reduce ? size.scaled(MaxScanWidth, MaxScanHeight, Qt::KeepAspectRatio) : size;
    QImage img;
    if (reduce && reader.format() == "png") {
        file.seek(0);
        img = decodePngReduced(file, target);
        file.seek(0);
        reader.setDevice(&file);
    }
    if (img.isNull()) {
        // JPEG is decoded reduced by the decoder itself; the other formats
        // (BMP, an interlaced PNG) are decoded whole and then reduced, within
        // a budget that grows with the file (an uncompressed scan needs about
        // its own size) but does not let a small file claim gigabytes.
        if (reduce) reader.setScaledSize(target);
        reader.setAllocationLimit(static_cast<int>(64 + 2 * (static_cast<qint64>(fileSize) / MiB)));
        img = reader.read();
        if (img.isNull()) {
            r.message = reduce && reader.error() != QImageReader::InvalidDataError &&
                                reader.error() != QImageReader::UnsupportedFormatError
                            ? QStringLiteral("Obrázek %1 (%2 x %3 bodů) je příliš velký, aby se "
                                             "dal zmenšit na %4 x %5 bodů.")
                                  .arg(path)
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(target.width())
                                  .arg(target.height())
                            : unreadable;
            return r;
        }
    }
    img = img.convertToFormat(QImage::Format_RGB32);
    if (img.width() > MaxScanWidth || img.height() > MaxScanHeight)
        img =
            img.scaled(MaxScanWidth, MaxScanHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QSize was = size.isValid() ? size : img.size();
    if (was != img.size())
        r.message = QStringLiteral("Obrázek %1 x %2 bodů je větší než %3 x %4, byl zmenšen na "
                                   "%5 x %6 bodů.")
                        .arg(was.width())
                        .arg(was.height())
                        .arg(MaxScanWidth)
                        .arg(MaxScanHeight)
                        .arg(img.width())
                        .arg(img.height());
    r.picture = img;
    return r;
}

GreyImageView GreyView(const QImage& grey8) {
    return {grey8.width(), grey8.height(), static_cast<int>(grey8.bytesPerLine()),
            grey8.constBits()};
}

} // namespace hk
