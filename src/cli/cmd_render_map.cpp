// heliokres-cli render map: the synoptic map of a rotation (or its long,
// high or two-map view) as the map window's client area of the given size
// shows it.
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "geometry/calendar.h"
#include "graphs/analysis_tables.h"
#include "maps/corona_views.h"
#include "maps/magnetosphere.h"
#include "maps/map_dates.h"
#include "maps/map_scene.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/map_picture_renderer.h"
#include "render/synoptic_map_renderer.h"

namespace hk::cli {

namespace {

constexpr int MaxRotation = 9999;

MapView parseKind(const std::optional<std::string>& text) {
    if (!text || *text == "single") return MapView::Single;
    if (*text == "long") return MapView::Long;
    if (*text == "high") return MapView::High;
    if (*text == "two") return MapView::Two;
    if (*text == "corona-graph") return MapView::CoronaGraph;
    if (*text == "corona-butterfly") return MapView::CoronaButterfly;
    throw UsageError("--kind čeká single, long, high, two, corona-graph nebo corona-butterfly");
}

} // namespace

int RunRenderMap(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto rotation = TakeOption(args, "--rotation");
    const PictureFiles files = TakePictureFiles(args);
    const auto kindText = TakeOption(args, "--kind");
    const auto size = TakeOption(args, "--size");
    MapLayerSwitches layers;
    layers.faculaeOn = !TakeFlag(args, "--no-faculae");
    layers.areasOn = !TakeFlag(args, "--no-areas");
    layers.faculaeCentres = TakeFlag(args, "--faculae-centres");
    const bool corona = TakeFlag(args, "--corona");
    const bool withMagnetosphere = TakeFlag(args, "--magnetosphere");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!rotation) throw UsageError("chybí --rotation ČÍSLO");
    const int R = ParseInt(*rotation, "--rotation", 1, MaxRotation);
    const MapView kind = parseKind(kindText);
    const auto [width, height] = ParseSize(size, 1200, 820);
    const QSize client(width, height);
    if ((corona || withMagnetosphere) && kind != MapView::Single)
        throw UsageError("--corona a --magnetosphere patří k mapě otočky (--kind single)");
    if (files.data && kind != MapView::Single)
        throw UsageError("--data patří k mapě otočky (--kind single)");

    Session session(ExistingProgramDirectory(args[0]));
    StartSession(session, err);
    // The corona is read only for the pictures that show it.
    AnalysisTables analysis(session);
    const CoronaTable noCorona;
    const bool showsCorona =
        corona || kind == MapView::CoronaGraph || kind == MapView::CoronaButterfly;
    const CoronaTable& coronaTable = showsCorona ? LoadCorona(analysis, err) : noCorona;

    MapScene scene;
    scene.view = kind;
    scene.rotation = R;
    scene.width = client.width();
    scene.height = client.height();
    scene.layers = layers;
    scene.sizePercent = session.sizePercent();
    // Said after the map's own note, and not when only its table is asked for.
    std::string layerNotes;
    if (corona) {
        if (coronaTable.present())
            scene.layers.coronaOn = true;
        else
            layerNotes += std::string(NoCoronaData) + "\n";
    }
    MagnDatCells magnCells;
    if (withMagnetosphere) {
        if (HasMagnetoData(session.dir)) {
            scene.layers.magnetosphereOn = scene.layers.magnetospherePicture = true;
            magnCells = ReadMagnDat(
                session.dir, MagnBlocks(RotationIndex::of(session.records()).lastRotation()));
        } else {
            layerNotes += std::string(NoMagnetosphereData) + "\n";
        }
    }
    if ((kind == MapView::CoronaGraph || kind == MapView::CoronaButterfly) &&
        !coronaTable.present())
        throw JobError(NoCoronaData);
    const std::string file = files.out.value_or(std::string());
    if (kind == MapView::High && IsPdf(file)) {
        // As the printer draws it: 14 rotations on the page's canvas.
        WritePdf(file, QStringLiteral("Mapa"), [&](QPdfWriter& pdf) {
            QPainter p(&pdf);
            const QRect page = p.viewport();
            PrintHighMap(p, page, BuildPrintedHighMap(session, scene, page.width()));
        });
        out << file << "\n";
        return 0;
    }
    const MapPicture picture = BuildMapPicture(session, {coronaTable, magnCells}, scene);
    if (kind == MapView::Single) {
        if (picture.map.range.empty()) err << "Rotace " << R << " v datech není\n";
        if (files.data) {
            WritePictureData(*files.data, MapPictureData(picture.map));
            if (!files.out) {
                out << *files.data << "\n";
                return 0;
            }
        }
    }
    err << layerNotes;
    if (kind == MapView::CoronaGraph && !picture.coronaGraph.present)
        err << "Tabulka korony nemá den " << FormatDatum(MapRotationDates(R).startDate)
            << ", začátek rotace " << R << "\n";
    SavePicture(
        file, client, [&](QPainter& p, const QRect& area) { PaintMapPicture(p, area, picture); },
        QStringLiteral("Mapa"));
    out << file << "\n";
    if (files.data) out << *files.data << "\n";
    return 0;
}

} // namespace hk::cli
