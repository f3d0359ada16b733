#include "cli/cli_common.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <ostream>

#include "graphs/analysis_tables.h"
#include "io/atomic_file.h"
#include "records/observers.h"
#include "records/program_lock.h"
#include "records/session.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "results/results_grid.h"
#include "results/station_data.h"
#include "text/encoding.h"

namespace hk::cli {

bool IsPdf(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".pdf";
}

std::optional<std::string> TakeOption(Args& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return std::nullopt;
    if (std::next(it) == args.end()) throw UsageError("chybí hodnota volby " + name);
    std::string value = *std::next(it);
    args.erase(it, it + 2);
    return value;
}

bool TakeFlag(Args& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

void RejectUnknownOptions(const Args& args) {
    for (const auto& a : args)
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw UsageError("neznámá volba " + a);
}

Date Today() {
    const std::chrono::year_month_day ymd{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

std::filesystem::path ExistingProgramDirectory(const std::string& argument) {
    const std::filesystem::path root = argument;
    if (!std::filesystem::is_directory(root))
        throw JobError("Adresář \"" + root.string() + "\" neexistuje");
    return root;
}

DirectoryLock LockForWriting(const ProgramDir& dir, std::string_view command, std::ostream& err) {
    std::vector<std::string> notes;
    DirectoryLock lock = LockProgramDirectory(dir, "heliokres-cli " + std::string(command), notes);
    if (!lock.held()) throw JobError(lock.refusal().message);
    for (const std::string& note : notes)
        err << note << "\n";
    return lock;
}

void LoadRecords(Session& session, std::ostream& err, LoadGeometry geometry) {
    if (!session.dir.exists("datax.dat"))
        throw JobError("V adresáři \"" + session.dir.root().string() + "\" není soubor datax.dat");
    session.load(Today(), geometry);
    for (const std::string& w : session.warnings())
        err << w << "\n";
}

void StartSession(Session& session, std::ostream& err, LoadGeometry geometry) {
    if (!session.dir.exists("datax.dat"))
        throw JobError("V adresáři \"" + session.dir.root().string() + "\" není soubor datax.dat");
    constexpr int ScreenHeight = 1024; // the start-up's size rule wants a screen
    StartupHooks hooks;
    hooks.readOnly = true; // a picture command changes nothing in the directory
    hooks.geometry = geometry;
    try {
        RunStartup(session, ScreenHeight, Today(), hooks);
    } catch (const std::exception& e) {
        throw JobError(e.what());
    }
    for (const std::string& w : session.warnings())
        err << w << "\n";
}

const CoronaTable& LoadCorona(AnalysisTables& tables, std::ostream& err) {
    const CoronaTable& corona = tables.corona();
    for (const std::string& w : tables.takeWarnings())
        err << w << "\n";
    return corona;
}

ObserverTable ReadObserverTable(const ProgramDir& dir, std::ostream& err, bool forWriting) {
    const ObserverFile file = ReadObserverFile(dir);
    if (file.refused) {
        if (forWriting)
            throw JobError(*file.refused + " Tabulka pozorovatelů by jej přepsala; nic nebylo "
                                           "zapsáno.");
        err << *file.refused << "\n";
    }
    ObserverTable table = ObserverTable::parse(file.lines);
    table.sortByName();
    return table;
}

void PrintTable(const ResultsGrid& grid, std::ostream& out) {
    // A table of a large archive has hundreds of thousands of cells: they
    // go out in blocks of about 64 KiB, so the text is never held whole
    // beside the grid.
    constexpr std::size_t Block = 64 * 1024;
    std::string text;
    text.reserve(2 * Block);
    for (const auto& row : grid.cells) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) text += ';';
            text += row[c];
        }
        text += '\n';
        if (text.size() >= Block) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void WarnIfNotAFile(const ProgramDir& dir, std::string_view name, std::ostream& err) {
    if (const auto warning = NotAFileWarning(dir.resolve(name))) err << *warning << "\n";
}

StationData ReadReportData(const ProgramDir& dir, std::ostream& err) {
    WarnIfNotAFile(dir, StationDataFile, err);
    WarnIfNotAFile(dir, PopisNovFile, err);
    return ReadStationData(dir);
}

void ExpectProgramDirectory(const Args& args) {
    if (args.size() != 1) throw UsageError("čekám adresář programu");
}

PictureFiles TakePictureFiles(Args& args) {
    PictureFiles f;
    f.out = TakeOption(args, "--out");
    f.data = TakeOption(args, "--data");
    if (!f.out && !f.data) throw UsageError("chybí --out SOUBOR nebo --data SOUBOR.csv");
    if (f.out && f.out->empty()) throw UsageError("--out čeká soubor");
    if (f.data && (f.data->empty() ||
                   (f.out && std::filesystem::path(*f.data) == std::filesystem::path(*f.out))))
        throw UsageError("--data čeká soubor CSV jiný než --out");
    return f;
}

std::pair<int, int> ParseSize(const std::optional<std::string>& text, int width, int height,
                              const char* option) {
    if (!text) return {width, height};
    const std::size_t x = text->find('x');
    if (x == std::string::npos)
        throw UsageError(std::string(option) + " čeká ŠÍŘKAxVÝŠKA, např. " + std::to_string(width) +
                         "x" + std::to_string(height));
    return {ParseInt(text->substr(0, x), option, 200, 8000),
            ParseInt(text->substr(x + 1), option, 200, 8000)};
}

} // namespace hk::cli
