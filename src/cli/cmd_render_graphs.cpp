// heliokres-cli render graph | smoothed | asymmetry: the graphs of the daily
// values, the smoothed graphs and the asymmetry graph as pictures (PNG,
// JPEG, BMP by the extension) or as a one-page PDF for FILE.pdf.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
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
#include "io/atomic_file.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/graph_renderer.h"
#include "render/jpeg_writer.h"

namespace hk::cli {

namespace {

using Malir = std::function<void(QPainter&, const QRect&)>;

constexpr int NejvetsiSirka = 30000;

// The picture of `size` as an image, or on one landscape A4 page scaled to fit.
void ulozit(const std::filesystem::path& file, QSize size, const Malir& malir) {
    if (IsPdf(file)) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            pdf.setResolution(300);
            QPainter p(&pdf);
            const QRect strana = p.viewport();
            const double m = std::min(static_cast<double>(strana.width()) / size.width(),
                                      static_cast<double>(strana.height()) / size.height());
            p.scale(m, m);
            malir(p, QRect(QPoint(0, 0), size));
        }
        WriteFileAtomic(
            file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return;
    }
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        malir(p, image.rect());
    }
    SaveImage(image, file, 90);
}

template <class T, std::size_t N>
T zvolit(const std::optional<std::string>& text, const std::pair<const char*, T> (&moznosti)[N],
         T vychozi, const char* volba) {
    if (!text) return vychozi;
    for (const auto& [nazev, hodnota] : moznosti)
        if (*text == nazev) return hodnota;
    std::string seznam;
    for (const auto& m : moznosti)
        seznam += std::string(seznam.empty() ? "" : "|") + m.first;
    throw UsageError(std::string("volba ") + volba + " čeká " + seznam);
}

} // namespace

int RunRenderGraph(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto view = TakeOption(args, "--view");
    const auto size = TakeOption(args, "--size");
    const auto outFile = TakeOption(args, "--out");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    const std::string file = RequireOut(outFile);
    std::pair<const char*, GrafRada> rady[PocetGrafRad];
    for (int i = 0; i < PocetGrafRad; ++i)
        rady[i] = {Popis(static_cast<GrafRada>(i)).nazev, static_cast<GrafRada>(i)};
    const GrafRada rada = zvolit(series, rady, GrafRada::g, "--series");
    static constexpr std::pair<const char*, RezimGrafu> Pohledy[] = {{"all", RezimGrafu::Vsechny},
                                                                     {"disk", RezimGrafu::Celkovy},
                                                                     {"north", RezimGrafu::Sever},
                                                                     {"south", RezimGrafu::Jih}};
    const RezimGrafu rezim = zvolit(view, Pohledy, RezimGrafu::Vsechny, "--view");
    static constexpr std::pair<const char*, int> Velikosti[] = {
        {"400", 400}, {"500", 500}, {"600", 600}};
    // A fixed image size: that client height and one pixel a day; else the
    // whole window's height and two pixels a day.
    const int vyska = zvolit(size, Velikosti, 800, "--size");
    const int d = size ? 1 : 2;

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    const GrafData data = BuildGrafData(session.records(), session.geometry(), rada);
    const GrafModel model = BuildGrafModel(data, vyska, rezim, d);
    const int sirka = std::clamp(GrafSirka(model) + 50, 400, NejvetsiSirka);

    GuiApplicationScope gui;
    ulozit(file, QSize(sirka, vyska),
           [&](QPainter& p, const QRect& r) { PaintGraf(p, r, model, GrafOptions{}); });
    out << file << "\n";
    return 0;
}

int RunRenderSmoothed(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto hemisphere = TakeOption(args, "--hemisphere");
    const auto brussels = TakeOption(args, "--brussels");
    const bool areas = TakeFlag(args, "--areas");
    const auto flux = TakeOption(args, "--flux");
    const auto outFile = TakeOption(args, "--out");
    const auto dataFile = TakeOption(args, "--data");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    const std::string file = RequireOut(outFile);
    if (dataFile && (dataFile->empty() || std::filesystem::path(*dataFile) == file))
        throw UsageError("--data čeká soubor CSV jiný než --out");
    std::pair<const char*, int> rady[PocetVyhlRad];
    for (int s = 1; s <= PocetVyhlRad; ++s)
        rady[s - 1] = {VyhlPopis(s).nazev, s};
    const int S = zvolit(series, rady, 1, "--series");
    static constexpr std::pair<const char*, VolbaPolokoule> Polokoule[] = {
        {"disk", VolbaPolokoule::Celek},
        {"north", VolbaPolokoule::Sever},
        {"south", VolbaPolokoule::Jih},
        {"both", VolbaPolokoule::Obe}};
    VyhlazenyOptions o;
    o.Z = 9;
    o.H = zvolit(hemisphere, Polokoule, VolbaPolokoule::Celek, "--hemisphere");
    if (S == 9 && o.H != VolbaPolokoule::Celek)
        throw UsageError("řada intersol je jen pro celý disk");
    std::optional<double> k;
    if (brussels) {
        if (S != 3) throw UsageError("--brussels patří k řadě r");
        if (o.H == VolbaPolokoule::Obe) throw UsageError("--brussels nepatří k --hemisphere both");
        double v = 0;
        const auto [p, ec] =
            std::from_chars(brussels->data(), brussels->data() + brussels->size(), v);
        if (ec != std::errc() || p != brussels->data() + brussels->size() ||
            !(v >= 0.01 && v <= 100))
            throw UsageError("neplatný koeficient --brussels \"" + *brussels + "\"");
        k = v;
    }
    static constexpr std::pair<const char*, VolbaToku> Toky[] = {
        {"obs", VolbaToku::OBS}, {"adj", VolbaToku::ADJ}, {"abs", VolbaToku::ABS}};
    const VolbaToku volbaToku = zvolit(flux, Toky, VolbaToku::OBS, "--flux");

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    if (k || areas || flux) {
        // The outside series and tables as the start-up reads them.
        session.takeWarnings(); // the load's, printed already
        StartupTables t = session.tables();
        ReadOutsideSeries(session, t, Today());
        session.setTables(std::move(t));
        for (const std::string& w : session.takeWarnings())
            err << "Upozornění: " << w << "\n";
    }
    const VyhlazenaData data = BuildVyhlazenaData(session.records(), S);
    BruselKrivka brusel;
    if (k) {
        brusel =
            BuildBruselKrivka(session.tables().DenniSIDC, data.prvniRok, static_cast<int>(o.H) - 1);
        if (brusel.t.empty()) throw JobError("Řady SIDC (SIDC\\dssn<rok>.dat) nejsou načteny");
        o.brusel = &brusel;
        o.k = *k;
    }
    // The outside monthly tables, as the window's "Brusel plochy" and
    // "Rádiový tok" draw them.
    BruselKrivka plochy, plochyJih, tok;
    if (areas) {
        const OutsideTable& t = session.tables().PlochyTab;
        if (DatovaneRadky(t) == 0) throw JobError("Soubor SIDC\\Plochy.txt nemá žádný měsíc");
        const bool obe = o.H == VolbaPolokoule::Obe;
        plochy = BuildTabulkovaKrivka(t, obe ? 1 : static_cast<int>(o.H) - 1, data.prvniRok);
        if (obe) plochyJih = BuildTabulkovaKrivka(t, 2, data.prvniRok);
        o.plochy = &plochy;
        if (obe) o.plochyJih = &plochyJih;
    }
    if (flux) {
        const OutsideTable& t = session.tables().Tok10cmTab;
        if (DatovaneRadky(t) == 0) throw JobError("Soubor SIDC\\tok-10cm.txt nemá žádný měsíc");
        tok = BuildTabulkovaKrivka(t, static_cast<int>(volbaToku), data.prvniRok);
        o.tok = &tok;
        o.volbaToku = volbaToku;
    }
    const int vyska = 900;
    const int w = std::max(1, o.Z * (vyska / 45) / 22);
    const int sirka = std::clamp((data.tPosledni + 14) * w + 80, 700, NejvetsiSirka);

    GuiApplicationScope gui;
    ulozit(file, QSize(sirka, vyska),
           [&](QPainter& p, const QRect& r) { PaintVyhlazeny(p, r, data, o); });
    out << file << "\n";
    if (dataFile) {
        WritePictureData(*dataFile, VyhlazenyPictureData(data, o));
        out << *dataFile << "\n";
    }
    return 0;
}

int RunRenderAsymmetry(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto series = TakeOption(args, "--series");
    const auto kind = TakeOption(args, "--kind");
    const auto period = TakeOption(args, "--period");
    const auto outFile = TakeOption(args, "--out");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (!series) throw UsageError("chybí --series");
    if (!kind) throw UsageError("chybí --kind");
    const std::string file = RequireOut(outFile);
    std::pair<const char*, int> rady[8];
    for (int s = 1; s <= 8; ++s)
        rady[s - 1] = {VyhlPopis(s).nazev, s};
    const int S = zvolit(series, rady, 1, "--series");
    static constexpr std::pair<const char*, DruhAsymetrie> Druhy[] = {
        {"difference", DruhAsymetrie::Rozdilova}, {"ratio", DruhAsymetrie::Podilova}};
    static constexpr std::pair<const char*, ObdobiAsymetrie> Obdobi[] = {
        {"record", ObdobiAsymetrie::Zaznamovy},
        {"month", ObdobiAsymetrie::Mesicni},
        {"year", ObdobiAsymetrie::Rocni}};
    const DruhAsymetrie druh = zvolit(kind, Druhy, DruhAsymetrie::Rozdilova, "--kind");
    const ObdobiAsymetrie obdobi = zvolit(period, Obdobi, ObdobiAsymetrie::Zaznamovy, "--period");

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    AnalysisTables analysis(session);
    const AsymetrieGraf graf =
        BuildAsymetrieGraf(session.records(), analysis.asymmetry(), S, druh, obdobi);
    AsymetrieOptions o;
    // The narrowest factor that keeps the picture within a screenful or two.
    for (o.faktor = 1; o.faktor < 16 && AsymetrieSirka(graf, o) > 2400; o.faktor *= 2) {
    }
    const int sirka = std::clamp(AsymetrieSirka(graf, o), 600, NejvetsiSirka);

    GuiApplicationScope gui;
    ulozit(file, QSize(sirka, 600),
           [&](QPainter& p, const QRect& r) { PaintAsymetrie(p, r, graf, o); });
    out << file << "\n";
    return 0;
}

} // namespace hk::cli
