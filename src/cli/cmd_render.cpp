// heliokres-cli render: pictures of the program as image files or one-page
// PDFs. Each kind of picture is a subcommand in its own function (render
// drawing here).
#include <chrono>
#include <filesystem>
#include <ostream>
#include <string_view>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "drawing/drawing_scene.h"
#include "drawing/magnetic_map.h"
#include "records/record.h"
#include "records/session.h"
#include "render/drawing_renderer.h"

namespace hk::cli {

namespace {

// The 1-based index of the record chosen by --record or by --date/--time.
int chooseRecord(const Session& session, const std::optional<std::string>& number,
                 const std::optional<std::string>& date, const std::optional<std::string>& time) {
    if (number) {
        const int n = ParseInt(*number, "--record", 1, 1 << 30);
        if (n > session.recordCount())
            throw JobError("Záznam " + *number + " neexistuje, soubor má " +
                           std::to_string(session.recordCount()) + " záznamů");
        return n;
    }
    const auto wanted = ParseDatum(*date);
    if (!wanted) throw UsageError("neplatné datum \"" + *date + "\"");
    std::optional<int> hhmm;
    if (time) hhmm = ParseInt(*time, "--time", 0, 2359);
    for (int i = 1; i <= session.recordCount(); ++i) {
        const TZaznam& z = session.record(i);
        if (RecordDate(z) == wanted && (!hhmm || z.Cas == *hhmm)) return i;
    }
    throw JobError("Zákres z " + FormatDatum(*wanted) + (hhmm ? " v " + *time : std::string()) +
                   " v datech není");
}

} // namespace

int RunRenderDrawing(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto number = TakeOption(args, "--record");
    const auto date = TakeOption(args, "--date");
    const auto time = TakeOption(args, "--time");
    const PictureFiles files = TakePictureFiles(args);
    const auto width = TakeOption(args, "--width");
    const auto window = TakeOption(args, "--window");
    const bool printColours = TakeFlag(args, "--print-colours");
    const bool noLeaves = TakeFlag(args, "--no-leaves");
    const bool enlarged = TakeFlag(args, "--enlarged");
    const bool mirrorEastWest = TakeFlag(args, "--mirror-ew");
    const bool mirrorNorthSouth = TakeFlag(args, "--mirror-ns");
    const bool magnetosphere = TakeFlag(args, "--magnetosphere");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (number.has_value() == date.has_value())
        throw UsageError("zadejte buď --record, nebo --date");
    if (time && !date) throw UsageError("--time patří k --date");
    DrawingScene scene;
    if (window) {
        // The picture as the drawing window's client area of that size shows it.
        if (width) throw UsageError("--window nepatří k --width");
        const auto [w, h] = ParseSize(window, 800, 800, "--window");
        scene.width = w;
        scene.height = h;
    } else {
        // The picture alone, as high as the width's zoom makes it.
        scene.width = width ? ParseInt(*width, "--width", 100, 8000) : 800;
        scene.height = 0;
    }
    scene.enlarged = enlarged;
    scene.orientEW = mirrorEastWest ? -1 : 1;
    scene.orientNS = mirrorNorthSouth ? -1 : 1;
    scene.printColours = printColours;
    scene.leaves = !noLeaves;

    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    Session session(root);
    LoadRecords(session, err);
    scene.record = chooseRecord(session, number, date, time);
    MagneticMap map;
    if (magnetosphere) {
        // The overlay of the window's F9: the magnetic map of the drawing's date.
        const auto file = DrawingMagneticMapFile(session, session.record(scene.record));
        if (!file) throw JobError("Nejsou data pro magnetosféru");
        map = ReadMagneticMap(*file);
        if (map.truncated)
            err << "Soubor magnetosféry je delší než 50002 slov, zobrazí se jen jeho začátek\n";
        scene.magnetic = true;
    }

    const DrawingPicture picture = BuildDrawingPicture(session, scene, map.words);
    if (files.out) {
        // A picture, or one page of PDF turned the way the drawing is.
        SavePicture(
            *files.out, QSize(picture.width, picture.height),
            [&](QPainter& p, const QRect& r) { PaintDrawingPicture(p, r, picture); },
            QStringLiteral("Zákres"), picture.height > picture.width);
        out << *files.out << "\n";
    }
    if (files.data) {
        WritePictureData(*files.data, DrawingPictureData(*picture.model));
        out << *files.data << "\n";
    }
    return 0;
}

int RunRender(const Args& args, std::ostream& out, std::ostream& err) {
    struct Subcommand {
        std::string_view name;
        int (*run)(const Args&, std::ostream&, std::ostream&);
    };
    static constexpr Subcommand subcommands[] = {
        {"drawing", RunRenderDrawing},     {"protocol", RunRenderProtocol},
        {"butterfly", RunRenderButterfly}, {"map", RunRenderMap},
        {"graph", RunRenderGraph},         {"smoothed", RunRenderSmoothed},
        {"asymmetry", RunRenderAsymmetry}, {"observers", RunRenderObservers},
        {"spotless", RunRenderSpotless},
    };
    if (args.empty()) throw UsageError("chybí druh obrázku");
    const PictureCommandScope picture;
    for (const auto& s : subcommands)
        if (args[0] == s.name) return s.run(Args(args.begin() + 1, args.end()), out, err);
    throw UsageError("neznámý druh obrázku \"" + args[0] + "\"");
}

} // namespace hk::cli
