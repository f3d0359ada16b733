#include "results/observer_statistics.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "records/record_prefetch.h"
#include "results/record_date.h"
#include "results/report_text.h"
#include "text/encoding.h"

namespace hk {

namespace {

std::string count5(long n) {
    return PadLeft(std::to_string(n), 5);
}

} // namespace

ObserverStatistics BuildObserverStatistics(std::span<const TZaznam> records,
                                           const std::vector<std::string>& observerList) {
    ObserverStatistics result;
    result.grid.caption = "Výsledky    pozorovatelé";
    const auto end = std::find(observerList.begin(), observerList.end(), std::string());
    const std::vector<std::string> names(observerList.begin(), end);
    if (names.empty()) {
        result.noObserver = true;
        return result;
    }
    const std::size_t n = names.size();

    // The first list position of each name, compared exactly as the file's
    // bytes hold it.
    std::unordered_map<std::string_view, std::size_t> index;
    std::vector<std::string> bytes;
    bytes.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes.push_back(Utf8ToCp1250(names[i]));
        index.emplace(bytes.back(), i);
    }

    int first = 0;
    int last = -1;
    std::vector<std::vector<long>> counts(n + 1);
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const auto d = DrawingDate(z);
        if (!d) continue;
        if (last < first) {
            first = last = d->year;
        } else if (d->year < first) {
            for (auto& row : counts)
                row.insert(row.begin(), static_cast<std::size_t>(first - d->year), 0);
            first = d->year;
        }
        last = std::max(last, d->year);
        const auto it = index.find(z.Pozorovatel.raw());
        auto& row = counts[it == index.end() ? n : it->second];
        const auto column = static_cast<std::size_t>(d->year - first);
        if (row.size() <= column) row.resize(column + 1, 0);
        ++row[column];
    }
    const std::size_t years = last < first ? 0 : static_cast<std::size_t>(last - first + 1);

    auto& cells = result.grid.cells;
    cells.assign(n + 3, std::vector<std::string>(years + 2));
    for (std::size_t y = 0; y < years; ++y)
        cells[0][y + 1] = std::to_string(first + static_cast<int>(y));
    cells[0][years + 1] = "Suma";
    std::vector<long> columnSums(years, 0);
    for (std::size_t i = 0; i < n; ++i) {
        cells[i + 1][0] = names[i];
        long sum = 0;
        for (std::size_t y = 0; y < counts[i].size(); ++y) {
            const long c = counts[i][y];
            if (c > 0) cells[i + 1][y + 1] = count5(c);
            sum += c;
            columnSums[y] += c;
        }
        cells[i + 1][years + 1] = count5(sum);
    }
    cells[n + 2][0] = "Suma";
    for (std::size_t y = 0; y < years; ++y)
        cells[n + 2][y + 1] = count5(columnSums[y]);
    cells[n + 2][years + 1] = count5(static_cast<long>(records.size()));
    return result;
}

ReportFile ObserversCsv(const ResultsGrid& grid) {
    ReportFile file{"", "Pozorovatele.csv", {}};
    for (const auto& row : grid.cells) {
        for (const std::string& cell : row)
            file.text += cell.empty() ? " ;" : cell + ";";
        file.text += CrLf;
    }
    return file;
}

} // namespace hk
