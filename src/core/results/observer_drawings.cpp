#include "results/observer_drawings.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "records/program_dir.h"

#include "records/record_prefetch.h"
#include "results/record_date.h"
#include "results/report_text.h"
#include "text/encoding.h"

namespace hk {

ObserverDrawings BuildObserverDrawings(std::span<const TZaznam> records, std::string_view name) {
    ObserverDrawings out;
    out.grid.caption = "Výsledky    pozorovatel denní";
    out.grid.cells.push_back({"Datum", "    g", "    f", "    r", "podmínky", " Obraz", "    Q"});
    int firstYear = 0;
    int lastYear = 0;
    bool dated = false;
    const std::string bytes = Utf8ToCp1250(name);
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        if (z.Pozorovatel.raw() != bytes) continue;
        const TSouhrn& s = z.Souhrn;
        out.grid.cells.push_back({z.Datum.text(), std::to_string(s.gSev + s.gJih),
                                  std::to_string(s.fSev + s.fJih), std::to_string(s.RSev + s.RJih),
                                  std::to_string(z.PP), std::to_string(z.Obr),
                                  std::to_string(z.Q)});
        // The span of years runs from the earliest to the latest drawing: in
        // the store a drawing of 31.12 at 16:00 stands after one of 01.01 at
        // 01:00. A drawing whose date cannot be read is listed but has no year.
        if (const auto d = DrawingDate(z)) {
            if (!dated || d->year < firstYear) firstYear = d->year;
            if (!dated || d->year > lastYear) lastYear = d->year;
            dated = true;
        }
        ++out.n;
    }
    out.summary = std::to_string(out.n) + "x";
    if (out.n > 0)
        out.summary +=
            "      od -do  " + std::to_string(firstYear) + " - " + std::to_string(lastYear);
    return out;
}

std::string SafeFileNamePart(std::string_view name) {
    std::string safe;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            safe += '_';
        else if (c == '.' && i + 1 < name.size() && name[i + 1] == '.') {
            safe += "__";
            ++i;
        } else if (c == '.' && i + 1 == name.size())
            safe += '_'; // "J." + ".CSV" would hold ".."
        else
            safe += c;
    }
    return safe;
}

std::string ObserverCsvName(std::span<const TZaznam> records, std::string_view name) {
    // The observers in the order of their first drawings; the name itself
    // last when it has none.
    std::vector<std::string> observers;
    {
        std::unordered_set<std::string_view> seen;
        for (const TZaznam& z : records)
            if (seen.insert(z.Pozorovatel.raw()).second) observers.push_back(z.Pozorovatel.text());
    }
    if (std::find(observers.begin(), observers.end(), name) == observers.end())
        observers.emplace_back(name);

    const auto fileName = [](const std::string& part, int n) {
        return "Denní-" + part + (n > 1 ? " (" + std::to_string(n) + ")" : "") + ".CSV";
    };
    std::vector<std::string> taken;
    for (const std::string& observer : observers) {
        const std::string part = SafeFileNamePart(observer);
        std::string candidate = fileName(part, 1);
        for (int n = 2;
             std::any_of(taken.begin(), taken.end(),
                         [&](const std::string& t) { return SameFileName(t, candidate); });
             ++n)
            candidate = fileName(part, n);
        if (observer == name) return candidate;
        taken.push_back(std::move(candidate));
    }
    return fileName(SafeFileNamePart(name), 1); // not reached: the name is in the list
}

ReportFile ObserverDrawingsCsv(const ObserverDrawings& list, std::string_view name,
                               std::span<const TZaznam> records) {
    ReportFile file{std::string(DailyObserversFolder), ObserverCsvName(records, name), {}};
    for (const auto& row : list.grid.cells) {
        for (const std::string& cell : row)
            file.text += cell + ";";
        file.text += CrLf;
    }
    return file;
}

} // namespace hk
