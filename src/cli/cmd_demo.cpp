// heliokres-cli demo: writes a complete program directory of demo data and
// a scan of its newest drawing to try the measurement on.
#include <QImage>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "demo/demo.h"
#include "demo/drawn_scan.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_file.h"
#include "render/jpeg_writer.h"

namespace hk::cli {

namespace {

int positiveNumber(const std::string& text, const std::string& option, int max) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < 1 || value > max)
        throw UsageError("volba " + option + " čeká celé číslo 1.." + std::to_string(max));
    return value;
}

// The scan of the newest drawing of the directory's datax.dat as
// "Sken DD.MM.YYYY.png" beside it: its path, or none when there is no drawing.
std::optional<std::filesystem::path> writeNewestScan(const std::filesystem::path& dir) {
    const RecordFileContents file = ReadRecordFile(ProgramDir(dir).resolve("datax.dat"));
    if (file.records.empty()) return std::nullopt;
    const TZaznam& newest = file.records.back();
    const auto date = RecordDate(newest);
    if (!date) return std::nullopt;
    const drawn_scans::DrawnScan scan = drawn_scans::DrawRecordScan(newest);
    const QImage image(scan.pixels.data(), scan.side, scan.side, scan.side,
                       QImage::Format_Grayscale8);
    const std::filesystem::path path = dir / ("Sken " + FormatDatum(*date) + ".png");
    SaveImage(image, path);
    return path;
}

} // namespace

int RunDemo(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    DemoOptions options;
    options.endDate = Today();
    if (auto v = TakeOption(args, "--years")) options.years = positiveNumber(*v, "--years", 100);
    if (auto v = TakeOption(args, "--per-year"))
        options.perYear = positiveNumber(*v, "--per-year", 2000);
    if (auto v = TakeOption(args, "--seed")) {
        std::size_t used = 0;
        try {
            options.seed = std::stoull(*v, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != v->size() || v->empty() || (*v)[0] == '-')
            throw UsageError("volba --seed čeká nezáporné celé číslo");
    }
    const bool force = TakeFlag(args, "--force");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám jeden adresář");
    // An archive is never replaced by demo data unless that is asked for.
    if (!force && ProgramDir(args[0]).exists("datax.dat"))
        throw JobError("V adresáři \"" + args[0] +
                       "\" už je soubor datax.dat; ukázková data by jej přepsala (volba --force)");
    std::error_code ec;
    std::filesystem::create_directories(args[0], ec);
    const DirectoryLock lock = LockForWriting(ProgramDir(args[0]), "demo", err);
    WriteDemoDirectory(args[0], options);
    out << "Ukázková data zapsána do " << args[0] << "\n";
    if (const auto scan = writeNewestScan(args[0]))
        out << "Sken zákresu k měření zapsán do " << scan->string() << "\n";
    return 0;
}

} // namespace hk::cli
