// heliokres-cli render graph | smoothed | asymmetry: the graphs of the daily
// values, the smoothed graphs and the asymmetry graph as pictures (PNG,
// JPEG, BMP by the extension) or as a one-page PDF for FILE.pdf.
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <ostream>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "graphs/analysis_tables.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "graphs/smoothed_scene.h"
#include "records/record.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/graph_renderer.h"

namespace hk::cli {

namespace {

using Painter = PicturePainter;

// The picture to --out and the table of its numbers to --data, each when
// given, both from the one model the callers' functions read.
void paintAndTabulate(const PictureFiles& files, QSize size, std::ostream& out,
                      const Painter& painter, const std::function<PictureData()>& table) {
    if (files.out) {
        SavePicture(*files.out, size, painter);
        out << *files.out << "\n";
    }
    if (files.data) {
        WritePictureData(*files.data, table());
        out << *files.data << "\n";
    }
}

template <class T, std::size_t N>
T pickOption(const std::optional<std::string>& text, const std::pair<const char*, T> (&choices)[N],
             T fallback, const char* option) {
    if (!text) return fallback;
    for (const auto& [name, value] : choices)
        if (*text == name) return value;
    std::string list;
    for (const auto& m : choices)
        list += std::string(list.empty() ? "" : "|") + m.first;
    throw UsageError(std::string("volba ") + option + " čeká " + list);
}

std::optional<Date> dateOption(const std::optional<std::string>& text, const char* option) {
    if (!text) return std::nullopt;
    const auto d = ParseDatum(*text);
    if (!d)
        throw JobError(std::string("\"") + *text + "\" u volby " + option +
                       " není platné datum (d.m.rrrr)");
    return d;
}

} // namespace

int RunRenderGraph(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto view = TakeOption(args, "--view");
    const auto size = TakeOption(args, "--size");
    const auto fromText = TakeOption(args, "--from");
    const auto toText = TakeOption(args, "--to");
    const auto window = TakeOption(args, "--window");
    const PictureFiles files = TakePictureFiles(args);
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    const std::optional<Date> from = dateOption(fromText, "--from");
    const std::optional<Date> to = dateOption(toText, "--to");
    if (from && to && *to < *from)
        throw JobError("datum --from " + FormatDatum(*from) + " je až po datu --to " +
                       FormatDatum(*to));
    std::pair<const char*, GraphQuantity> quantities[GraphQuantityCount];
    for (int i = 0; i < GraphQuantityCount; ++i)
        quantities[i] = {QuantityInfoOf(static_cast<GraphQuantity>(i)).name,
                         static_cast<GraphQuantity>(i)};
    const GraphQuantity quantity = pickOption(series, quantities, GraphQuantity::g, "--series");
    static constexpr std::pair<const char*, GraphView> Views[] = {{"all", GraphView::All},
                                                                  {"disk", GraphView::Disk},
                                                                  {"north", GraphView::North},
                                                                  {"south", GraphView::South}};
    const GraphView mode = pickOption(view, Views, GraphView::All, "--view");
    GraphScene scene;
    scene.quantity = quantity;
    scene.view = mode;
    scene.from = from;
    scene.to = to;
    if (window) {
        // The picture as the window's client area of that size shows it at
        // scroll position 0.
        if (size) throw UsageError("--window nepatří k --size");
        const auto [width, height] = ParseSize(window, 800, 800, "--window");
        scene.clientWidth = width;
        scene.clientHeight = height;
    } else {
        static constexpr std::pair<const char*, int> Sizes[] = {
            {"400", 400}, {"500", 500}, {"600", 600}};
        // A fixed image size: that height and one pixel a day; else 800
        // pixels and two pixels a day, over the whole time axis.
        scene.clientHeight = pickOption(size, Sizes, 800, "--size");
        scene.fixedSize = size ? scene.clientHeight : 0;
        scene.wholeAxis = true;
    }

    // The picture keeps what it draws: the records are let go before its
    // image is made, so that the image can take their memory.
    GraphPicture picture;
    {
        Session session(ExistingProgramDirectory(args[0]));
        LoadRecords(session, err);
        picture = BuildGraphPicture(session, scene);
    }
    if (picture.emptyPeriod)
        throw JobError("Od " + (from ? FormatDatum(*from) : std::string("začátku")) + " do " +
                       (to ? FormatDatum(*to) : std::string("konce")) + " není žádný zákres");
    const GraphModel& model = picture.model;
    if (model.dayDivisor > 1)
        err << "Časová osa by byla široká " << picture.data->lastDay() * model.d + 250
            << " px (nejvýše " << GraphMaxWidth << "): graf má " << model.d << " px na "
            << model.dayDivisor << (model.dayDivisor < 5 ? " dny" : " dní") << ".\n";

    paintAndTabulate(
        files, QSize(picture.width, picture.height), out,
        [&](QPainter& p, const QRect& r) { PaintGraphPicture(p, r, picture); },
        [&] { return GraphPictureData(model); });
    return 0;
}

int RunRenderSmoothed(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto hemisphere = TakeOption(args, "--hemisphere");
    const auto brussels = TakeOption(args, "--brussels");
    const bool areas = TakeFlag(args, "--areas");
    const auto flux = TakeOption(args, "--flux");
    const auto window = TakeOption(args, "--window");
    const PictureFiles files = TakePictureFiles(args);
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    std::pair<const char*, int> quantities[SmoothedQuantityCount];
    for (int s = 1; s <= SmoothedQuantityCount; ++s)
        quantities[s - 1] = {SmoothedQuantityInfoOf(s).name, s};
    SmoothedScene scene;
    scene.S = pickOption(series, quantities, 1, "--series");
    static constexpr std::pair<const char*, HemisphereOption> Hemispheres[] = {
        {"disk", HemisphereOption::Disk},
        {"north", HemisphereOption::North},
        {"south", HemisphereOption::South},
        {"both", HemisphereOption::Both}};
    scene.H = pickOption(hemisphere, Hemispheres, HemisphereOption::Disk, "--hemisphere");
    if (scene.S == 9 && scene.H != HemisphereOption::Disk)
        throw UsageError("řada intersol je jen pro celý disk");
    if (brussels) {
        if (scene.S != 3) throw UsageError("--brussels patří k řadě r");
        if (scene.H == HemisphereOption::Both)
            throw UsageError("--brussels nepatří k --hemisphere both");
        double v = 0;
        const auto [p, ec] =
            std::from_chars(brussels->data(), brussels->data() + brussels->size(), v);
        if (ec != std::errc() || p != brussels->data() + brussels->size() ||
            !(v >= 0.01 && v <= 100))
            throw UsageError("neplatný koeficient --brussels \"" + *brussels + "\"");
        scene.brussels = true;
        scene.k = v;
    }
    static constexpr std::pair<const char*, FluxOption> Fluxes[] = {
        {"obs", FluxOption::OBS}, {"adj", FluxOption::ADJ}, {"abs", FluxOption::ABS}};
    scene.fluxOption = pickOption(flux, Fluxes, FluxOption::OBS, "--flux");
    scene.flux = flux.has_value();
    scene.areas = areas;
    if (window) {
        // The picture as the window's client area of that size shows it at
        // scroll position 0, at the window's zoom.
        const auto [width, height] = ParseSize(window, 800, 600, "--window");
        scene.clientWidth = width;
        scene.clientHeight = height;
    } else {
        // The whole time axis, 900 pixels high at the widest zoom.
        scene.Z = 9;
        scene.clientHeight = 900;
        scene.wholeAxis = true;
    }

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    if (scene.brussels || scene.areas || scene.flux) {
        // The outside series and tables as the start-up reads them.
        session.takeWarnings(); // the load's, printed already
        StartupTables t = session.tables();
        ReadOutsideSeries(session, t, Today());
        session.setTables(std::move(t));
        for (const std::string& w : session.takeWarnings())
            err << "Upozornění: " << w << "\n";
    }
    const SmoothedPicture picture = BuildSmoothedPicture(session, scene);
    if (scene.brussels && picture.brussels.t.empty())
        throw JobError("Řady SIDC (SIDC\\dssn<rok>.dat) nejsou načteny");
    if (scene.areas && DatedRows(session.tables().areasTable) == 0)
        throw JobError("Soubor SIDC\\Plochy.txt nemá žádný měsíc");
    if (scene.flux && DatedRows(session.tables().fluxTable) == 0)
        throw JobError("Soubor SIDC\\tok-10cm.txt nemá žádný měsíc");

    paintAndTabulate(
        files, QSize(picture.width, picture.height), out,
        [&](QPainter& p, const QRect& r) { PaintSmoothedPicture(p, r, picture); },
        [&] { return SmoothedPictureData(*picture.data, picture.options()); });
    return 0;
}

int RunRenderAsymmetry(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto kind = TakeOption(args, "--kind");
    const auto period = TakeOption(args, "--period");
    const auto window = TakeOption(args, "--window");
    const PictureFiles files = TakePictureFiles(args);
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    if (!kind) throw UsageError("chybí --kind");
    std::pair<const char*, int> quantities[8];
    for (int s = 1; s <= 8; ++s)
        quantities[s - 1] = {SmoothedQuantityInfoOf(s).name, s};
    const int S = pickOption(series, quantities, 1, "--series");
    static constexpr std::pair<const char*, AsymmetryKind> Kinds[] = {
        {"difference", AsymmetryKind::Difference}, {"ratio", AsymmetryKind::Ratio}};
    static constexpr std::pair<const char*, AsymmetryPeriod> Periods[] = {
        {"record", AsymmetryPeriod::PerRecord},
        {"month", AsymmetryPeriod::Monthly},
        {"year", AsymmetryPeriod::Yearly}};
    const AsymmetryKind asymmetryKind =
        pickOption(kind, Kinds, AsymmetryKind::Difference, "--kind");
    const AsymmetryPeriod asymmetryPeriod =
        pickOption(period, Periods, AsymmetryPeriod::PerRecord, "--period");

    AsymmetryScene scene;
    scene.S = S;
    scene.kind = asymmetryKind;
    scene.period = asymmetryPeriod;
    if (window) {
        // The picture as the window's client area of that size shows it at
        // scroll position 0.
        const auto [width, height] = ParseSize(window, 600, 600, "--window");
        scene.clientWidth = width;
        scene.clientHeight = height;
    } else {
        scene.wholeAxis = true;
    }

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    AnalysisTables analysis(session);
    const AsymmetryPicture picture = BuildAsymmetryPicture(session, analysis.asymmetry(), scene);

    paintAndTabulate(
        files, QSize(picture.width, picture.height), out,
        [&](QPainter& p, const QRect& r) { PaintAsymmetryPicture(p, r, picture); },
        [&] { return AsymmetryPictureData(*picture.graph); });
    return 0;
}

} // namespace hk::cli
