// Cost of the entry window's work on a large store: the confirmation (its
// duplicate check reads the key of every record), the date-field duplicate
// warning, the highest group number of the year, and the load of a record
// into the window, against a bare walk over the same records.
#include <benchmark/benchmark.h>

#include <vector>

#include "entry/entry_confirm.h"
#include "entry/entry_fields.h"
#include "entry/entry_load.h"
#include "geometry/calendar.h"
#include "records/record.h"

using namespace hk;

namespace {

// One record a day from 1.1.1980, two groups each.
std::vector<TZaznam> Store(int n) {
    std::vector<TZaznam> records(static_cast<std::size_t>(n));
    const int start = DaySerial({1980, 1, 1});
    for (int k = 0; k < n; ++k) {
        TZaznam& z = records[static_cast<std::size_t>(k)];
        z.Datum.setText(FormatDatum(DateFromSerial(start + k)));
        z.Cas = 800;
        z.Pozorovatel.setText("Novák, Jan");
        for (TSkupina& s : z.Skupiny)
            s.Typ.setText("***");
        z.PocetSkupin = 2;
        z.Skupiny[0].Typ.setText("Dkc");
        z.Skupiny[0].CSk1 = static_cast<std::uint16_t>(k % 1000);
        z.Skupiny[1].Typ.setText("Axx");
    }
    return records;
}

EntryForm Form() {
    EntryForm f;
    f.observer = "Novák, Jan";
    f.date = "15.06.2014";
    f.time = "905";
    f.pp = f.image = f.q = f.qc = f.fc = f.rc = f.faculaeCount = "0";
    f.groupCount = "2";
    f.faculaeFieldCount = "0";
    f.drawingNumber = "001/14";
    f.groups.assign(2, GroupRow{});
    for (GroupRow& r : f.groups)
        r.fill("0");
    f.groups[0][column::Typ] = "Dkc";
    f.groups[1][column::Typ] = "Axx";
    f.groups[0][column::Uhel] = "45";
    f.groups[0][column::Vzd] = "60.5";
    return f;
}

void BM_BareWalk(benchmark::State& state) {
    const std::vector<TZaznam> records = Store(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        unsigned sum = 0;
        for (const TZaznam& z : records)
            sum += z.Cas + z.Datum.len;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ConfirmEntry(benchmark::State& state) {
    const std::vector<TZaznam> records = Store(static_cast<int>(state.range(0)));
    const EntryForm f = Form();
    EntryContext c;
    c.settings.drawingNumbers = true;
    c.records = records;
    const TZaznam working = records.back();
    for (auto _ : state) {
        EntryOutcome out = ConfirmEntry(f, working, c);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DateFieldDuplicateWarning(benchmark::State& state) {
    const std::vector<TZaznam> records = Store(static_cast<int>(state.range(0)));
    const EntryForm f = Form();
    for (auto _ : state) {
        DateFieldCheck c = CheckDateField(f, EntryMode::New, records, true);
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_HighestCSk1OfYear(benchmark::State& state) {
    const std::vector<TZaznam> records = Store(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int h = HighestCSk1OfYear(records, "15.06.2014");
        benchmark::DoNotOptimize(h);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadRecordIntoForm(benchmark::State& state) {
    TZaznam z = Store(1).front();
    z.PocetSkupin = 40;
    for (int k = 0; k < 40; ++k) {
        z.Skupiny[k].Typ.setText(GroupClasses[static_cast<std::size_t>(k)]);
        z.Skupiny[k].Uhel = static_cast<std::uint16_t>(k * 90);
        z.Skupiny[k].Vzd = static_cast<std::uint16_t>(k * 30);
    }
    EntrySettings s;
    s.heliographic = state.range(0) != 0;
    for (auto _ : state) {
        EntryForm f = LoadRecordIntoForm(z, s);
        benchmark::DoNotOptimize(f);
    }
}

} // namespace

BENCHMARK(BM_BareWalk)->Arg(15000)->Arg(100000);
BENCHMARK(BM_ConfirmEntry)->Arg(15000)->Arg(100000);
BENCHMARK(BM_DateFieldDuplicateWarning)->Arg(15000)->Arg(100000);
BENCHMARK(BM_HighestCSk1OfYear)->Arg(15000)->Arg(100000);
BENCHMARK(BM_LoadRecordIntoForm)->Arg(0)->Arg(1);

BENCHMARK_MAIN();
