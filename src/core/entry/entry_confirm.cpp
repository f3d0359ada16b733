#include "entry/entry_confirm.h"

#include <algorithm>
#include <cmath>

#include "entry/entry_columns.h"
#include "entry/entry_fields.h"
#include "entry/entry_load.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "entry/entry_view.h"
#include "geometry/calendar.h"
#include "records/record.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr double AreaFactor = 20.4; // drawing mm² -> millionths on the 125 mm disk
constexpr int MaxPackedDist = 127;  // the low 7 bits of a packed position
constexpr int MaxSerial = 654;      // serial * 100 + year must fit a word
constexpr int MaxRotationNumber = 70;
constexpr int WarnAfterAdded = 197;
constexpr long long MaxWord = 65535;

enum class CellError { None, Value, Angle, Distance, Rotation };

// The numeric header fields after the time, as read.
struct HeaderValues {
    long long PP = 0, Obr = 0, Q = 0, qc = 0, fc = 0, rc = 0, PocetFakuli = 0;
    long long PocetSkupin = 0, PocetFakKresleni = 0;
};

struct HeaderField {
    std::string EntryForm::*text;
    long long HeaderValues::*value;
    std::string_view label;
    long long max;
    bool emptyIsZero;
};

// In the order of the window: the first bad one is reported.
constexpr HeaderField HeaderFields[] = {
    {&EntryForm::pp, &HeaderValues::PP, "PP", 255, false},
    {&EntryForm::image, &HeaderValues::Obr, "Obr.", 255, false},
    {&EntryForm::q, &HeaderValues::Q, "Q", 255, false},
    {&EntryForm::qc, &HeaderValues::qc, "qc", MaxWord, false},
    {&EntryForm::fc, &HeaderValues::fc, "fc", MaxWord, false},
    {&EntryForm::rc, &HeaderValues::rc, "rc", MaxWord, false},
    {&EntryForm::faculaeCount, &HeaderValues::PocetFakuli, "Počet fakulí", MaxWord, false},
    {&EntryForm::groupCount, &HeaderValues::PocetSkupin, "Počet skupin", MaxGroups, true},
    {&EntryForm::faculaeFieldCount, &HeaderValues::PocetFakKresleni, "Počet fakulí pro kreslení",
     MaxGroups, true},
};

// Reads the header fields (an empty group or faculae count is 0); nullopt
// with the message of the first bad field.
std::optional<HeaderValues> readHeader(EntryForm& f, std::vector<std::string>& msg) {
    HeaderValues header;
    for (const HeaderField& h : HeaderFields) {
        std::string& text = f.*h.text;
        if (h.emptyIsZero && TrimSpaces(text).empty()) text = "0";
        const auto v = ParseIntegerText(text);
        if (!v || *v < 0) {
            msg.push_back(messages::BadField(h.label));
            return std::nullopt;
        }
        if (*v > h.max) {
            msg.push_back(h.emptyIsZero ? std::string(messages::MaxGroups)
                                        : messages::BadField(h.label));
            return std::nullopt;
        }
        header.*h.value = *v;
    }
    return header;
}

// The drawing number "serial/yy", stored as serial * 100 + yy.
struct DrawingNumber {
    bool error = false;
    bool tooLarge = false;
    std::uint16_t value = 0;
};

DrawingNumber readDrawingNumber(const std::string& text) {
    DrawingNumber d;
    const auto slash = text.find('/');
    if (slash == std::string::npos) {
        d.error = true;
        return d;
    }
    const auto serial = ParseIntegerText(std::string_view(text).substr(0, slash));
    const auto year = ParseIntegerText(std::string_view(text).substr(slash + 1));
    if (!serial || *serial <= 0 || !year || *year < 0 || *year > 99)
        d.error = true;
    else if (*serial > MaxSerial)
        d.tooLarge = true;
    else
        d.value = static_cast<std::uint16_t>(*serial * 100 + *year);
    return d;
}

bool isNorthMarkerText(std::string_view c) {
    c = TrimSpaces(c);
    return c == "s" || c == "S";
}
bool isSouthMarkerText(std::string_view c) {
    c = TrimSpaces(c);
    return c == "j" || c == "J";
}

// A grid cell read as a number; an empty cell is 0.
std::optional<double> decimalCell(const std::string& c) {
    if (TrimSpaces(c).empty()) return 0.0;
    return ParseDecimalText(c);
}
std::optional<long long> integerCell(const std::string& c) {
    if (TrimSpaces(c).empty()) return 0;
    return ParseIntegerText(c);
}

long long roundWord(double v) {
    return RoundHalfEven(v);
}

// Stored area of a group or an auxiliary spot from its cell.
long long storedArea(double cell, EntryView view, double R) {
    return view == EntryView::Heliographic ? roundWord(cell * 125 / R)
                                           : roundWord(cell * AreaFactor * 125 / R);
}

struct GroupCheck {
    CellError error = CellError::None;
    int col = 0;
    double limit = 0; // the distance limit of a distance error
};

// The first cell of a group row that cannot be stored.
GroupCheck checkGroupRow(const GroupRow& row, EntryView view, double R) {
    const double packedLimit = std::min<double>(R, MaxPackedDist);
    auto fail = [](CellError e, int col, double limit = 0) { return GroupCheck{e, col, limit}; };
    for (int col : {column::Poc, column::SPen}) {
        const auto v = integerCell(row[col]);
        if (!v || *v < 0 || *v > 255) return fail(CellError::Value, col);
    }
    if (!isNorthMarkerText(row[column::Uhel]) && !isSouthMarkerText(row[column::Uhel])) {
        const auto a = decimalCell(row[column::Uhel]);
        if (!a) return fail(CellError::Value, column::Uhel);
        if (*a < 0 || *a > 360) return fail(CellError::Angle, column::Uhel);
        const auto d = decimalCell(row[column::Vzd]);
        if (!d) return fail(CellError::Value, column::Vzd);
        if (view == EntryView::Heliographic) {
            if (*d < -90 || *d > 90) return fail(CellError::Value, column::Vzd);
        } else if (*d < 0 || *d > R) {
            return fail(CellError::Distance, column::Vzd, R);
        }
    }
    for (int col : {column::Plocha, column::Plo1, column::Plo2}) {
        const auto v = decimalCell(row[col]);
        if (!v || *v < 0 || storedArea(*v, view, R) > MaxWord) return fail(CellError::Value, col);
    }
    for (int col : {column::MalS, column::CSk1}) {
        const auto v = integerCell(row[col]);
        if (!v || *v < 0 || *v > MaxWord) return fail(CellError::Value, col);
    }
    if (const auto v = integerCell(row[column::CSk2]); !v)
        return fail(CellError::Value, column::CSk2);
    else if (*v < 0 || *v > MaxRotationNumber)
        return fail(CellError::Rotation, column::CSk2);
    for (int col : {column::Angle1, column::Angle2}) {
        const auto v = integerCell(row[col]);
        if (!v) return fail(CellError::Value, col);
        if (*v < 0 || *v > 360) return fail(CellError::Angle, col);
    }
    for (int col : {column::Distance1, column::Distance2}) {
        const auto v = integerCell(row[col]);
        if (!v) return fail(CellError::Value, col);
        if (*v < 0 || *v > packedLimit) return fail(CellError::Distance, col, packedLimit);
    }
    return {};
}

struct FaculaeCheck {
    CellError error = CellError::None;
    int col = 0;
};

FaculaeCheck checkFaculaeRow(const FaculaeRow& row, double R) {
    const double limit = std::min<double>(R, MaxPackedDist);
    for (int j = 0; j < FaculaeVertexCount; ++j) {
        const int ac = 2 * j + 1, dc = 2 * j + 2;
        const auto a = integerCell(row[static_cast<std::size_t>(ac)]);
        if (!a || *a < 0 || *a > 360) return {CellError::Value, ac};
        const auto d = integerCell(row[static_cast<std::size_t>(dc)]);
        if (!d || *d < 0) return {CellError::Value, dc};
        if (*d > limit) return {CellError::Distance, dc};
    }
    return {};
}

template <typename T> T word(long long v) {
    return static_cast<T>(v);
}

// Every class must be one of the table or "***", and an ordinary drawing
// needs at least one real class. True (message and focus set) when not.
bool checkClasses(const EntryForm& f, int n, EntryOutcome& out) {
    bool error = false;
    if (n >= 1) {
        bool anyClass = false;
        std::optional<int> badRow;
        for (int k = 1; k <= n; ++k) {
            const auto cls =
                NormaliseGroupClass(f.groups[static_cast<std::size_t>(k - 1)][column::Typ]);
            if (!cls) {
                if (!badRow) badRow = k;
            } else if (*cls != "***") {
                anyClass = true;
            }
        }
        if (badRow || (!anyClass && !f.isSpecial())) {
            out.messages.emplace_back(messages::BadClass);
            if (badRow) out.focus = GridCell{GridCell::Grid::Skupiny, *badRow, column::Typ};
            error = true;
        }
    }
    return error;
}

// The grid cells: the first bad cell of the groups ends their check; every
// faculae row is checked. True (messages and focus set) when a cell is bad.
bool refusedCell(const EntryForm& f, int n, int m, double R, EntryOutcome& out) {
    GroupCheck groupError;
    int groupErrorRow = 0;
    for (int k = 1; k <= n && groupError.error == CellError::None; ++k) {
        groupError = checkGroupRow(f.groups[static_cast<std::size_t>(k - 1)], f.view, R);
        groupErrorRow = k;
    }
    std::optional<GridCell> faculaeDistance, faculaeValue;
    for (int k = 1; k <= m; ++k) {
        const FaculaeCheck c = checkFaculaeRow(f.faculae[static_cast<std::size_t>(k - 1)], R);
        const GridCell cell{GridCell::Grid::Fakule, k, c.col};
        if (c.error == CellError::Distance && !faculaeDistance) faculaeDistance = cell;
        if (c.error == CellError::Value && !faculaeValue) faculaeValue = cell;
    }
    if (groupError.error != CellError::None || faculaeDistance || faculaeValue) {
        const CellError g = groupError.error;
        if (g == CellError::Distance && !faculaeDistance)
            out.messages.push_back(messages::GroupDistance(groupError.limit));
        if (faculaeDistance)
            out.messages.push_back(messages::FaculaeDistance(std::min<double>(R, MaxPackedDist)));
        if (g == CellError::Angle && !faculaeDistance)
            out.messages.emplace_back(messages::MaxAngle);
        if (g == CellError::Rotation) out.messages.emplace_back(messages::MaxRotation);
        if (g == CellError::Value)
            out.messages.push_back(messages::BadGroupCell(
                TrimSpaces(GroupColumnTitle(groupError.col, f.view)), groupErrorRow));
        if (faculaeValue)
            out.messages.push_back(messages::BadFaculaeCell(
                TrimSpaces(FaculaeColumnTitle(faculaeValue->col)), faculaeValue->row));
        // The cursor goes to the cell of the first message.
        const bool replaced =
            faculaeDistance && (g == CellError::Angle || g == CellError::Distance);
        if (g != CellError::None && !replaced)
            out.focus = GridCell{GridCell::Grid::Skupiny, groupErrorRow, groupError.col};
        else
            out.focus = faculaeDistance ? *faculaeDistance : *faculaeValue;
        return true;
    }
    return false;
}

// The typed values in stored units: header, groups and faculae fields.
void fillRecord(TZaznam& z, const EntryForm& f, const HeaderValues& header, const Ephemeris& eph,
                double R) {
    const int n = static_cast<int>(header.PocetSkupin);
    const int m = static_cast<int>(header.PocetFakKresleni);
    z.Zvlastni.setText(TrimSpaces(f.special).empty() ? std::string_view{} : SpecialMarker);
    z.Pozorovatel.setText(TrimSpaces(f.observer));
    z.PP = word<std::uint8_t>(header.PP);
    z.Obr = word<std::uint8_t>(header.Obr);
    z.Q = word<std::uint8_t>(header.Q);
    z.qc = word<std::uint16_t>(header.qc);
    z.fc = word<std::uint16_t>(header.fc);
    z.rc = word<std::uint16_t>(header.rc);
    z.PocetFakuli = word<std::uint16_t>(header.PocetFakuli);
    z.PocetSkupin = word<std::uint8_t>(n);
    z.PocetFakKresleni = word<std::uint8_t>(m);
    z.Stanice.setText(f.station);

    auto dec = [](const std::string& c) { return decimalCell(c).value_or(0); };
    auto integer = [](const std::string& c) { return integerCell(c).value_or(0); };
    for (int k = 0; k < n; ++k) {
        const GroupRow& row = f.groups[static_cast<std::size_t>(k)];
        TSkupina& s = z.Skupiny[k];
        s.Typ.setText(NormaliseGroupClass(row[column::Typ]).value_or("***"));
        s.Poc = word<std::uint8_t>(integer(row[column::Poc]));
        s.SPen = word<std::uint8_t>(integer(row[column::SPen]));
        if (isNorthMarkerText(row[column::Uhel])) {
            s.Uhel = NorthMarkerAngle;
            s.Vzd = MarkerDistance;
        } else if (isSouthMarkerText(row[column::Uhel])) {
            s.Uhel = SouthMarkerAngle;
            s.Vzd = MarkerDistance;
        } else if (f.view == EntryView::Heliographic) {
            EntryPolar p =
                HeliographicToEntryPolar(eph, dec(row[column::Vzd]), dec(row[column::Uhel]), R);
            if (p.angle > 360) p.angle -= 360;
            s.Uhel = word<std::uint16_t>(roundWord(p.angle * 10));
            s.Vzd =
                word<std::uint16_t>(std::min<long long>(roundWord(p.dist * 10 * 125 / R), 1250));
        } else {
            s.Uhel = word<std::uint16_t>(roundWord(10 * dec(row[column::Uhel])));
            s.Vzd = word<std::uint16_t>(roundWord(10 * dec(row[column::Vzd]) * 125 / R));
        }
        s.Plocha = word<std::uint16_t>(storedArea(dec(row[column::Plocha]), f.view, R));
        s.MalS = word<std::uint16_t>(integer(row[column::MalS]));
        s.CSk1 = word<std::uint16_t>(integer(row[column::CSk1]));
        s.CSk2 = word<std::uint16_t>(integer(row[column::CSk2]));
        s.Pomocna1 = PackPosition(static_cast<int>(integer(row[column::Angle1])),
                                  static_cast<int>(integer(row[column::Distance1])));
        s.Plo1 = word<std::uint16_t>(storedArea(dec(row[column::Plo1]), f.view, R));
        s.Pomocna2 = PackPosition(static_cast<int>(integer(row[column::Angle2])),
                                  static_cast<int>(integer(row[column::Distance2])));
        s.Plo2 = word<std::uint16_t>(storedArea(dec(row[column::Plo2]), f.view, R));
    }
    for (int k = 0; k < m; ++k) {
        const FaculaeRow& row = f.faculae[static_cast<std::size_t>(k)];
        for (int j = 0; j < FaculaeVertexCount; ++j)
            z.Skupiny[k].Fakule[j] =
                PackPosition(static_cast<int>(integer(row[static_cast<std::size_t>(2 * j + 1)])),
                             static_cast<int>(integer(row[static_cast<std::size_t>(2 * j + 2)])));
    }
}

} // namespace

EntryOutcome ConfirmEntry(const EntryForm& input, const TZaznam& working, const EntryContext& ctx) {
    EntryOutcome out;
    out.form = input;
    EntryForm& f = out.form;
    auto& msg = out.messages;
    const double R = ctx.settings.r();

    // The drawing number may be typed without its serial ("/21").
    if (!f.drawingNumber.empty() && f.drawingNumber.front() == '/') f.drawingNumber.insert(0, "0");
    for (GroupRow& row : f.groups) {
        row[column::Uhel] = CommaToPoint(row[column::Uhel]);
        row[column::Vzd] = CommaToPoint(row[column::Vzd]);
    }

    // Header fields: every number is read before anything else happens.
    const TimeField time = ReadTimeField(f.time);
    const auto timeValue = ParseIntegerText(f.time);
    if (!timeValue || *timeValue < 0) {
        msg.push_back(*time.message);
        return out;
    }
    const bool timeError = !time.time;
    const std::optional<HeaderValues> header = readHeader(f, msg);
    if (!header) return out;
    const int n = static_cast<int>(header->PocetSkupin);
    const int m = static_cast<int>(header->PocetFakKresleni);
    f.groups.resize(static_cast<std::size_t>(std::max(n, 1)));
    f.faculae.resize(static_cast<std::size_t>(std::max(m, 1)));

    const DrawingNumber number =
        ctx.settings.drawingNumbers ? readDrawingNumber(f.drawingNumber) : DrawingNumber{};
    const bool numberError = number.error, numberTooLarge = number.tooLarge;

    bool error = checkClasses(f, n, out);

    if (ctx.addedSinceStart > WarnAfterAdded) msg.emplace_back(messages::TooManyRecords);

    const auto date = ParseDatum(f.date);
    if (!date) {
        msg.emplace_back(messages::BadDate);
        return out;
    }
    const auto hhmm = static_cast<std::uint16_t>(std::min<long long>(*timeValue, MaxWord));
    if (ctx.mode != EntryMode::Correction) {
        // The same date and the same time: the record key alone would also
        // match a time 1440 higher on the day before (23:45 against 9:05).
        const bool exists =
            std::any_of(ctx.records.begin(), ctx.records.end(),
                        [&](const TZaznam& z) { return z.Cas == hhmm && RecordDate(z) == date; });
        if (exists) {
            msg.emplace_back(messages::RecordExists);
            error = true;
        }
    }
    if (TrimSpaces(f.observer).empty()) {
        msg.emplace_back(messages::NoObserver);
        error = true;
    }
    if (numberError)
        msg.emplace_back(messages::BadNumber);
    else if (numberTooLarge)
        msg.emplace_back(messages::MaxNumber);
    else if (timeError)
        msg.emplace_back(messages::MaxTime);
    if (error || numberError || numberTooLarge || timeError) return out;

    if (refusedCell(f, n, m, R, out)) return out;

    // Everything passed: fill the working record in stored units.
    const Ephemeris eph = SolarEphemeris(*date, hhmm);
    TZaznam z = working;
    ClearWorkingRecord(z, ctx.records);
    // The faculae area belongs to the drawing it was counted on.
    if (ctx.mode != EntryMode::Correction) z.PlochaFakuli.setRaw("");
    const std::string dateText = FormatDatum(*date);
    out.dateChanged = working.Datum.raw() != dateText;
    z.Datum.setText(dateText);
    z.Cas = hhmm;
    fillRecord(z, f, *header, eph, R);
    z.Rotace = static_cast<std::uint16_t>(eph.CarrRotation);
    z.L0 = static_cast<std::uint16_t>(std::trunc(eph.L0));
    z.CisloZakresu = number.value;
    out.record = z;
    return out;
}

} // namespace hk
