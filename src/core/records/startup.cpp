#include "records/startup.h"

#include <optional>
#include <system_error>

#include "io/atomic_file.h"
#include "records/startup_files.h"
#include "text/encoding.h"
#include "text/number_format.h"

namespace hk {

namespace {

// True for a regular file. Something else of that name (a folder, a FIFO, a
// device) is not read, with a warning, and never replaced.
bool isFile(Session& s, const std::filesystem::path& p) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(p, ec)) return true;
    if (auto warning = NotAFileWarning(p)) s.addWarning(std::move(*warning));
    return false;
}

bool existsAtAll(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}

enum class Content { Any, Text };

// A present side file, or nullopt with a warning when it is larger than its
// format can hold or, for a text file, holds zero bytes (no Windows-1250
// text does: the file is damaged). The reader then keeps its defaults.
std::optional<std::string> readSideFile(Session& s, const std::filesystem::path& path,
                                        std::size_t limit, Content content = Content::Any) {
    try {
        std::string bytes = ReadWholeFile(path, limit);
        if (content == Content::Text && bytes.find('\0') != std::string::npos) {
            s.addWarning("Soubor \"" + path.string() +
                         "\" obsahuje nulové bajty, není to text; nepoužije se.");
            return std::nullopt;
        }
        return bytes;
    } catch (const FileTooLarge& e) {
        s.addWarning(e.what());
        return std::nullopt;
    }
}

// The enlargement factor; true when Zvetsit.zve is missing and is to be
// made once the records are read (a start that fails leaves the directory
// as it was).
bool readSizeFactor(Session& s, StartupTables& t) {
    const std::filesystem::path path = s.dir.resolve("Zvetsit.zve");
    t.enlargementFactor = DefaultEnlargementFactor;
    if (isFile(s, path)) {
        const auto bytes = readSideFile(s, path, SmallTextFileLimit);
        if (!bytes) return false;
        if (const auto f = ParseEnlargementFactor(*bytes))
            t.enlargementFactor = *f;
        else
            s.addWarning("Soubor Zvetsit.zve neobsahuje celé číslo; použije se zvětšení 120.");
        return false;
    }
    return !existsAtAll(path); // not a file: warned above, left as it is
}

void writeSizeFactor(Session& s, StartupResult& result, bool readOnly) {
    if (readOnly) return;
    const std::filesystem::path path = s.dir.resolve("Zvetsit.zve");
    try {
        WriteFileAtomic(path, FormatNumber(DefaultEnlargementFactor * 100, "0") + "\r\n");
        result.enlargementFileCreated = true;
    } catch (const std::exception& e) {
        s.addWarning(std::string("Soubor Zvetsit.zve nelze vytvořit: ") + e.what());
    }
}

void warnUnreadable(Session& s, const std::string& where, int count) {
    if (count > 0)
        s.addWarning("V " + where + " je " + std::to_string(count) +
                     " míst bez čísla; čtou se jako 0.");
}

void warnUndated(Session& s, const std::string& file, int count) {
    if (count > 0)
        s.addWarning("V souboru " + file + " je " + std::to_string(count) +
                     " řádků, které nezačínají rokem a měsícem; nepoužijí se.");
}

void readOutsideSeries(Session& s, StartupTables& t, const Date& today) {
    t.sidcDaily = ReadDailySeries(s.dir.resolve("SIDC"), today.year);
    for (const std::string& w : t.sidcDaily.refused)
        s.addWarning(w);
    warnUnreadable(s, "denních řadách SIDC", t.sidcDaily.unreadableValues);

    const std::filesystem::path areasCurve = s.dir.resolve("SIDC/Plochy.txt");
    const auto areasBytes =
        isFile(s, areasCurve) ? readSideFile(s, areasCurve, OutsideTableFileLimit) : std::nullopt;
    t.areasTable = areasBytes ? ParseAreasTable(*areasBytes) : OutsideTable{};
    warnUnreadable(s, "souboru SIDC\\Plochy.txt", t.areasTable.unreadableValues);
    warnUndated(s, "SIDC\\Plochy.txt", t.areasTable.undatedLines);

    const std::filesystem::path tok = s.dir.resolve("SIDC/tok-10cm.txt");
    const auto fluxBytes =
        isFile(s, tok) ? readSideFile(s, tok, OutsideTableFileLimit) : std::nullopt;
    t.fluxTable = fluxBytes ? ParseFluxTable(*fluxBytes) : OutsideTable{};
    warnUnreadable(s, "souboru SIDC\\tok-10cm.txt", t.fluxTable.unreadableValues);
    warnUndated(s, "SIDC\\tok-10cm.txt", t.fluxTable.undatedLines);
}

// The old observer file is read once; its lines are written to
// pozorovatelep.dat the next time the table is saved.
void renameOldObservers(Session& s, const std::filesystem::path& old, StartupResult& result) {
    const std::filesystem::path renamed = s.dir.resolve("ob-původní.dat");
    std::error_code ec;
    if (std::filesystem::exists(renamed, ec)) {
        s.addWarning("Soubor ob.dat nebyl přejmenován: ob-původní.dat již existuje.");
    } else {
        std::filesystem::rename(old, renamed, ec);
        if (ec)
            s.addWarning("Soubor ob.dat nelze přejmenovat: " + ec.message());
        else
            result.obRenamed = true;
    }
}

void readObservers(Session& s, StartupTables& t, StartupResult& result, bool readOnly) {
    ObserverFile file = ReadObserverFile(s.dir);
    if (file.refused) s.addWarning(*file.refused);
    if (file.fromOb && !readOnly) renameOldObservers(s, s.dir.resolve("ob.dat"), result);
    t.observerLines = std::move(file.lines);
    t.observerFileRefused = std::move(file.refused);
    t.observerTable = ObserverTable::parse(t.observerLines);
    t.observerTable.sortByName();
}

// Side files and folders read later (by the reports and the pictures):
// something else than a file or a folder of that name is named now, in the
// start-up list, instead of being passed over silently when it is needed.
void warnLaterSideFiles(Session& s) {
    for (const char* name : {"Obecdata.dat", "PopisNov.txt", "InterSolAdresa.txt", "magn.dat"})
        isFile(s, s.dir.resolve(name));
    for (const char* name : {"SIDC", "Magneto"}) {
        const std::filesystem::path p = s.dir.resolve(name);
        std::error_code ec;
        const auto st = std::filesystem::status(p, ec);
        if (std::filesystem::exists(st) && !std::filesystem::is_directory(st))
            s.addWarning("Soubor \"" + p.string() + "\" není adresář; nepoužije se.");
    }
}

} // namespace

void ReadOutsideSeries(Session& s, StartupTables& t, const Date& today) {
    readOutsideSeries(s, t, today);
}

StartupResult RunStartup(Session& s, int screenHeight, const Date& today,
                         const StartupHooks& hooks) {
    StartupResult result;
    s.takeWarnings();
    for (const std::string& note : hooks.notes)
        s.addWarning(note);
    StartupTables t;

    const bool sizeFactorMissing = readSizeFactor(s, t);
    t.sizePercent = SizePercentage(screenHeight, t.enlargementFactor);

    const std::filesystem::path supplementaryFile = s.dir.resolve("Motfakul.dat");
    t.supplementaryData =
        isFile(s, supplementaryFile)
            ? ParseSupplementaryData(ReadFileStart(supplementaryFile, SupplementaryDataSize))
            : std::vector<std::uint8_t>(SupplementaryDataSize, 0);

    const std::filesystem::path instrument = s.dir.resolve("pristroj.dat");
    const auto instrumentBytes =
        isFile(s, instrument) ? readSideFile(s, instrument, SmallTextFileLimit, Content::Text)
                              : std::nullopt;
    t.instrument = instrumentBytes ? ParseInstrument(*instrumentBytes) : DefaultInstrument();

    result.load = s.load(today, hooks.geometry, hooks.readAhead);
    if (sizeFactorMissing) writeSizeFactor(s, result, hooks.readOnly);

    if (hooks.afterRecords) hooks.afterRecords(s);
    readOutsideSeries(s, t, today);
    readObservers(s, t, result, hooks.readOnly);
    warnLaterSideFiles(s);
    s.setTables(std::move(t));

    if (const auto setting = s.drawingSettingOfRecord1())
        s.setDrawingSetting(*setting);
    else
        result.askDrawingSetting = true;
    return result;
}

std::string MainWindowCaption(const Session& s) {
    if (s.heliographicEntry())
        return std::string("Zákresy Sluneční fotosféry  ") +
               " Vizuálně   (Heliografické souřadnice)";
    return std::string("Zákresy Sluneční fotosféry ") + " (Polární souřadnice)" +
           "  (průměr zákresu  " + FormatNumber(2 * s.drawingRadius(), "###") + " mm)";
}

} // namespace hk
