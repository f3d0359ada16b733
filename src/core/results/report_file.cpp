#include "results/report_file.h"

#include <stdexcept>

#include "io/atomic_file.h"
#include "io/file_names.h"
#include "text/encoding.h"

namespace hk {

namespace {
std::string relative(const ReportFile& report) {
    return report.folder + "/" + report.name;
}
} // namespace

std::string ReportBytes(const ReportFile& report) {
    return Utf8ToCp1250(report.text);
}

std::filesystem::path ReportPath(const ProgramDir& dir, const ReportFile& report) {
    return dir.resolve(relative(report));
}

bool ReportExists(const ProgramDir& dir, const ReportFile& report) {
    return dir.exists(relative(report));
}

std::filesystem::path WriteReportFile(const ProgramDir& dir, const ReportFile& report) {
    // A report's name comes partly from typed values (an observer number, a
    // month): it never leads out of the report's folder.
    if (report.name.empty() || FileNamePartError(report.name, "Název souboru zprávy"))
        throw std::runtime_error("Neplatný název souboru zprávy \"" + report.name + "\"");
    dir.ensureFolder(report.folder);
    const std::filesystem::path path = ReportPath(dir, report);
    WriteFileAtomic(path, ReportBytes(report));
    return path;
}

std::string SavedMessage(const ProgramDir& dir, const std::vector<std::filesystem::path>& written) {
    constexpr std::size_t MaxListed = 12;
    std::string text(DataWereSaved);
    if (!written.empty()) text += ':';
    const std::filesystem::path root = dir.root().lexically_normal();
    for (std::size_t i = 0; i < written.size() && i < MaxListed; ++i) {
        const std::filesystem::path file = written[i].lexically_normal();
        const std::filesystem::path inside = file.lexically_relative(root);
        const bool underRoot = !inside.empty() && *inside.begin() != "..";
        text += '\r';
        text += (underRoot ? inside : file).generic_string();
    }
    if (written.size() > MaxListed)
        text += "\r... a dalších " + std::to_string(written.size() - MaxListed);
    return text;
}

} // namespace hk
