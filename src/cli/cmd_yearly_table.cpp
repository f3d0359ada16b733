// heliokres-cli yearly-table YEAR [--out FILE [--page 1|2|3] [--window WxH]] [--data FILE.csv]:
// the yearly table of disk-centre coordinates as text lines, as a picture of
// one page (PNG, JPEG, BMP; --window: as the window's client area of that
// size shows it) or as a PDF of the pages.
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <tuple>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "drawing/coordinate_table.h"
#include "drawing/coordinate_table_scene.h"
#include "render/coordinate_table_renderer.h"

namespace hk::cli {

namespace {

void printLines(const CoordinateYear& table, std::ostream& out) {
    for (const CoordinateDay& d : table.days)
        out << FormatDatum(d.date) << ';' << d.L0 << ';' << d.B0 << ';' << d.P << '\n';
    for (const RotationStart& s : table.starts)
        out << "rotace;" << s.CarrRotation << ';' << FormatDatum(s.date) << '\n';
}

void writePdf(const std::filesystem::path& file, const CoordinateYear& table,
              const std::vector<int>& pages) {
    WritePdf(file,
             QString::fromStdString(std::string(CoordinateTableTitle)) +
                 QString::number(table.year),
             [&](QPdfWriter& pdf) {
                 pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
                 PrintCoordinateTable(pdf, table, pages);
             });
}

void writeImage(const std::filesystem::path& file, const CoordinateTablePicture& picture) {
    SavePictureImage(file, QSize(picture.width, picture.height), [&](QPainter& p, const QRect& r) {
        PaintCoordinateTablePicture(p, r, picture);
    });
}

} // namespace

int RunYearlyTable(const Args& argsIn, std::ostream& out, std::ostream&) {
    Args args = argsIn;
    const auto outFile = TakeOption(args, "--out");
    const auto pageText = TakeOption(args, "--page");
    const auto dataFile = TakeOption(args, "--data");
    const auto window = TakeOption(args, "--window");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám rok");
    const auto year = ParseTableYear(args[0]);
    if (!year) throw UsageError(std::string(BadTableYear));
    if (pageText && !outFile) throw UsageError("--page patří k --out");
    if (window && (!outFile || IsPdf(*outFile)))
        throw UsageError("--window patří k obrázku v --out");
    if (dataFile && (dataFile->empty() || (outFile && std::filesystem::path(*dataFile) ==
                                                          std::filesystem::path(*outFile))))
        throw UsageError("--data čeká soubor CSV jiný než --out");
    std::optional<int> page;
    if (pageText) {
        if (*pageText != "1" && *pageText != "2" && *pageText != "3")
            throw UsageError("stránka je 1, 2 nebo 3, ne \"" + *pageText + "\"");
        page = (*pageText)[0] - '1';
    }

    CoordinateTableScene scene;
    scene.year = *year;
    scene.page = page.value_or(0);
    if (window) {
        // What the window opened with a client area of that size shows at
        // its top.
        std::tie(scene.clientWidth, scene.clientHeight) = ParseSize(window, 900, 1000, "--window");
        scene.scale = CoordinateTableOpeningScale(scene.clientWidth);
    }
    const CoordinateTablePicture picture = BuildCoordinateTablePicture(scene);
    const CoordinateYear& table = *picture.year;
    if (dataFile) {
        WritePictureData(*dataFile, CoordinateYearPictureData(table));
        if (!outFile) {
            out << *dataFile << "\n";
            return 0;
        }
    }
    if (!outFile) {
        printLines(table, out);
        return 0;
    }
    const std::filesystem::path file = *outFile;
    GuiApplicationScope gui;
    if (IsPdf(file))
        writePdf(file, table, page ? std::vector<int>{*page} : std::vector<int>{0, 1, 2});
    else
        writeImage(file, picture);
    out << file.string() << "\n";
    if (dataFile) out << *dataFile << "\n";
    return 0;
}

} // namespace hk::cli
