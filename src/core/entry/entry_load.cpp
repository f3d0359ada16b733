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
std::string classText(std::string_view groupClass) {
    std::string s(groupClass.substr(0, 3));
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
        const std::uint16_t spare = s.Rezerva;
        s = TSkupina{};
        s.Typ.setRaw("***");
        s.Rezerva = spare;
    }
}

EntryForm LoadRecordIntoForm(const TZaznam& z, const EntrySettings& settings) {
    const double R = settings.r();
    EntryForm f;
    f.observer = z.Pozorovatel.text();
    f.date = z.Datum.empty() ? std::string(EmptyDateText) : z.Datum.text();
    f.time = num(z.Cas);
    f.pp = num(z.PP);
    f.image = num(z.Obr);
    f.q = num(z.Q);
    f.qc = num(z.qc);
    f.fc = num(z.fc);
    f.rc = num(z.rc);
    f.faculaeCount = num(z.PocetFakuli);
    f.station = z.Stanice.text();
    f.special = z.Zvlastni.text();
    f.drawingNumber = DrawingNumberText(z.CisloZakresu);
    f.view = settings.heliographic ? EntryView::Heliographic : EntryView::Polar;

    const int n = z.groupCount();
    const int m = z.faculaeCount();
    f.groupCount = num(n);
    f.faculaeFieldCount = num(m);
    ResizeGroupGrid(f);
    ResizeFaculaeGrid(f);

    // A record without a readable date has no orientation; its positions are
    // then shown against a disk centred on the equator at longitude 0.
    const Ephemeris eph = RecordEphemeris(z).value_or(Ephemeris{});
    for (int k = 0; k < n; ++k) {
        const TSkupina& s = z.Skupiny[k];
        GroupRow& row = f.groups[static_cast<std::size_t>(k)];
        row[column::Typ] = classText(s.Typ.raw());
        row[column::Poc] = num(s.Poc);
        row[column::SPen] = num(s.SPen);
        if (IsNorthMarker(s) || IsSouthMarker(s)) {
            row[column::Uhel] = IsNorthMarker(s) ? "s" : "j";
            row[column::Vzd] = "";
        } else if (settings.heliographic) {
            const Heliographic h = PolarToHeliographic(eph, s.Uhel, s.Vzd);
            row[column::Uhel] = FormatNumber(h.Lon, "0.0");
            row[column::Vzd] = FormatNumber(h.Lat, "0.0");
        } else {
            row[column::Uhel] = FormatNumber(s.Uhel / 10.0, "0.0");
            row[column::Vzd] = FormatNumber(s.Vzd * R / 125 / 10, "0.0");
        }
        if (settings.heliographic) {
            row[column::Plocha] = FormatNumber(s.Plocha / (125 / R), "0");
            row[column::Plo1] = num(RoundHalfEven(s.Plo1 / (125 / R)));
            row[column::Plo2] = num(RoundHalfEven(s.Plo2 / (125 / R)));
        } else {
            row[column::Plocha] = FormatNumber(s.Plocha / AreaFactor / (125 / R), "0.0");
            row[column::Plo1] = num(RoundHalfEven(s.Plo1 / (AreaFactor * 125 / R)));
            row[column::Plo2] = num(RoundHalfEven(s.Plo2 / (AreaFactor * 125 / R)));
        }
        row[column::MalS] = num(s.MalS);
        row[column::CSk1] = num(s.CSk1);
        row[column::CSk2] = num(s.CSk2);
        const PackedPosition p1 = UnpackPosition(s.Pomocna1);
        const PackedPosition p2 = UnpackPosition(s.Pomocna2);
        row[column::Angle1] = num(p1.angle);
        row[column::Distance1] = num(p1.dist);
        row[column::Angle2] = num(p2.angle);
        row[column::Distance2] = num(p2.dist);
    }
    for (int k = 0; k < m; ++k) {
        FaculaeRow& row = f.faculae[static_cast<std::size_t>(k)];
        for (int j = 0; j < FaculaeVertexCount; ++j) {
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
        f.drawingNumber = settings.drawingNumbers ? DrawingNumberText(working.CisloZakresu)
                                                  : std::string(DrawingNumbersOffText);
        return f;
    }
    TZaznam cleared = working;
    ClearWorkingRecord(cleared, records);
    f = LoadRecordIntoForm(cleared, settings);
    f.special = mode == EntryMode::Special ? std::string(SpecialMarker) : std::string();
    f.observer = std::string(firstObserver);
    f.drawingNumber =
        std::string(settings.drawingNumbers ? NewDrawingNumberText : DrawingNumbersOffText);
    return f;
}

} // namespace hk
