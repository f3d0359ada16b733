// heliokres-cli check: the start-up of a program directory as the desktop
// program runs it, and what it found.
#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "graphs/analysis_tables.h"
#include "records/program_lock.h"
#include "records/session.h"
#include "records/startup.h"
#include "text/number_format.h"

namespace hk::cli {

namespace {

// "1982-1990, 1995" from ascending years.
std::string yearRanges(const std::vector<int>& years) {
    std::string text;
    for (std::size_t i = 0; i < years.size();) {
        std::size_t j = i;
        while (j + 1 < years.size() && years[j + 1] == years[j] + 1)
            ++j;
        if (!text.empty()) text += ", ";
        text += std::to_string(years[i]);
        if (j > i) text += "-" + std::to_string(years[j]);
        i = j + 1;
    }
    return text.empty() ? "žádné" : text;
}

constexpr int DefaultScreenHeight = 768;

} // namespace

int RunCheck(const Args& argsIn, std::ostream& out, std::ostream&) {
    Args args = argsIn;
    int screenHeight = DefaultScreenHeight;
    if (auto v = TakeOption(args, "--screen-height")) {
        std::size_t used = 0;
        try {
            screenHeight = std::stoi(*v, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != v->size() || screenHeight < 1)
            throw UsageError("volba --screen-height čeká kladné celé číslo");
    }
    const bool withCorona = TakeFlag(args, "--corona");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám jeden adresář programu");

    std::error_code ec;
    if (!std::filesystem::is_directory(args[0], ec))
        throw JobError("Adresář programu \"" + args[0] + "\" neexistuje");
    Session session(args[0]);
    StartupResult result;
    StartupHooks hooks;
    // Like the desktop program, the check leaves the corona files to the
    // views that show the corona; asked, it reads them at the place of the
    // start-up where their warnings have always stood: right after the records.
    AnalysisTables analysis(session);
    if (withCorona)
        hooks.afterRecords = [&analysis](Session& s) {
            analysis.corona();
            for (std::string& w : analysis.takeWarnings())
                s.addWarning(std::move(w));
        };
    // A directory another program writes into is only read: nothing is
    // created, renamed or cleaned up under that program's hands.
    const DirectoryLock lock =
        LockProgramDirectory(session.dir, "heliokres-cli check", hooks.notes);
    if (!lock.held()) {
        hooks.readOnly = true;
        hooks.notes.push_back(lock.refusal().message + " Kontrola adresář jen čte.");
    }
    try {
        result = RunStartup(session, screenHeight, Today(), hooks);
    } catch (const std::exception& e) {
        throw JobError(std::string("Start programu selhal: ") + e.what());
    }

    out << "Adresář: " << session.dir.root().string() << "\n";
    out << "Záznamy: " << session.recordCount()
        << (!result.load.fileExisted ? " (soubor datax.dat chybí)"
            : result.load.noRecords  ? " (soubor datax.dat neobsahuje žádný záznam)"
                                     : "")
        << "\n";
    out << "Pozorovatelé: " << session.observers().size() << "\n";
    out << "Tabulka pozorovatelů: " << session.observerTable().size() << "\n";
    out << "První datum: " << session.record(1).Datum.text() << "\n";
    out << "Poslední datum: " << session.record(session.recordCount()).Datum.text() << "\n";
    out << "Řady SIDC: " << yearRanges(session.tables().sidcDaily.years) << "\n";
    out << "Plochy: " << session.tables().areasTable.rows.size() << " řádků\n";
    out << "Tok 10 cm: " << session.tables().fluxTable.rows.size() << " řádků\n";
    const bool supplementary = !session.tables().supplementaryData.empty() &&
                               session.tables().supplementaryData.front() != 0;
    out << "Doplňková data: " << (supplementary ? "ano" : "ne") << "\n";
    if (result.askDrawingSetting)
        out << "Nastavení kresby: chybí (program se zeptá na typ souřadnic)\n";
    else
        out << "Nastavení kresby: průměr " << FormatNumber(2 * session.drawingRadius(), "0")
            << " mm, "
            << (session.heliographicEntry() ? "heliografické souřadnice" : "polární souřadnice")
            << "\n";
    out << "Procento velikosti: " << session.sizePercent() << "\n";
    if (result.enlargementFileCreated) out << "Vytvořen soubor Zvetsit.zve\n";
    if (result.obRenamed) out << "Soubor ob.dat přejmenován na ob-původní.dat\n";
    for (const std::string& w : session.warnings())
        out << "Upozornění: " << w << "\n";
    return 0;
}

} // namespace hk::cli
