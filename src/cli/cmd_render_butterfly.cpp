// heliokres-cli render butterfly: the butterfly diagram as the window's
// client area of the given size shows it at scroll position 0.
#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "graphs/butterfly_model.h"
#include "graphs/korona_startup.h"
#include "io/atomic_file.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/butterfly.h"
#include "render/jpeg_writer.h"

namespace hk::cli {

namespace {

constexpr int CliScreenHeight = 1024;

int number(const std::string& text, const char* what, int min, int max) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max)
        throw UsageError(std::string("neplatná hodnota ") + what + " \"" + text + "\"");
    return v;
}

QSize parseSize(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) throw UsageError("--size čeká ŠÍŘKAxVÝŠKA, např. 1200x800");
    return QSize(number(text.substr(0, x), "--size", 200, 8000),
                 number(text.substr(x + 1), "--size", 200, 8000));
}

} // namespace

int RunRenderButterfly(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto outFile = TakeOption(args, "--out");
    const auto size = TakeOption(args, "--size");
    const auto mode = TakeOption(args, "--mode");
    const auto rotationScale = TakeOption(args, "--rotation-scale");
    const auto latitudeScale = TakeOption(args, "--latitude-scale");
    ButterflyOptions o;
    o.vyskaskvrn = TakeFlag(args, "--mean");
    o.vyskahlazena = TakeFlag(args, "--smoothed");
    o.hranice = TakeFlag(args, "--bounds");
    o.doplnkova = TakeFlag(args, "--supplementary");
    o.korona = TakeFlag(args, "--corona");
    o.SirkaFakuli = TakeFlag(args, "--faculae-bars");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám adresář programu");
    if (!outFile) throw UsageError("chybí --out SOUBOR");
    const QSize client = size ? parseSize(*size) : QSize(1200, 800);
    if (mode) {
        if (*mode == "spots")
            o.RezimMotylka = 1;
        else if (*mode == "faculae")
            o.RezimMotylka = 2;
        else if (*mode == "both")
            o.RezimMotylka = 3;
        else
            throw UsageError("--mode čeká spots, faculae nebo both");
    }
    if (rotationScale) {
        o.MeritkoRotace = number(*rotationScale, "--rotation-scale", 1, 16);
        if ((o.MeritkoRotace & (o.MeritkoRotace - 1)) != 0)
            throw UsageError("--rotation-scale čeká 1, 2, 4, 8 nebo 16");
    }
    if (latitudeScale) o.MeritkoSirky = number(*latitudeScale, "--latitude-scale", 1, 9);

    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    if (!ProgramDir(root).exists("datax.dat"))
        throw JobError("V adresáři \"" + root.string() + "\" není soubor datax.dat");
    Session session(root);
    StartupHooks hooks;
    hooks.loadCorona = LoadKoronaAtStartup;
    try {
        RunStartup(session, CliScreenHeight, Today(), hooks);
    } catch (const std::exception& e) {
        throw JobError(e.what());
    }
    for (const std::string& w : session.warnings())
        err << w << "\n";
    if (o.korona && !session.Korona().present()) {
        err << "Nejsou data pro koronu\n";
        o.korona = false;
    }
    o.fontPixels = static_cast<int>(std::nearbyint(session.ProcentoVelikosti() * 8 / 100.0));

    GuiApplicationScope gui;
    const ButterflyModel model = MakeButterflyModel(
        session.records(), session.geometry(), session.tables().DoplnkovaData, session.Korona());
    if (IsPdf(*outFile)) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setResolution(300);
            pdf.setTitle(QStringLiteral("Motýlek"));
            QPainter painter(&pdf);
            PrintButterfly(painter, QRect(0, 0, pdf.width(), pdf.height()), client, model, o);
        }
        WriteFileAtomic(
            *outFile, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } else {
        QImage image(client, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            PaintButterfly(painter, image.rect(), model, o);
        }
        SaveImage(image, *outFile, 90);
    }
    out << *outFile << "\n";
    return 0;
}

} // namespace hk::cli
