// heliokres-cli render protocol DIR M.YYYY (--own | --sidc) --out FILE: the
// monthly protocol or the SIDC certificate as the results window shows and
// prints it, as a picture (PNG, JPEG, BMP) or a one-page PDF; --window WxH:
// as the window's client area of that size shows it.
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <tuple>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "records/session.h"
#include "render/protocol.h"
#include "results/choose_month.h"
#include "results/protocol_scene.h"
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
void writePdf(const std::filesystem::path& file, const ProtocolPicture& picture) {
    WritePdf(file,
             picture.kind == ProtocolKind::Sidc ? QStringLiteral("Certificate")
                                                : QStringLiteral("Protokol"),
             [&](QPdfWriter& pdf) {
                 pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
                 PrintProtocol(pdf, picture.data, picture.kind, picture.fontSize);
             });
}

void writeImage(const std::filesystem::path& file, const ProtocolPicture& picture) {
    SavePictureImage(file, QSize(picture.width, picture.height),
                     [&](QPainter& p, const QRect& r) { PaintProtocolPicture(p, r, picture); });
}

} // namespace

int RunRenderProtocol(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const bool own = TakeFlag(args, "--own");
    const bool sidc = TakeFlag(args, "--sidc");
    const PictureFiles files = TakePictureFiles(args);
    const auto widthText = TakeOption(args, "--width");
    const auto window = TakeOption(args, "--window");
    RejectUnknownOptions(args);
    if (args.size() != 2) throw UsageError("čekám adresář programu a měsíc M.YYYY");
    if (own == sidc) throw UsageError("zadejte buď --own, nebo --sidc");
    const bool pdf = files.out && IsPdf(*files.out);
    if (widthText && pdf) throw UsageError("--width nepatří k PDF");
    if (window && pdf) throw UsageError("--window nepatří k PDF");
    if (window && widthText) throw UsageError("--window nepatří k --width");

    ProtocolScene scene;
    scene.kind = sidc ? ProtocolKind::Sidc : ProtocolKind::Own;
    if (widthText) scene.formWidth = parseWidth(*widthText);
    if (window)
        std::tie(scene.clientWidth, scene.clientHeight) = ParseSize(window, 1200, 820, "--window");

    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    Session session(root);
    // The window draws the form at the program's size setting, which the
    // start-up decides.
    if (window)
        StartSession(session, err);
    else
        LoadRecords(session, err);
    scene.sizePercent = session.sizePercent();

    const ChooseMonthResult month = ChooseMonth(session.records(), args[1]);
    if (!month.first) throw JobError(month.message.value_or(""));
    scene.chosenMonth = month.chosenMonth;
    const ProtocolPicture picture =
        BuildProtocolPicture(session, ReadReportData(session.dir, err), scene);

    if (files.out) {
        const std::filesystem::path file = *files.out;
        if (pdf)
            writePdf(file, picture);
        else
            writeImage(file, picture);
        out << file.string() << "\n";
    }
    if (files.data) {
        WritePictureData(*files.data, ProtocolPictureData(picture.data, picture.kind));
        out << *files.data << "\n";
    }
    return 0;
}

} // namespace hk::cli
