// heliokres-cli render butterfly: the butterfly diagram as the window's
// client area of the given size shows it at scroll position 0.
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "graphs/analysis_tables.h"
#include "graphs/butterfly_model.h"
#include "records/session.h"
#include "records/startup.h"
#include "render/butterfly.h"

namespace hk::cli {

namespace {

// The diagram as the client area shows it, or on one landscape page as it
// is printed.
void writePicture(const std::filesystem::path& file, const ButterflyPicture& picture) {
    if (IsPdf(file)) {
        WritePdf(file, QStringLiteral("Motýlek"), [&](QPdfWriter& pdf) {
            pdf.setPageOrientation(QPageLayout::Landscape);
            QPainter painter(&pdf);
            PrintButterflyPicture(painter, QRect(0, 0, pdf.width(), pdf.height()), picture);
        });
    } else {
        SavePictureImage(
            file, QSize(picture.clientWidth, picture.clientHeight),
            [&](QPainter& p, const QRect& r) { PaintButterflyPicture(p, r, picture); });
    }
}

} // namespace

int RunRenderButterfly(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const PictureFiles files = TakePictureFiles(args);
    const auto size = TakeOption(args, "--size");
    const auto mode = TakeOption(args, "--mode");
    const auto rotationScale = TakeOption(args, "--rotation-scale");
    const auto latitudeScale = TakeOption(args, "--latitude-scale");
    ButterflyScene scene;
    ButterflyOptions& o = scene.view;
    o.meanCurve = TakeFlag(args, "--mean");
    o.smoothedCurve = TakeFlag(args, "--smoothed");
    o.bounds = TakeFlag(args, "--bounds");
    o.supplementary = TakeFlag(args, "--supplementary");
    o.corona = TakeFlag(args, "--corona");
    o.faculaeBars = TakeFlag(args, "--faculae-bars");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    const auto [width, height] = ParseSize(size, 1200, 800);
    scene.clientWidth = width;
    scene.clientHeight = height;
    if (mode) {
        if (*mode == "spots")
            o.butterflyMode = 1;
        else if (*mode == "faculae")
            o.butterflyMode = 2;
        else if (*mode == "both")
            o.butterflyMode = 3;
        else
            throw UsageError("--mode čeká spots, faculae nebo both");
    }
    if (rotationScale) {
        scene.fitRotationScale = false;
        o.rotationScale = ParseInt(*rotationScale, "--rotation-scale", 1, 16);
        if ((o.rotationScale & (o.rotationScale - 1)) != 0)
            throw UsageError("--rotation-scale čeká 1, 2, 4, 8 nebo 16");
    }
    if (latitudeScale) o.latitudeScale = ParseInt(*latitudeScale, "--latitude-scale", 1, 9);

    Session session(ExistingProgramDirectory(args[0]));
    StartSession(session, err, LoadGeometry::WhileReading); // every record's groups
    AnalysisTables analysis(session);
    const CoronaTable* corona = o.corona ? &LoadCorona(analysis, err) : nullptr;
    if (corona && !corona->present()) err << "Nejsou data pro koronu\n";
    // As the window opens: the axis fills the width unless a scale is given.
    const ButterflyPicture picture = BuildButterflyPicture(session, corona, scene);
    if (files.out) {
        writePicture(*files.out, picture);
        out << *files.out << "\n";
    }
    if (files.data) {
        WritePictureData(*files.data, ButterflyPictureData(*picture.model, picture.options));
        out << *files.data << "\n";
    }
    return 0;
}

} // namespace hk::cli
