#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>
#include <vector>

#include "core/results_fixtures.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using results_test::AppendGroup;
using test_records::Record;

namespace {

TEST(RecordLayout, FieldsAtTheirOffsetsAndShortStringsCut) {
    TZaznam z{};
    z.Datum.setText("05.07.2014");
    z.Cas = 0x0102;
    z.Pozorovatel.setText("Nováček, Jiří");
    z.Skupiny[1].Uhel = 0xABCD;
    z.Souhrn.PkJih = 0x1234;
    const auto* b = reinterpret_cast<const unsigned char*>(&z);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b), 11), "\x0a"
                                                                 "05.07.2014");
    // Windows-1250 bytes of the observer: "á" = 0xE1, "č" = 0xE8, "ř" = 0xF8.
    const std::vector<int> bytes = {b[16],           b[17],           b[34],
                                    b[34 + 1 + 3],   b[34 + 1 + 4],   b[34 + 1 + 11],
                                    b[128 + 40 + 6], b[128 + 40 + 7], b[1728 + 32]};
    EXPECT_EQ(bytes, (std::vector<int>{0x02, 0x01, 13, 0xE1, 0xE8, 0xF8, 0xCD, 0xAB, 0x34}));
    EXPECT_EQ(z.Pozorovatel.text(), "Nováček, Jiří");
    // Short strings are cut to their field and tolerate a damaged length.
    z.Stanice.setText("Observatoř na kopci nad městem");
    EXPECT_EQ(z.Stanice.raw().size(), 20u);
    z.Datum.len = 200; // a damaged length byte reads as the whole field
    EXPECT_EQ(z.Datum.raw().size(), 10u);
}

TEST(RecordValues, DrawingNumbersPackedPositionsAndMarkers) {
    for (const auto& [text, number, shown] : {std::tuple{"001/21", 121, "1/21"},
                                              {"654/99", 65499, "654/99"},
                                              {"12/03", 1203, "12/03"},
                                              {"12/10", 1210, "12/10"}}) {
        EXPECT_EQ(ParseDrawingNumber(text), number) << text;
        EXPECT_EQ(DrawingNumberText(number), shown) << text;
    }
    for (const char* bad : {"/21", "12", "655/99", "1/100", "a/21", "1/b"})
        EXPECT_FALSE(ParseDrawingNumber(bad).has_value()) << bad;

    EXPECT_EQ(PackPosition(45, 30), 5790);
    EXPECT_EQ(std::pair(UnpackPosition(5790).angle, UnpackPosition(5790).dist), std::pair(45, 30));

    for (const auto& [angle, distance, north, south] :
         {std::tuple{10, 1200, true, false}, {10, 1199, false, false}, {1790, 1200, false, true}}) {
        TSkupina s{};
        s.Uhel = static_cast<std::uint16_t>(angle);
        s.Vzd = static_cast<std::uint16_t>(distance);
        EXPECT_EQ(std::pair(IsNorthMarker(s), IsSouthMarker(s)), std::pair(north, south)) << angle;
    }
}

TEST(RecordValues, DrawingSettingClassTableAndBeckWeights) {
    EXPECT_FALSE(DecodeDrawingSetting(0).has_value());
    for (const auto& [stored, radius, heliographic] :
         {std::tuple{125, 125.0, false}, {1125, 125.0, true}, {1000, 1000.0, false}}) {
        const auto d = DecodeDrawingSetting(static_cast<std::uint16_t>(stored));
        ASSERT_TRUE(d) << stored;
        EXPECT_EQ(std::pair(double(d->radius), d->heliographic), std::pair(radius, heliographic))
            << stored;
    }
    EXPECT_EQ(EncodeDrawingSetting({100.4, true}), 1100);
    EXPECT_EQ(EncodeDrawingSetting({0, false}), 125);
    // "EQc": a capital second letter, though its slot is Dkc's.
    std::vector<int> indices;
    for (const char* c : {"Axx", "Hsx", "Fhc", "dkc", "EQc", "***"})
        indices.push_back(GroupClassIndex(c));
    EXPECT_EQ(indices, (std::vector<int>{1, 10, 60, 0, 0, 0}));
    EXPECT_EQ(std::pair(BeckWeight('J'), BeckWeight('X')), std::pair(37, 0));
}

TEST(RecordKey, HhmmIsDividedAsANumber) {
    const auto late = RecordKey(Record("01.03.2014", 2300));
    const auto nextMorning = RecordKey(Record("02.03.2014", 500));
    ASSERT_TRUE(late && nextMorning);
    // 2300/1440 exceeds 1 + 500/1440, so the evening record sorts after the morning.
    EXPECT_GT(*late, *nextMorning);
    EXPECT_DOUBLE_EQ(*RecordKey(Record("01.01.2000", 0)), 36526.0);
    EXPECT_FALSE(RecordKey(Record("", 0)) || RecordKey(Record("32.01.2000", 0)));
}

TEST(ComputeSummary, HemispheresAndNumbers) {
    TZaznam z = Record("15.06.2014", 905);
    Ephemeris flat{0, 0, 100, 0};
    AppendGroup(z, {"Hsx", 1, 0, 0, 500});             // north
    AppendGroup(z, {"Dkc", 20, 3, 1800, 600, 100, 2}); // south
    AppendGroup(z, {"Xyz", 4, 0, 900, 0}); // on the equator: north, class not in the table
    const TSouhrn s = ComputeSummary(z, flat);
    // g, f, R, Cv, SN, RB of each hemisphere.
    EXPECT_EQ(std::vector<int>({s.gSev, s.fSev, s.RSev, s.CVSev, s.SNSev, s.RBSev}),
              std::vector<int>({2, 5, 25, 10, 1 + 4, 44}));
    EXPECT_EQ(std::vector<int>({s.gJih, s.fJih, s.RJih, s.CVJih, s.SNJih, s.RBJih}),
              std::vector<int>({1, 20, 30, 55, 2 + 30, 20 * 18}));
    EXPECT_EQ(s.PlJih, 131); // Round(100 + 2 * 15.3) = Round(130.6)
    EXPECT_EQ(s.PkJih, GroupAreaCorrected(131, 600));
    EXPECT_EQ(s.Cas, 0); // copies are the caller's
    EXPECT_EQ(StoredSummary(z, flat).Cas, 905);
}

TEST(ComputeSummary, EmptyRecordAndWrapping) {
    TZaznam z = Record("15.06.2014", 905);
    z.qc = 3;
    z.PP = 2;
    const TSouhrn empty = StoredSummary(z, Ephemeris{});
    EXPECT_EQ(empty.gSev + empty.gJih + empty.fSev + empty.PlSev + empty.PkJih, 0);
    EXPECT_EQ(std::pair(int(empty.qc), int(empty.PP)), std::pair(3, 2));
    // Areas of 40 large groups overflow 16 bits and wrap.
    for (int k = 0; k < 40; ++k)
        AppendGroup(z, {"Fkc", 200, 0, 0, 100, 2000, 0});
    const TSouhrn s = ComputeSummary(z, Ephemeris{});
    EXPECT_EQ(std::vector<int>({s.PlSev, s.fSev, s.RBSev}),
              std::vector<int>({std::uint16_t(40 * 2000), 8000, std::uint16_t(40 * 200 * 36)}));
}

TEST(RecordFile, RoundTripKeepsEveryByteAndPartialTailIsIgnored) {
    // A few records, and a file large enough to be read in two halves at
    // once (their seam falls inside a record).
    for (const std::size_t count : {std::size_t{3}, std::size_t{6007}}) {
        TempDir dir;
        std::vector<TZaznam> records(count);
        auto* bytes = reinterpret_cast<unsigned char*>(records.data());
        for (std::size_t k = 0; k < count * sizeof(TZaznam); ++k)
            bytes[k] = static_cast<unsigned char>(k * 7 + k / 1774);
        const auto path = dir.path() / "datax.dat";
        WriteRecordFile(path, records);
        EXPECT_EQ(std::filesystem::file_size(path), count * 1774u);
        std::ofstream(path, std::ios::binary | std::ios::app) << "tail";
        const auto back = ReadRecordFile(path);
        ASSERT_EQ(back.records.size(), count);
        EXPECT_EQ(back.trailingBytes, 4u);
        EXPECT_EQ(std::memcmp(back.records.data(), records.data(), count * 1774), 0);

        const auto copy = dir.path() / "copy.dat";
        WriteRecordFile(copy, back.records);
        EXPECT_EQ(std::filesystem::file_size(copy), count * 1774u);
        EXPECT_THROW(ReadRecordFile(dir.path() / "missing.dat"), std::runtime_error);
    }
}

// A file that holds fewer bytes than its size said when it was opened (as if
// it shrank while it was read; a kernel's attribute file of 4096 bytes
// holds a line): refused, never records of memory that was not read.
TEST(RecordFile, AFileShorterThanItsSizeIsRefused) {
    for (const char* name : {"/sys/kernel/mm/transparent_hugepage/enabled",
                             "/sys/kernel/mm/transparent_hugepage/defrag", "/sys/power/state"}) {
        std::error_code ec;
        if (std::filesystem::file_size(name, ec) < 2 * sizeof(TZaznam) || ec) continue;
        try {
            ReadRecordFile(name);
            ADD_FAILURE() << name << " read as records";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("zkrátil"), std::string::npos) << e.what();
        }
        return;
    }
    GTEST_SKIP() << "no attribute file of the kernel to read";
}

TEST(RecordFile, ReadAheadHandsOverOnlyTheFileAsItStillIs) {
    TempDir dir;
    const auto path = dir.path() / "datax.dat";
    std::vector<TZaznam> first(3), second(3);
    auto* a = reinterpret_cast<unsigned char*>(first.data());
    auto* b = reinterpret_cast<unsigned char*>(second.data());
    for (std::size_t k = 0; k < 3 * sizeof(TZaznam); ++k) {
        a[k] = static_cast<unsigned char>(k * 5);
        b[k] = static_cast<unsigned char>(k * 5 + 1);
    }
    const auto same = [](const RecordFileContents& c, const std::vector<TZaznam>& r) {
        return c.records.size() == r.size() &&
               std::memcmp(c.records.data(), r.data(), r.size() * sizeof(TZaznam)) == 0;
    };
    WriteRecordFile(path, first);
    {
        RecordFileReadAhead ahead(path, 7);
        const RecordFileContents c = ahead.take(path, 7);
        EXPECT_TRUE(same(c, first));
        EXPECT_GE(c.records.capacity(), 10u);
        EXPECT_TRUE(same(ahead.take(path, 7), first)); // taken once, then read
    }
    {
        // Replaced by a file of the same size after the read ahead (a save
        // renames its new file in): the new records.
        RecordFileReadAhead ahead(path, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        WriteRecordFile(path, second);
        EXPECT_TRUE(same(ahead.take(path, 0), second));
    }
    {
        // Another file asked for, and a file that was missing when read ahead.
        RecordFileReadAhead ahead(path, 0);
        RecordFileReadAhead missing(dir.path() / "new.dat", 0);
        WriteRecordFile(dir.path() / "other.dat", first);
        EXPECT_TRUE(same(ahead.take(dir.path() / "other.dat", 0), first));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        WriteRecordFile(dir.path() / "new.dat", second);
        EXPECT_TRUE(same(missing.take(dir.path() / "new.dat", 0), second));
    }
    // A folder in the file's place: the message of a plain read.
    std::filesystem::create_directory(dir.path() / "folder.dat");
    RecordFileReadAhead folder(dir.path() / "folder.dat", 0);
    std::string plain, taken;
    try {
        ReadRecordFile(dir.path() / "folder.dat");
    } catch (const std::runtime_error& e) {
        plain = e.what();
    }
    try {
        folder.take(dir.path() / "folder.dat", 0);
    } catch (const std::runtime_error& e) {
        taken = e.what();
    }
    EXPECT_FALSE(plain.empty());
    EXPECT_EQ(taken, plain);
}

} // namespace
