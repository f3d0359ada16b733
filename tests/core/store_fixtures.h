#pragma once
// Records and record files for the tests of the record store and start-up.
#include <filesystem>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "records/record.h"
#include "records/record_file.h"
#include "records/record_layout.h"
#include "tests_support/records.h"

namespace hk::store_test {

// The day the tests' stores are loaded on.
inline const Date Today{2026, 12, 6};

// A stored record as the entry window leaves it: date, time, observer, one
// group in the northern hemisphere near the centre.
inline TZaznam Rec(const std::string& date, std::uint16_t time,
                   const std::string& observer = "Novák, Jan") {
    TZaznam z = test_records::Record(date, time, observer);
    z.Stanice.setText("Úpice");
    test_records::AddGroup(z, "Dkc", 300, 400, 150, 12).SPen = 3;
    return z;
}

inline std::string Bytes(const std::vector<TZaznam>& records) {
    return std::string(RecordBytes(records));
}

inline void WriteRecords(const std::filesystem::path& path, const std::vector<TZaznam>& records) {
    WriteRecordFile(path, records);
}

inline std::vector<std::string> Observers(std::span<const TZaznam> records) {
    std::vector<std::string> names;
    for (const TZaznam& z : records)
        names.push_back(z.Pozorovatel.text());
    return names;
}

} // namespace hk::store_test
