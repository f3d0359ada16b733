// heliokres-cli demo: writes a complete program directory of demo data and
// a scan of its newest drawing to try the measurement on.
#include <chrono>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "demo/demo.h"
#include "records/program_dir.h"
#include "render/demo_scan.h"

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
    if (const auto scan = WriteDemoScan(args[0]))
        out << "Sken zákresu k měření zapsán do " << scan->string() << "\n";
    return 0;
}

} // namespace hk::cli
