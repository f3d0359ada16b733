// heliokres-cli: the program's jobs without windows.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <iostream>
#include <string_view>

#include "cli/commands.h"
#include "io/huge_pages.h"

using namespace hk::cli;

namespace {

const Command commands[] = {
    {"demo", "demo DIR [--years N] [--per-year N] [--seed S] [--force]", RunDemo},
    {"check", "check DIR [--screen-height N] [--corona]", RunCheck},
    {"ephemeris", "ephemeris DATE [TIME] | ephemeris --from DATE --to DATE [--time hhmm]",
     RunEphemeris},
    {"dump", "dump [--summary] FILE", RunDump},
    {"export",
     "export ascii|faculae|observers|zones DIR | export observer DIR NAME | export official DIR "
     "M.YYYY [--whole-year | --to-end] [--method projekce|vizualne]",
     RunExport},
    {"report", "report (sidc|cv|own|intersol) DIR M.YYYY [--observer NAME] [--number N] [--force]",
     RunReport},
    {"stats",
     "stats DIR (measured|smoothed|types|rotations) [--hemisphere all|north|south] | stats DIR "
     "asymmetry (--monthly | --yearly) | stats DIR observers | stats DIR zones [--class "
     "A|B|C|D|E|F|H|J|vse] | stats DIR (spotless|largest) YEAR | stats DIR observer NAME | stats "
     "DIR evolution ROTATION",
     RunStats},
    {"yearly-table",
     "yearly-table YEAR [--out FILE [--page 1|2|3] [--window WxH]] [--data FILE.csv]",
     RunYearlyTable},
    {"measure",
     "measure --centre X,Y --north X,Y [--axis --date dd.mm.yyyy --time hhmm DIR] [--faculae] X,Y "
     "...",
     RunMeasure},
    {"find-disk", "find-disk IMAGE", RunFindDisk},
    {"find-spots", "find-spots IMAGE [--centre X,Y --north X,Y]", RunFindSpots},
    {"import", "import silso DIR FILE", RunImport},
    {"magnetosphere-sum", "magnetosphere-sum DIR", RunMagnetosphereSum},
    {"render",
     "render drawing DIR (--record N | --date dd.mm.yyyy [--time hhmm]) --out FILE [--data "
     "FILE.csv] [--width PX | --window WxH] "
     "[--enlarged] [--mirror-ew] [--mirror-ns] [--magnetosphere] [--print-colours] [--no-leaves] | "
     "render protocol DIR M.YYYY (--own | --sidc) --out FILE [--data FILE.csv] "
     "[--width PX | --window WxH] | "
     "render butterfly DIR --out FILE [--data FILE.csv] [--size WxH] [--mode spots|faculae|both] "
     "[--rotation-scale "
     "1|2|4|8|16] [--latitude-scale 1..9] [--mean] [--smoothed] [--bounds] [--supplementary] "
     "[--corona] [--faculae-bars] | render map DIR --rotation R --out FILE [--data FILE.csv] "
     "[--kind "
     "single|long|high|two|corona-graph|corona-butterfly] [--size WxH] [--no-faculae] [--no-areas] "
     "[--faculae-centres] [--corona] [--magnetosphere] | render graph DIR --series "
     "g|f|r|cv|sn|rb|area|hemisphere-area|faculae|position|intersol [--view all|disk|north|south] "
     "[--size 400|500|600 | --window WxH] [--from D.M.YYYY] [--to D.M.YYYY] --out FILE [--data "
     "FILE.csv] | "
     "render smoothed DIR --series "
     "g|f|r|cv|sn|rb|area|hemisphere-area|intersol [--hemisphere disk|north|south|both] "
     "[--brussels K] [--areas] [--flux obs|adj|abs] [--window WxH] --out FILE [--data FILE.csv] | "
     "render "
     "asymmetry DIR --series g|f|r|cv|sn|rb|area|hemisphere-area --kind difference|ratio [--period "
     "record|month|year] [--window WxH] --out FILE [--data FILE.csv] | "
     "render observers DIR --out FILE [--data FILE.csv] [--window WxH] | "
     "render spotless DIR YEAR --out FILE [--data FILE.csv] [--window WxH]",
     RunRender},
};

void printUsage(std::ostream& err) {
    err << "použití: heliokres-cli PŘÍKAZ ... | heliokres-cli --version\n";
    for (const auto& c : commands)
        err << "  heliokres-cli " << c.usage << "\n";
}

// Standard error holds only the tool's own messages: Qt's notes about the
// environment (no runtime directory when run as root or from a service, no
// display) say nothing about the job. A fatal one is told before Qt ends
// the run.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << "heliokres-cli: " << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QtMessages);
    // The pictures are painted off screen whatever platform the environment
    // names: the tool opens no window and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool reads the archive once and walks all of it.
    hk::UseHugePages(true);
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "heliokres-cli " HELIOKRES_VERSION "\n";
        return 0;
    }
    for (const auto& c : commands) {
        if (name != c.name) continue;
        Args args(argv + 2, argv + argc);
        try {
            return c.run(args, std::cout, std::cerr);
        } catch (const UsageError& e) {
            std::cerr << "heliokres-cli: " << e.what() << "\npoužití: heliokres-cli " << c.usage
                      << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "heliokres-cli: " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "heliokres-cli: neznámý příkaz " << name << "\n";
    printUsage(std::cerr);
    return 2;
}
