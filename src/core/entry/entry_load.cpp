#include "entry/entry_load.h"

#include <cctype>
#include <cmath>

#include "entry/entry_fields.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "text/encoding.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr double AreaFactor = 20.4; // drawing mm² -> millionths on the 125 mm disk

std::string num(long long v) {
    return std::to_string(v);
}

// First letter upper case, the next two lower case, as classes are written.
std::string classText(std::string_view typ) {
    std::string s(typ.substr(0, 3));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        s[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    return Cp1250ToUtf8(s);
}

} // namespace

void ClearWorkingRecord(TZaznam& z, std::span<const TZaznam> records) {
    z.Pozorovatel.setRaw("");
    z.Datum.setRaw("");
    if (records.size() > 1) z.Stanice = records[0].Stanice;
    z.Cas = 1200;
    z.PP = z.Obr = z.Q = 0;
    z.PocetSkupin = z.PocetFakKresleni = 0;
    z.qc = z.fc = z.rc = z.PocetFakuli = 0;
    z.Zvlastni.setRaw("");
    for (TSkupina& s : z.Skupiny) {
        const std::uint16_t rezerva = s.Rezerva;
        s = TSkupina{};
        s.Typ.setRaw("***");
        s.Rezerva = rezerva;
    }
}

EntryForm LoadRecordIntoForm(const TZaznam& z, const EntrySettings& settings) {
    const double R = settings.r();
    EntryForm f;
    f.pozorovatel = z.Pozorovatel.text();
    f.datum = z.Datum.empty() ? std::string(EmptyDateText) : z.Datum.text();
    f.cas = num(z.Cas);
    f.pp = num(z.PP);
    f.obr = num(z.Obr);
    f.q = num(z.Q);
    f.qc = num(z.qc);
    f.fc = num(z.fc);
    f.rc = num(z.rc);
    f.pocetFakuli = num(z.PocetFakuli);
    f.stanice = z.Stanice.text();
    f.zvlastni = z.Zvlastni.text();
    f.cisloZakresu = CisloZakresuText(z.CisloZakresu);
    f.view = settings.heliographic ? EntryView::Heliographic : EntryView::Polar;

    const int n = z.groupCount();
    const int m = z.faculaeCount();
    f.pocetSkupin = num(n);
    f.pocetFakKresleni = num(m);
    ResizeGroupGrid(f);
    ResizeFaculaeGrid(f);

    // A record without a readable date has no orientation; its positions are
    // then shown against a disk centred on the equator at longitude 0.
    const Ephemeris eph = RecordEphemeris(z).value_or(Ephemeris{});
    for (int k = 0; k < n; ++k) {
        const TSkupina& s = z.Skupiny[k];
        GroupRow& row = f.skupiny[static_cast<std::size_t>(k)];
        row[sloupec::Typ] = classText(s.Typ.raw());
        row[sloupec::Poc] = num(s.Poc);
        row[sloupec::SPen] = num(s.SPen);
        if (IsNorthMarker(s) || IsSouthMarker(s)) {
            row[sloupec::Uhel] = IsNorthMarker(s) ? "s" : "j";
            row[sloupec::Vzd] = "";
        } else if (settings.heliographic) {
            const Heliographic h = PolarToHeliographic(eph, s.Uhel, s.Vzd);
            row[sloupec::Uhel] = FormatNumber(h.Lon, "0.0");
            row[sloupec::Vzd] = FormatNumber(h.Lat, "0.0");
        } else {
            row[sloupec::Uhel] = FormatNumber(s.Uhel / 10.0, "0.0");
            row[sloupec::Vzd] = FormatNumber(s.Vzd * R / 125 / 10, "0.0");
        }
        if (settings.heliographic) {
            row[sloupec::Plocha] = FormatNumber(s.Plocha / (125 / R), "0");
            row[sloupec::Plo1] = num(RoundHalfEven(s.Plo1 / (125 / R)));
            row[sloupec::Plo2] = num(RoundHalfEven(s.Plo2 / (125 / R)));
        } else {
            row[sloupec::Plocha] = FormatNumber(s.Plocha / AreaFactor / (125 / R), "0.0");
            row[sloupec::Plo1] = num(RoundHalfEven(s.Plo1 / (AreaFactor * 125 / R)));
            row[sloupec::Plo2] = num(RoundHalfEven(s.Plo2 / (AreaFactor * 125 / R)));
        }
        row[sloupec::MalS] = num(s.MalS);
        row[sloupec::CSk1] = num(s.CSk1);
        row[sloupec::CSk2] = num(s.CSk2);
        const PackedPosition p1 = UnpackPosition(s.Pomocna1);
        const PackedPosition p2 = UnpackPosition(s.Pomocna2);
        row[sloupec::Uhel1] = num(p1.angle);
        row[sloupec::Vzd1] = num(p1.dist);
        row[sloupec::Uhel2] = num(p2.angle);
        row[sloupec::Vzd2] = num(p2.dist);
    }
    for (int k = 0; k < m; ++k) {
        FaculaeRow& row = f.fakule[static_cast<std::size_t>(k)];
        for (int j = 0; j < FakuleVertices; ++j) {
            const PackedPosition p = UnpackPosition(z.Skupiny[k].Fakule[j]);
            row[static_cast<std::size_t>(2 * j + 1)] = num(p.angle);
            row[static_cast<std::size_t>(2 * j + 2)] = num(p.dist);
        }
    }
    return f;
}

EntryForm OpenEntryForm(EntryMode mode, const TZaznam& working, std::span<const TZaznam> records,
                        const EntrySettings& settings, std::string_view firstObserver) {
    EntryForm f;
    if (mode == EntryMode::Correction) {
        f = LoadRecordIntoForm(working, settings);
        f.cisloZakresu = settings.cislovaniZakresu ? CisloZakresuText(working.CisloZakresu)
                                                   : std::string(DrawingNumbersOffText);
        return f;
    }
    TZaznam cleared = working;
    ClearWorkingRecord(cleared, records);
    f = LoadRecordIntoForm(cleared, settings);
    f.zvlastni = mode == EntryMode::Special ? std::string(ZvlastniMarker) : std::string();
    f.pozorovatel = std::string(firstObserver);
    f.cisloZakresu =
        std::string(settings.cislovaniZakresu ? NewDrawingNumberText : DrawingNumbersOffText);
    return f;
}

} // namespace hk
