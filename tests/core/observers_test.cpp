// The observer table: parsing the lines, the two orders, writing the file so
// that the next read gives the same fields, adding an observer.
#include <gtest/gtest.h>

#include "core/store_fixtures.h"
#include "records/observers.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

using Entry = ObserverTable::Entry;

TEST(ObserverTable, LineIntoSixFields) {
    const std::pair<const char*, Entry> rows[] = {
        {"\"7\",\"Observer B\",\"Street\"", {"7", "Observer B", "Street", "", "", ""}},
        {"Observer alone", {"Observer alone", "", "", "", "", ""}},
        {"1,2,3,4,5,6,7,8", {"1", "2", "3", "4", "5", "6"}},
        {"1,A,B,C,D,E", {"1", "A", "B", "C", "D", "E"}}};
    for (const auto& [line, fields] : rows) {
        const ObserverTable t = ObserverTable::parse({line});
        ASSERT_EQ(t.size(), 1) << line;
        EXPECT_EQ(t.entries()[0], fields) << line;
    }
}

std::vector<std::string> column(const ObserverTable& t, std::size_t field) {
    std::vector<std::string> out;
    for (const Entry& e : t.entries())
        out.push_back(e[field]);
    return out;
}

TEST(ObserverTable, ByNameKeepsCzechNamesAndDropsEntriesWithoutANumber) {
    ObserverTable t = ObserverTable::parse({"5,Žák Petr,", "3,Adam Jan,", ",Bez Čísla,",
                                            "8,Šimek Ota,", "9,,", "4,Adam Jan,", "1,zzzzzzzzz,"});
    t.sortByName();
    // Windows-1250 order: the empty name first, Latin letters, then Š (0x8A), Ž (0x8E).
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"", "Adam Jan", "Adam Jan", "zzzzzzzzz",
                                                      "Šimek Ota", "Žák Petr"}));
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"9", "3", "4", "1", "8", "5"}));
}

TEST(ObserverTable, ByNumberComparesText) {
    ObserverTable t = ObserverTable::parse(
        {"9,Devět,", "10,Deset,", "1000,Tisíc,", "A1,Písmeno,", "2,,", "3,Tři,"});
    t.sortByNumber();
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"10", "1000", "3", "9", "A1"}));
}

TEST(ObserverTable, WrittenFileReadsBackToTheSameFields) {
    TempDir dir;
    ObserverTable t =
        ObserverTable::parse({"7,Observer B,,Town,60200,", "12,Novák Jan,Hlavní 5,Brno,60200,",
                              "9,Jen Jméno,", "3,Plný,U,M,P,Poznámka"});
    const auto file = dir.path() / "pozorovatelep.dat";
    t.write(file);
    EXPECT_EQ(ReadWholeFile(file), "12,Nov\xE1k Jan,Hlavn\xED 5,Brno,60200,\r\n"
                                   "3,Pln\xFD,U,M,P,Pozn\xE1mka,\r\n"
                                   "7,Observer B,,Town,60200,\r\n"
                                   "9,Jen Jm\xE9no,\r\n");
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"12", "3", "7", "9"}));

    std::vector<std::string> lines;
    for (const std::string& line : t.lines())
        lines.push_back(line);
    const ObserverTable again = ObserverTable::parse(lines);
    EXPECT_EQ(again.entries(), t.entries());
}

TEST(ObserverTable, AddingAnObserver) {
    ObserverTable t = ObserverTable::parse({"12,Novák Jan,Hlavní 5,Brno,60200,"});
    // The records write "surname, first name"; the file cannot hold the comma.
    EXPECT_FALSE(t.add({"13", "Novák, Jan", "", "", "", ""}));
    ASSERT_NE(t.findByName("Novák,  Jan"), nullptr);
    EXPECT_EQ((*t.findByName("Novák, Jan"))[0], "12");
    EXPECT_FALSE(t.add({"", "Bez Čísla", "", "", "", ""}));
    EXPECT_FALSE(t.add({"14", "", "", "", "", ""}));
    EXPECT_TRUE(t.add({"15", "Černý, Petr", "Fričova 1, byt 2", "Ondřejov", "25165", ""}));
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.entries()[1],
              (Entry{"15", "Černý Petr", "Fričova 1 byt 2", "Ondřejov", "25165", ""}));
    for (int i = 0; i < 400; ++i)
        EXPECT_TRUE(t.add({std::to_string(100 + i), "P" + std::to_string(i), "", "", "", ""}));
    EXPECT_EQ(t.size(), 402);
}

} // namespace
