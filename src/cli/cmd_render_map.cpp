// heliokres-cli render map: the synoptic map of a rotation (or its long,
// high or two-map view) as the map window's client area of the given size
// shows it.
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <ostream>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "geometry/calendar.h"
#include "graphs/analysis_tables.h"
#include "maps/corona_views.h"
#include "maps/magnetosphere.h"
#include "maps/map_dates.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/corona_renderer.h"
#include "render/jpeg_writer.h"
#include "render/magnetosphere_renderer.h"
#include "render/synoptic_map_renderer.h"

namespace hk::cli {

namespace {

constexpr int MaxRotation = 9999;

enum class MapKind { Single, Long, High, Two, CoronaGraph, CoronaButterfly };

MapKind parseKind(const std::optional<std::string>& text) {
    if (!text || *text == "single") return MapKind::Single;
    if (*text == "long") return MapKind::Long;
    if (*text == "high") return MapKind::High;
    if (*text == "two") return MapKind::Two;
    if (*text == "corona-graph") return MapKind::CoronaGraph;
    if (*text == "corona-butterfly") return MapKind::CoronaButterfly;
    throw UsageError("--kind čeká single, long, high, two, corona-graph nebo corona-butterfly");
}

using Painter = std::function<void(QPainter&, const QRect&)>;

// The client area's picture, as an image file or on one landscape page
// scaled to fit.
void writePicture(const std::filesystem::path& file, QSize client, const Painter& paint) {
    if (IsPdf(file)) {
        WritePdf(file, QStringLiteral("Mapa"), [&](QPdfWriter& pdf) {
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            QPainter p(&pdf);
            const QRect page = p.viewport();
            const double m = std::min(double(page.width()) / client.width(),
                                      double(page.height()) / client.height());
            p.scale(m, m);
            paint(p, QRect(QPoint(0, 0), client));
        });
        return;
    }
    QImage image(client, QImage::Format_RGB32);
    {
        QPainter p(&image);
        paint(p, image.rect());
    }
    SaveImage(image, file, 90);
}

} // namespace

int RunRenderMap(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto rotation = TakeOption(args, "--rotation");
    const PictureFiles files = TakePictureFiles(args);
    const auto kindText = TakeOption(args, "--kind");
    const auto size = TakeOption(args, "--size");
    SynopticMapOptions o;
    o.faculaeOn = !TakeFlag(args, "--no-faculae");
    o.areasOn = !TakeFlag(args, "--no-areas");
    o.faculaeCentres = TakeFlag(args, "--faculae-centres");
    const bool corona = TakeFlag(args, "--corona");
    const bool withMagnetosphere = TakeFlag(args, "--magnetosphere");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!rotation) throw UsageError("chybí --rotation ČÍSLO");
    const int R = ParseInt(*rotation, "--rotation", 1, MaxRotation);
    const MapKind kind = parseKind(kindText);
    const auto [width, height] = ParseSize(size, 1200, 820);
    const QSize client(width, height);
    if ((corona || withMagnetosphere) && kind != MapKind::Single)
        throw UsageError("--corona a --magnetosphere patří k mapě otočky (--kind single)");
    if (files.data && kind != MapKind::Single)
        throw UsageError("--data patří k mapě otočky (--kind single)");

    Session session(ExistingProgramDirectory(args[0]));
    StartSession(session, err);
    // The corona is read only for the pictures that show it.
    AnalysisTables analysis(session);
    const CoronaTable noCorona;
    const bool showsCorona =
        corona || kind == MapKind::CoronaGraph || kind == MapKind::CoronaButterfly;
    const CoronaTable& coronaTable = showsCorona ? LoadCorona(analysis, err) : noCorona;

    GuiApplicationScope gui;
    const auto records = session.records();
    const RotationIndex index = RotationIndex::of(records);
    // The strips of several rotations read the whole store's geometry; the
    // map of one rotation reads its records' only, the corona views none.
    const auto geometryFor = [&](MapKind k) -> const GeometryCache& {
        if (k == MapKind::Long || k == MapKind::High || k == MapKind::Two)
            return session.geometry();
        const RecordRange range = k == MapKind::Single ? index.range(records, R) : RecordRange{};
        return session.geometry(range.first, range.last);
    };
    const GeometryCache& geometry = geometryFor(kind);
    const ProgramDir& dir = session.dir;
    const std::string file = files.out.value_or(std::string());
    switch (kind) {
    case MapKind::Single: {
        const SynopticMap map =
            MakeFittedSynopticMap(records, geometry, index, R, client.width(), client.height());
        const int s = map.s;
        if (map.range.empty()) err << "Rotace " << R << " v datech není\n";
        if (files.data) {
            WritePictureData(*files.data, MapPictureData(map));
            if (!files.out) {
                out << *files.data << "\n";
                return 0;
            }
        }
        // The layers under the grid, each built once for this scale.
        CoronaUnderMapModel pod;
        if (corona) {
            if (!coronaTable.present())
                err << NoCoronaData << "\n";
            else
                pod = MakeCoronaUnderMap(coronaTable, R, s, 0);
        }
        MagnetosphereLayer magnet;
        QImage picture;
        if (withMagnetosphere) {
            if (!HasMagnetoData(dir)) {
                err << NoMagnetosphereData << "\n";
            } else {
                // The map's current record: the first of the rotation in the
                // rotation list, else the rotation's seventh day.
                const int at = index.position(R);
                std::optional<Date> date;
                if (at >= 0)
                    date = RecordDate(records[std::size_t(index.L()[std::size_t(at)] - 1)]);
                if (!date)
                    date = DateFromSerial(DaySerial(MapRotationDates(R).startDate) +
                                          MagnetoLayerDaysBefore);
                const MagnDatCells magnCells = ReadMagnDat(dir, MagnBlocks(index.lastRotation()));
                magnet = LayoutMagnetosphere(LoadMagnetosphere(dir, *date, R, magnCells), s, 0);
                picture = LoadMagnetoPicture(dir, R);
            }
        }
        writePicture(file, client, [&](QPainter& p, const QRect& area) {
            PaintSynopticMap(p, area, map, o, [&](QPainter& q) {
                const QRect origin(QPoint(0, 0), area.size());
                PaintMagnetoPicture(q, origin, picture, s);
                PaintCoronaUnderMap(q, origin, pod);
                PaintMagnetosphereLayer(q, origin, magnet);
            });
        });
        break;
    }
    case MapKind::CoronaGraph:
    case MapKind::CoronaButterfly: {
        if (!coronaTable.present()) throw JobError(NoCoronaData);
        const CoronaViewOptions ko{
            static_cast<int>(std::nearbyint(session.sizePercent() * 13 / 100.0))};
        if (kind == MapKind::CoronaGraph) {
            // The graph starts on the first day of the rotation.
            const CoronaGraphModel graph = MakeCoronaGraphOfRotation(coronaTable, R);
            if (!graph.present)
                err << "Tabulka korony nemá den " << FormatDatum(MapRotationDates(R).startDate)
                    << ", začátek rotace " << R << "\n";
            writePicture(file, client, [&](QPainter& p, const QRect& area) {
                PaintCoronaGraph(p, area, graph, ko);
            });
        } else {
            const CoronaButterflyModel butterfly = MakeCoronaButterfly(coronaTable);
            CoronaButterflyOptions mo;
            mo.fontPixels = ko.fontPixels;
            writePicture(file, client, [&](QPainter& p, const QRect& area) {
                PaintCoronaButterfly(p, area, butterfly, mo);
            });
        }
        break;
    }
    case MapKind::Long: {
        const StripView view = MakeStripView(records, geometry, index, R, LongMapStrips,
                                             StripKind::Long, LongMapScale(client.width()), false);
        writePicture(file, client,
                     [&](QPainter& p, const QRect& area) { PaintStripView(p, area, view); });
        break;
    }
    case MapKind::Two: {
        const StripView view = MakeTwoMapView(records, geometry, index, R,
                                              TwoMapScale(client.width(), client.height()));
        writePicture(file, client,
                     [&](QPainter& p, const QRect& area) { PaintStripView(p, area, view); });
        break;
    }
    case MapKind::High:
        if (IsPdf(file)) {
            // As the printer draws it: 14 rotations on the page's canvas.
            WritePdf(file, QStringLiteral("Mapa"), [&](QPdfWriter& pdf) {
                QPainter p(&pdf);
                const QRect page = p.viewport();
                const StripView view =
                    MakeStripView(records, geometry, index, R, PrintedHighMapStrips,
                                  StripKind::High, PrintStripScale(page.width()), true);
                PrintHighMap(p, page, view);
            });
        } else {
            const StripView view = MakeStripView(records, geometry, index, R,
                                                 HighMapStripCount(client.width(), client.height()),
                                                 StripKind::High, StripScale(client.width()), true);
            writePicture(file, client,
                         [&](QPainter& p, const QRect& area) { PaintStripView(p, area, view); });
        }
        break;
    }
    out << file << "\n";
    if (files.data) out << *files.data << "\n";
    return 0;
}

} // namespace hk::cli
