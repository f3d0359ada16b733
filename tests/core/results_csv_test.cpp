// Statistics tables written as CSV: cell alignment and cut, the columns per
// hemisphere, file names and the folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "io/atomic_file.h"
#include "results/csv_export.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

TEST(CsvCell, RightAlignedInSevenAndCut) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "       ;"},
        {"12.50", "  12.50;"},
        {"  12.50", "  12.50;"},
        {"03.2001", "03.2001;"},
        {"123456789", "3456789;"}, // the last seven kept
        // One byte per character in the file, not per UTF-8 byte.
        {"Září", "   Z\xE1\xF8\xED;"}};
    for (const auto& [cell, expected] : rows)
        EXPECT_EQ(StatisticsCsvCell(cell), expected) << cell;
}

TEST(CsvName, ByTableAndHemisphere) {
    EXPECT_EQ(StatisticsCsvName(StatisticsTable::Measured, 2), "Namerene-sever");
    EXPECT_EQ(StatisticsCsvName(StatisticsTable::Smoothed, 1), "Vyhlazene-celkove");
}

std::vector<std::vector<std::string>> Grid(std::size_t columns, std::size_t rows) {
    std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>(columns));
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            cells[r][c] = std::to_string(r * 100 + c);
    return cells;
}

std::size_t CountOf(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

TEST(CsvColumns, WrittenPerLine) {
    // Measured: all 16, the north stops at eight; smoothed: 9, no empty columns.
    const struct {
        std::size_t gridColumns;
        int hemisphere;
        std::size_t written;
    } rows[] = {{16, 1, 16}, {16, 2, 9}, {9, 1, 9}, {9, 2, 9}};
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message()
                     << c.gridColumns << " columns, hemisphere " << c.hemisphere);
        const std::string text = StatisticsCsvText(Grid(c.gridColumns, 3), c.hemisphere);
        EXPECT_EQ(CountOf(text, '\n'), 3u);
        EXPECT_EQ(CountOf(text, ';'), 3 * c.written);
        const std::string firstLine = text.substr(0, text.find("\r\n"));
        EXPECT_EQ(firstLine.size(), c.written * 8);
        EXPECT_EQ(firstLine.substr(firstLine.size() - 8),
                  StatisticsCsvCell(std::to_string(c.written - 1)));
    }
}

TEST(CsvText, LinesEndWithCrLfAndShortRowsAreCompleted) {
    const std::vector<std::vector<std::string>> cells = {{"", "   g  ", "   f  "},
                                                         {"03.2001", " 1.50"}};
    EXPECT_EQ(StatisticsCsvText(cells, 2), "       ;    g  ;    f  ;\r\n"
                                           "03.2001;   1.50;       ;\r\n");
    EXPECT_EQ(StatisticsCsvText({}, 1), "");
}

TEST(CsvFile, WrittenIntoCsvFolderAndReplaced) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    const auto path = WriteStatisticsCsv(dir, StatisticsTable::Smoothed, 3, {{"a", "b"}});
    EXPECT_EQ(path, tmp.path() / "CSVsoubory" / "Vyhlazene-jih.csv");
    EXPECT_EQ(ReadWholeFile(path), "      a;      b;\r\n");

    WriteStatisticsCsv(dir, StatisticsTable::Smoothed, 3, {{"c"}});
    EXPECT_EQ(ReadWholeFile(path), "      c;\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(CsvFile, UnwritableFolderThrowsAndLeavesNothing) {
    TempDir tmp;
    // A file where the folder should be.
    WriteFileAtomic(tmp.path() / "CSVsoubory", "x");
    EXPECT_THROW(WriteStatisticsCsv(ProgramDir(tmp.path()), StatisticsTable::Measured, 1, {{"x"}}),
                 std::runtime_error);
    EXPECT_EQ(ReadWholeFile(tmp.path() / "CSVsoubory"), "x");
}

} // namespace
