#include "results/zone_positions.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <iterator>

#include "records/record.h"
#include "records/record_prefetch.h"
#include "results/month_sums.h"
#include "results/period_table.h"
#include "results/record_date.h"
#include "results/report_text.h"
#include "text/text_runs.h"

namespace hk {

namespace {

constexpr std::array<std::string_view, ZoneCount> ZoneHeads = {
    "  90°--60°", "  60°--30°", "  30°--0°", "  0°--30°", "  30°--60°", "  60°--90°"};
constexpr int Columns = ZonePositionsTable::Columns;

using Counts = ZoneCounts;
using Row = ZoneRow;

// Sums of a month or a year, present once a record of it took part.
struct Period {
    Counts counts;
    bool present = false;
};

// The sums of period `number` (months as year * 12 + month - 1, years as
// they are), marked present.
Counts& sumsOf(PeriodTable<Period>& table, int number) {
    Period& p = table[number];
    p.present = true;
    return p.counts;
}

// Calls f(number, counts) for every present period, in ascending order.
template <typename F> void forEachPresent(const PeriodTable<Period>& table, F&& f) {
    const std::vector<Period>& periods = table.values();
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (periods[i].present) f(table.first(0) + static_cast<int>(i), periods[i].counts);
}

struct Sections {
    std::vector<Row> months, years, allCurves;
};

// Whether the stored date is plain ASCII, which needs no conversion.
bool plainDate(const TZaznam& z) {
    for (char c : z.Datum.raw())
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The date as the row label.
std::string date(const TZaznam& z) {
    return plainDate(z) ? std::string(z.Datum.raw()) : z.Datum.text();
}

bool takesPart(const TSkupina& s, std::string_view zurichClass) {
    if (zurichClass == AllClasses) return true;
    const std::string_view groupClass = s.Typ.raw();
    return !groupClass.empty() && !zurichClass.empty() &&
           groupClass.front() == zurichClass.front() && zurichClass.size() == 1;
}

// The sums of one run of records: the months, the years and all of it.
struct RunSums {
    PeriodTable<Period> months;
    PeriodTable<Period> years;
    Counts all;
};

// One pass over the records [from, to): `drawing(z, counts)` for every
// drawing that takes part, in store order, and the run's sums.
template <typename OnDrawing>
void collectRun(std::span<const TZaznam> records, const GeometryCache& geometry,
                std::string_view zurichClass, std::size_t from, std::size_t to, RunSums& sums,
                OnDrawing&& drawing) {
    const bool everyClass = zurichClass == AllClasses;
    for (std::size_t k = from; k < to; ++k) {
        PrefetchAhead(records, k, 5);
        const TZaznam& z = records[k];
        if (IsSpecialRecord(z)) continue;
        const RecordGeometry& rg = geometry.record(static_cast<int>(k) + 1);
        if (!rg.date) continue;
        Counts c;
        const auto groups = geometry.groups(static_cast<int>(k) + 1);
        for (std::size_t j = 0; j < groups.size(); ++j) {
            const TSkupina& s = z.Skupiny[j];
            if ((!everyClass && !takesPart(s, zurichClass)) || IsHemisphereMarker(s)) continue;
            const int zone = ZoneOf(groups[j].CMD);
            if (zone < 0) continue;
            ++c.g[zone];
            c.f[zone] += s.Poc;
        }
        drawing(z, c);
        sumsOf(sums.months, rg.date->year * 12 + rg.date->month - 1).add(c);
        sumsOf(sums.years, rg.date->year).add(c);
        sums.all.add(c);
    }
}

// The sums of the months, years and all data over every run; whole
// numbers, so the order of the runs does not change them.
Sections sectionsOf(const std::vector<RunSums>& runs) {
    PeriodTable<Period> months;
    PeriodTable<Period> years;
    Counts all;
    for (const RunSums& run : runs) {
        forEachPresent(run.months, [&](int m, const Counts& c) { sumsOf(months, m).add(c); });
        forEachPresent(run.years, [&](int y, const Counts& c) { sumsOf(years, y).add(c); });
        all.add(run.all);
    }
    Sections out;
    forEachPresent(months, [&out](int m, const Counts& c) {
        out.months.push_back({std::to_string(m % 12 + 1) + " . " + std::to_string(m / 12), c});
    });
    forEachPresent(years, [&out](int y, const Counts& c) {
        out.years.push_back({std::to_string(y), c});
    });
    out.allCurves.push_back({std::string(AllClasses), all});
    return out;
}

// The records split into runs on `threads` threads: `drawing(out, z,
// counts)` for every drawing that takes part, with `out` the run's own
// element of `outs` (one per run, in store order; made here unless the
// caller made them, RunCount(records.size(), threads) of them).
template <typename RunOut, typename OnDrawing>
Sections collect(std::span<const TZaznam> records, const GeometryCache& geometry,
                 std::string_view zurichClass, unsigned threads, std::vector<RunOut>& outs,
                 OnDrawing&& drawing) {
    const std::size_t runs = RunCount(records.size(), threads);
    outs.resize(runs);
    std::vector<RunSums> sums(runs);
    ForEachRun(records.size(), runs, [&](std::size_t r, std::size_t from, std::size_t to) {
        collectRun(records, geometry, zurichClass, from, to, sums[r],
                   [&](const TZaznam& z, const Counts& c) { drawing(outs[r], z, c); });
    });
    return sectionsOf(sums);
}

// The text files: a label column of 12 characters, then the six zones in
// fields of 6 characters for the groups, " | ", and the six zones for the
// spots. The mark line puts the zone bounds between the value columns. A
// value of six or more digits is written after one space, so the line grows.
constexpr std::size_t LabelWidth = 12;
constexpr std::size_t FieldWidth = 6;
constexpr std::array<std::string_view, ZoneCount + 1> Marks = {"-90 ", "-60 ", "-30 ", "0 ",
                                                               "30 ",  "60 ",  "90"};

std::string zoneBlockMarks() {
    std::string s;
    // The marks end one space before their bound, "90" as well.
    for (std::string_view m : Marks)
        s += PadLeft(m.back() == ' ' ? std::string(m) : std::string(m) + " ", FieldWidth);
    return s;
}

std::string zoneBlockValues(const std::array<long, ZoneCount>& v) {
    std::string s(FieldWidth / 2, ' ');
    for (long n : v) {
        // A value of up to five digits keeps its field; a wider one (long
        // archives reach them) widens it by one space in front, so that
        // values never run together.
        const std::string text = std::to_string(n);
        s += text.size() < FieldWidth ? PadLeft(text, FieldWidth) : " " + text;
    }
    return s + std::string(FieldWidth / 2, ' ');
}

ReportFile textFile(std::string name, std::string_view firstColumn,
                    std::initializer_list<const std::vector<Row>*> sections) {
    ReportFile file{"Polohy-skupin", std::move(name), {}};
    const std::string marks = zoneBlockMarks();
    const std::size_t block = marks.size();
    file.text += PadRight(firstColumn, LabelWidth) + PadRight("Polohy skupin         ", block) +
                 " | " + " Plolohy skvrn   " + std::string(CrLf);
    file.text += std::string(LabelWidth, ' ') + marks + " | " + marks + std::string(CrLf);
    for (const auto* rows : sections)
        for (const Row& r : *rows)
            file.text += PadRight(r.label, LabelWidth) + zoneBlockValues(r.counts.g) + " | " +
                         zoneBlockValues(r.counts.f) + std::string(CrLf);
    return file;
}

} // namespace

int ZoneOf(double cmd) {
    if (cmd == 0) return -1;
    for (int z = 0; z < ZoneCount; ++z) {
        const double lower = -90.0 + 30.0 * z;
        if (cmd > lower && cmd < lower + 30.0) return z;
    }
    return -1;
}

void ZoneCounts::add(const ZoneCounts& o) {
    for (int z = 0; z < ZoneCount; ++z) {
        g[z] += o.g[z];
        f[z] += o.f[z];
    }
}

namespace {

std::vector<std::string> headerRow() {
    std::vector<std::string> header(Columns);
    header[0] = "Datum";
    for (int z = 0; z < ZoneCount; ++z)
        header[1 + z] = header[ZoneCount + 2 + z] = std::string(ZoneHeads[z]);
    return header;
}

// The month, year and all-data rows that `sections` shows, in their order.
template <typename F> void forEachShownSum(const Sections& s, const ZoneSections& sections, F&& f) {
    const std::pair<bool, const std::vector<Row>*> order[] = {{sections.months, &s.months},
                                                              {sections.years, &s.years},
                                                              {sections.allCurves, &s.allCurves}};
    for (const auto& [shown, list] : order)
        if (shown)
            for (const Row& r : *list)
                f(r.label, r.counts);
}

// The most the cells after the label take in a line: twelve numbers, their
// separators and the line end.
constexpr std::size_t LineNumbersRoom = 2 * ZoneCount * 24 + 4;

// A row as a line of its cells joined by ';'.
void appendLine(TextBuffer& out, std::string_view label, const Counts& counts) {
    out.append(label);
    char* p = out.room(LineNumbersRoom);
    char* const end = p + LineNumbersRoom;
    for (int z = 0; z < ZoneCount; ++z) {
        *p++ = ';';
        p = std::to_chars(p, end, counts.g[z]).ptr;
    }
    *p++ = ';'; // the empty column
    for (int z = 0; z < ZoneCount; ++z) {
        *p++ = ';';
        p = std::to_chars(p, end, counts.f[z]).ptr;
    }
    *p++ = '\n';
    out.commit(p);
}

// The label of a drawing's line: its date, as date() makes it.
void appendDate(TextBuffer& out, const TZaznam& z) {
    if (plainDate(z))
        out.append(z.Datum.raw());
    else
        out.append(z.Datum.text());
}

// The sums, and a row a drawing that takes part (when `withDrawings`) in
// store order in `drawings`, each run's straight from its pass. The first
// run's rows become `drawings`: room for every record is made for them at
// once, so that the rows are neither moved as they grow nor moved into
// another vector after.
Sections collectDrawings(std::span<const TZaznam> records, const GeometryCache& geometry,
                         std::string_view zurichClass, unsigned threads, bool withDrawings,
                         std::vector<Row>& drawings) {
    std::vector<std::vector<Row>> runRows(RunCount(records.size(), threads));
    if (withDrawings) {
        runRows.front().reserve(records.size());
        for (auto run = runRows.begin() + 1; run != runRows.end(); ++run)
            run->reserve(records.size() / runRows.size() + 1);
    }
    const Sections s = collect(records, geometry, zurichClass, threads, runRows,
                               [&](std::vector<Row>& rows, const TZaznam& z, const Counts& c) {
                                   if (withDrawings) rows.push_back({date(z), c});
                               });
    std::size_t rows = 0;
    for (const auto& run : runRows)
        rows += run.size();
    drawings = std::move(runRows.front());
    drawings.reserve(rows);
    for (auto run = runRows.begin() + 1; run != runRows.end(); ++run)
        std::move(run->begin(), run->end(), std::back_inserter(drawings));
    return s;
}

} // namespace

ZonePositionsTable BuildZonePositionsTable(std::span<const TZaznam> records,
                                           const GeometryCache& geometry,
                                           std::string_view zurichClass,
                                           const ZoneSections& sections, unsigned threads) {
    ZonePositionsTable table;
    const Sections s = collectDrawings(records, geometry, zurichClass, threads,
                                       sections.drawingSetting, table.rows);
    table.rows.reserve(table.rows.size() + s.months.size() + s.years.size() + s.allCurves.size());
    forEachShownSum(s, sections, [&](const std::string& label, const Counts& c) {
        table.rows.push_back({label, c});
    });
    return table;
}

std::string ZonePositionsTable::cell(std::size_t row, std::size_t column) const {
    if (row == 0) {
        std::vector<std::string> header = headerRow();
        return column < header.size() ? std::move(header[column]) : std::string();
    }
    if (row > rows.size()) return {};
    const ZoneRow& r = rows[row - 1];
    if (column == 0) return r.label;
    if (column >= 1 && column <= ZoneCount) return std::to_string(r.counts.g[column - 1]);
    if (column >= ZoneCount + 2 && column < Columns)
        return std::to_string(r.counts.f[column - ZoneCount - 2]);
    return {};
}

ResultsGrid ZonePositionsGrid(const ZonePositionsTable& table) {
    ResultsGrid grid;
    grid.caption = std::string(ZonesCaption);
    grid.cells.resize(table.rowCount());
    for (std::size_t r = 0; r < grid.cells.size(); ++r) {
        grid.cells[r].resize(ZonePositionsTable::Columns);
        for (std::size_t c = 0; c < ZonePositionsTable::Columns; ++c)
            grid.cells[r][c] = table.cell(r, c);
    }
    return grid;
}

ResultsGrid BuildZonePositions(std::span<const TZaznam> records, const GeometryCache& geometry,
                               std::string_view zurichClass, const ZoneSections& sections,
                               unsigned threads) {
    return ZonePositionsGrid(
        BuildZonePositionsTable(records, geometry, zurichClass, sections, threads));
}

TextBuffer ZonePositionLines(std::span<const TZaznam> records, const GeometryCache& geometry,
                             std::string_view zurichClass, const ZoneSections& sections,
                             unsigned threads) {
    // A drawing's line is about 40 characters; a longer one makes its
    // run's buffer grow.
    constexpr std::size_t UsualLine = 48;
    const std::size_t runs = RunCount(records.size(), threads);
    std::vector<TextBuffer> runLines;
    for (std::size_t r = 0; r < runs; ++r)
        runLines.emplace_back(sections.drawingSetting ? records.size() / runs * UsualLine : 0);
    const Sections s = collect(records, geometry, zurichClass, threads, runLines,
                               [&](TextBuffer& lines, const TZaznam& z, const Counts& c) {
                                   if (!sections.drawingSetting) return;
                                   appendDate(lines, z);
                                   appendLine(lines, {}, c);
                               });
    std::size_t bytes = 0;
    for (const TextBuffer& lines : runLines)
        bytes += lines.size();
    TextBuffer out(bytes + (s.months.size() + s.years.size() + 2) * UsualLine);
    const std::vector<std::string> header = headerRow();
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (c > 0) out.append(";");
        out.append(header[c]);
    }
    out.append("\n");
    for (const TextBuffer& lines : runLines)
        out.append(lines.view());
    forEachShownSum(s, sections,
                    [&](const std::string& label, const Counts& c) { appendLine(out, label, c); });
    return out;
}

std::vector<ReportFile> ZoneTextFiles(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, std::string_view zurichClass) {
    std::vector<Row> drawings;
    const Sections s = collectDrawings(records, geometry, zurichClass, 0, true, drawings);
    return {textFile("polohydeni.dat", "Datum", {&drawings}),
            textFile("polohymesicni.dat", "Měsíc", {&s.months}),
            textFile("polohyrocni.dat", "Rok", {&s.years, &s.allCurves})};
}

} // namespace hk
