// heliokres-cli render protocol DIR M.YYYY (--own | --sidc) --out FILE: the
// monthly protocol or the SIDC certificate as the results window shows and
// prints it, as a picture (PNG, JPEG, BMP) or a one-page PDF.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "records/session.h"
#include "render/jpeg_writer.h"
#include "render/protocol.h"
#include "results/choose_month.h"
#include "results/station_data.h"

namespace hk::cli {

namespace {

constexpr int MinWidth = 200;
constexpr int MaxWidth = 8000;

int parseWidth(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < MinWidth || v > MaxWidth)
        throw UsageError("neplatná šířka \"" + text + "\" (" + std::to_string(MinWidth) + " až " +
                         std::to_string(MaxWidth) + ")");
    return v;
}

// One A4 page, written atomically.
void writePdf(const std::filesystem::path& file, const ProtocolData& data, ProtocolKind kind) {
    WritePdf(file,
             kind == ProtocolKind::Sidc ? QStringLiteral("Certificate")
                                        : QStringLiteral("Protokol"),
             [&](QPdfWriter& pdf) {
                 pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
                 PrintProtocol(pdf, data, kind);
             });
}

// `width` 0: the form at its natural size.
void writeImage(const std::filesystem::path& file, const ProtocolData& data, ProtocolKind kind,
                int width) {
    const QSizeF form = ProtocolFormSize(kind, DefaultFontSize);
    ProtocolOptions options;
    options.unit = width > 0 ? width / form.width() : 1.0;
    const QSize size(static_cast<int>(std::ceil(form.width() * options.unit)),
                     static_cast<int>(std::ceil(form.height() * options.unit)));
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintProtocol(painter, image.rect(), data, kind, options);
    }
    SaveImage(image, file, 90);
}

} // namespace

int RunRenderProtocol(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const bool own = TakeFlag(args, "--own");
    const bool sidc = TakeFlag(args, "--sidc");
    const PictureFiles files = TakePictureFiles(args);
    const auto widthText = TakeOption(args, "--width");
    RejectUnknownOptions(args);
    if (args.size() != 2) throw UsageError("čekám adresář programu a měsíc M.YYYY");
    if (own == sidc) throw UsageError("zadejte buď --own, nebo --sidc");
    if (widthText && files.out && IsPdf(*files.out)) throw UsageError("--width nepatří k PDF");
    const int width = widthText ? parseWidth(*widthText) : 0;

    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    Session session(root);
    LoadRecords(session, err);

    const ChooseMonthResult month = ChooseMonth(session.records(), args[1]);
    if (!month.first) throw JobError(month.message.value_or(""));
    const StationData stationData = ReadReportData(session.dir, err);
    const ProtocolData data = BuildProtocolData(session.records(), *month.first, stationData);
    const ProtocolKind kind = sidc ? ProtocolKind::Sidc : ProtocolKind::Own;

    if (files.out) {
        const std::filesystem::path file = *files.out;
        GuiApplicationScope gui;
        if (IsPdf(file))
            writePdf(file, data, kind);
        else
            writeImage(file, data, kind, width);
        out << file.string() << "\n";
    }
    if (files.data) {
        WritePictureData(*files.data, ProtocolPictureData(data, kind));
        out << *files.data << "\n";
    }
    return 0;
}

} // namespace hk::cli
