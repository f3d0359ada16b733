#include "records/startup.h"

#include <system_error>

#include "io/atomic_file.h"
#include "records/startup_files.h"
#include "text/encoding.h"
#include "text/number_format.h"

namespace hk {

namespace {

bool isFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

void readSizeFactor(Session& s, StartupTables& t, StartupResult& result) {
    const std::filesystem::path path = s.dir.resolve("Zvetsit.zve");
    t.FaktorZvetseni = DefaultFaktorZvetseni;
    if (isFile(path)) {
        if (const auto f = ParseFaktorZvetseni(ReadWholeFile(path)))
            t.FaktorZvetseni = *f;
        else
            s.addWarning(
                "Soubor Zvetsit.zve neobsahuje celé číslo; použije se zvětšení 120.");
        return;
    }
    try {
        WriteFileAtomic(path, FormatNumber(DefaultFaktorZvetseni * 100, "0") + "\r\n");
        result.zvetsitCreated = true;
    } catch (const std::exception& e) {
        s.addWarning(std::string("Soubor Zvetsit.zve nelze vytvořit: ") + e.what());
    }
}

void warnUnreadable(Session& s, const std::string& where, int count) {
    if (count > 0)
        s.addWarning("V " + where + " je " + std::to_string(count) +
                             " míst bez čísla; čtou se jako 0.");
}

void readOutsideSeries(Session& s, StartupTables& t, const Date& today) {
    t.DenniSIDC = ReadDailySeries(s.dir.resolve("SIDC"), today.year);
    warnUnreadable(s, "denních řadách SIDC", t.DenniSIDC.unreadableValues);

    const std::filesystem::path plochy = s.dir.resolve("SIDC/Plochy.txt");
    t.PlochyTab = isFile(plochy) ? ParsePlochy(ReadWholeFile(plochy)) : OutsideTable{};
    warnUnreadable(s, "souboru SIDC\\Plochy.txt", t.PlochyTab.unreadableValues);

    const std::filesystem::path tok = s.dir.resolve("SIDC/tok-10cm.txt");
    t.Tok10cmTab = isFile(tok) ? ParseTok10cm(ReadWholeFile(tok)) : OutsideTable{};
    warnUnreadable(s, "souboru SIDC\\tok-10cm.txt", t.Tok10cmTab.unreadableValues);
}

std::vector<std::string> textLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const std::string bytes = ReadWholeFile(path);
    for (std::string_view line : SplitLines(bytes))
        lines.push_back(Cp1250ToUtf8(line));
    return lines;
}

void readObservers(Session& s, StartupTables& t, StartupResult& result) {
    const std::filesystem::path current = s.dir.resolve("pozorovateleP.dat");
    const std::filesystem::path old = s.dir.resolve("ob.dat");
    t.PozorovateleText.clear();
    if (isFile(current)) {
        t.PozorovateleText = textLines(current);
    } else if (isFile(old)) {
        t.PozorovateleText = textLines(old);
        // The old file is read once; its lines are written to
        // pozorovatelep.dat the next time the table is saved.
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
    t.TabulkaPozorovatelu = ObserverTable::parse(t.PozorovateleText);
    t.TabulkaPozorovatelu.SeradPodleJmena();
}

} // namespace

StartupResult RunStartup(Session& s, int screenHeight, const Date& today,
                         const StartupHooks& hooks) {
    StartupResult result;
    s.takeWarnings();
    StartupTables t;

    readSizeFactor(s, t, result);
    t.ProcentoVelikosti = SizePercentage(screenHeight, t.FaktorZvetseni);

    const std::filesystem::path motfakul = s.dir.resolve("Motfakul.dat");
    t.DoplnkovaData = isFile(motfakul) ? ParseDoplnkovaData(ReadWholeFile(motfakul))
                                       : std::vector<std::uint8_t>(DoplnkovaDataSize, 0);

    const std::filesystem::path pristroj = s.dir.resolve("pristroj.dat");
    t.Pristroj = isFile(pristroj) ? ParsePristroj(ReadWholeFile(pristroj)) : DefaultPristroj();

    result.load = s.load(today);

    if (hooks.loadCorona) hooks.loadCorona(s);
    readOutsideSeries(s, t, today);
    readObservers(s, t, result);
    s.setTables(std::move(t));
    if (hooks.computeAsymmetry) hooks.computeAsymmetry(s);

    if (const auto setting = s.drawingSettingOfRecord1())
        s.setDrawingSetting(*setting);
    else
        result.askDrawingSetting = true;
    return result;
}

std::string MainWindowCaption(const Session& s) {
    if (s.HelioZadavani())
        return std::string("Zákresy Sluneční fotosféry  ") +
               " Vizuálně   (Heliografické souřadnice)";
    return std::string("Zákresy Sluneční fotosféry ") + " (Polární souřadnice)" +
           "  (průměr zákresu  " + FormatNumber(2 * s.PolomerKresby(), "###") + " mm)";
}

} // namespace hk
