// The entry window's confirmation together with the record store: what the
// observer typed ends up in datax.dat at its sorted place.
#include <gtest/gtest.h>

#include "core/entry_fixtures.h"
#include "records/record_file.h"
#include "records/session.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::entry_test;

namespace {

class EntryStore : public testing::Test {
  protected:
    void SetUp() override {
        std::vector<TZaznam> records = {Record("01.06.2014", 800), Record("10.06.2014", 800),
                                        Record("20.06.2014", 800)};
        for (std::size_t k = 0; k < records.size(); ++k)
            records[k].CisloZakresu = static_cast<std::uint16_t>((k + 1) * 100 + 14);
        WriteRecordFile(dir.path() / "datax.dat", records);
        session.load({2014, 7, 1});
        session.setDrawingSetting({125, false});
    }
    EntryContext context(EntryMode mode) const {
        EntryContext c;
        c.mode = mode;
        c.settings.radius = session.PolomerKresby();
        c.settings.cislovaniZakresu = session.CislovaniZakresu();
        c.records = session.records();
        c.addedSinceStart = session.PocetZaznamu() - session.PocetNaStartu();
        return c;
    }
    std::vector<std::string> datesOnDisk() const {
        std::vector<std::string> d;
        for (const TZaznam& z : ReadRecordFile(dir.path() / "datax.dat").records)
            d.push_back(z.Datum.text());
        return d;
    }
    TempDir dir;
    Session session{dir.path()};
};

TEST_F(EntryStore, NewDrawingLandsInDateOrderWithItsSummary) {
    const auto out = ConfirmEntry(ValidForm(), session.AktualniZaznam(), context(EntryMode::New));
    ASSERT_TRUE(out.record);
    session.setWorkingRecord(*out.record);
    session.storeWorkingRecord(EntryMode::New);
    EXPECT_EQ(datesOnDisk(),
              (std::vector<std::string>{"01.06.2014", "10.06.2014", "15.06.2014", "20.06.2014"}));
    EXPECT_EQ(session.AktualniIndex(), 3);
    const TZaznam& stored = session.record(3);
    EXPECT_EQ(stored.Souhrn.gSev + stored.Souhrn.gJih, 1);
    EXPECT_EQ(stored.Souhrn.fSev + stored.Souhrn.fJih, 3);
    EXPECT_EQ(stored.CisloZakresu, 114);
}

} // namespace
