// heliokres-cli report (sidc|cv|own|intersol) DIR M.YYYY: the monthly report
// files of a program directory, the same bytes as the results window writes.
#include <chrono>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "io/atomic_file.h"
#include "io/file_names.h"
#include "records/session.h"
#include "records/startup_files.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/intersol_report.h"
#include "results/month_walk.h"
#include "results/own_report.h"
#include "results/sidc_report.h"
#include "results/station_data.h"
#include "text/encoding.h"

namespace hk::cli {

namespace {

std::string lineBreaks(std::string_view message) {
    std::string s(message);
    for (char& c : s)
        if (c == '\r') c = '\n';
    return s;
}

// The observer table as the results window has it: pozorovateleP.dat, or
// the older ob.dat when that is all there is (read only, never renamed here).

struct Job {
    const Session& session;
    const StationData& data;
    std::size_t first;
    std::ostream& out;
};

// The geometry of the month's records only.
const GeometryCache& monthGeometry(const Session& session, std::size_t first) {
    const auto [from, to] = MonthWalkRecords(session.records(), first);
    return session.geometry(from, to);
}

void writeSidc(const Job& job, bool force) {
    const ReportFile r = BuildSidcReport(
        job.session.records(), monthGeometry(job.session, job.first), job.first, job.data);
    if (ReportExists(job.session.dir, r) && !force) throw JobError(lineBreaks(FileExists));
    job.out << WriteReportFile(job.session.dir, r).string() << "\n";
}

void writeIntersol(const Job& job, const std::string& monthText, const std::string& observer,
                   const std::optional<std::string>& numberOption, std::ostream& err) {
    const ProgramDir& dir = job.session.dir;
    // A new observer is added to the table and the table written back, so a
    // table that cannot be read stops the command before anything is written.
    ObserverTable table = ReadObserverTable(dir, err, true);
    const ObserverTable::Entry* known = table.findByName(observer);
    const std::string number = numberOption ? *numberOption : known ? (*known)[0] : std::string{};

    const InterSolTable coefficients =
        BuildInterSolTable(job.session.records(), monthText, observer, number);
    if (coefficients.message) throw JobError(*coefficients.message);

    const InterSolObserver who = InterSolObserverFor(observer, known, job.data);
    const ReportFile r =
        BuildInterSolProtocol(coefficients, who, number, job.data,
                              ReadInterSolRecipient(dir.resolve(InterSolAddressFile)));
    job.out << WriteReportFile(dir, r).string() << "\n";

    // A new observer is kept in the observer table with the number used.
    if (!known && table.add({number, observer, {}, {}, {}, {}})) {
        const std::filesystem::path file = dir.resolve("pozorovatelep.dat");
        table.write(file);
        job.out << file.string() << "\n";
    }
}

} // namespace

int RunReport(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto observer = TakeOption(args, "--observer");
    const auto number = TakeOption(args, "--number");
    const bool force = TakeFlag(args, "--force");
    RejectUnknownOptions(args);
    if (args.size() != 3) throw UsageError("čekám druh zprávy, adresář programu a měsíc M.YYYY");
    const std::string& kind = args[0];
    if (kind != "sidc" && kind != "cv" && kind != "own" && kind != "intersol")
        throw UsageError("neznámý druh zprávy " + kind + " (sidc, cv, own, intersol)");
    if ((kind == "cv" || kind == "intersol") && (!observer || observer->empty()))
        throw UsageError("zpráva " + kind + " potřebuje volbu --observer");
    if (observer && HasControlCharacter(*observer))
        throw UsageError("volba --observer nesmí obsahovat konec řádku ani jiný řídicí znak");
    if (number && kind != "intersol")
        throw UsageError("volba --number patří jen ke zprávě intersol");

    const std::filesystem::path root = ExistingProgramDirectory(args[1]);
    Session session(root);
    const DirectoryLock lock = LockForWriting(session.dir, "report", err);
    LoadRecords(session, err);
    const StationData data = ReadReportData(session.dir, err);

    if (kind == "intersol") {
        WarnIfNotAFile(session.dir, InterSolAddressFile, err);
        writeIntersol({session, data, 0, out}, args[2], *observer, number, err);
        return 0;
    }
    // The header notice is the window's; a missing instrument is worth a warning here too.
    for (const std::string& notice : ChooseMonthNotices(data))
        err << notice << "\n";
    const ChooseMonthResult month = ChooseMonth(session.records(), args[2]);
    if (!month.first) throw JobError(month.message.value_or(""));
    const Job job{session, data, *month.first, out};
    if (kind == "sidc") {
        writeSidc(job, force);
    } else if (kind == "cv") {
        out << WriteReportFile(session.dir,
                               BuildCvReport(session.records(), monthGeometry(session, job.first),
                                             job.first, *observer, data))
                   .string()
            << "\n";
    } else {
        const OwnReport own = BuildOwnReport(session.records(), job.first, data);
        out << WriteReportFile(session.dir, own.basic).string() << "\n";
        out << WriteReportFile(session.dir, own.extended).string() << "\n";
    }
    return 0;
}

} // namespace hk::cli
