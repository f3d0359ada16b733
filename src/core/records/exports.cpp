#include "records/exports.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "geometry/transforms.h"
#include "geometry/vector_state.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_prefetch.h"
#include "text/encoding.h"
#include "text/number_format.h"
#include "text/text_buffer.h"

namespace hk {

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view AsciiHeader = "   Datum    čas   č typ  l   b  ploch lv  bv plo.v";
constexpr std::string_view FaculaeHeader =
    "   Datum    čas     l       b       l       b       l       b       l       b";
constexpr double SmallSpotArea = 7.6;
constexpr int NoFaculaeLongitude = -500;
constexpr int MinutesPerDay = 24 * 60;
constexpr std::size_t AsciiLineBytes = 52; // a line with its auxiliary spot and CR LF

struct DatedRecord {
    Date date;
    Ephemeris eph;
};

// Every date first, so that an unreadable one stops the export before
// anything is changed or written.
std::vector<DatedRecord> dateAll(std::span<const TZaznam> records) {
    std::vector<DatedRecord> out;
    out.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto date = RecordDate(records[i]);
        if (!date)
            throw std::runtime_error("Záznam " + std::to_string(i + 1) + " má nečitelné datum \"" +
                                     records[i].Datum.text() + "\"");
        out.push_back({*date, SolarEphemeris(*date, records[i].Cas)});
    }
    return out;
}

// "hh nn" of a time hhmm, written at `out`.
char* writeExportTime(char* out, std::uint16_t time) {
    const int minutes = (time / 100) * 60 + time % 100;
    out = WriteDigits(out, static_cast<unsigned>((minutes % MinutesPerDay) / 60), 2);
    *out++ = ' ';
    return WriteDigits(out, static_cast<unsigned>(minutes % 60), 2);
}

bool startsWithB(const TSkupina& g) {
    return !g.Typ.raw().empty() && g.Typ.raw()[0] == 'B';
}

Heliographic packedToHeliographic(const Ephemeris& eph, std::uint16_t packed) {
    const PackedPosition p = UnpackPosition(packed);
    return PolarToHeliographic(eph, p.angle * 10.0, p.dist * 10.0);
}

} // namespace

std::string ExportTime(std::uint16_t time) {
    char buf[8];
    return std::string(buf, writeExportTime(buf, time));
}

namespace {

// Room for a number written by writeNumber: a whole number below
// WholeNumberLimit or, past it, printf's digits of the largest double.
constexpr std::size_t NumberRoom = 320;

// The most a line of SoubASCI.dat can take: its head and five numbers among
// short fields.
constexpr std::size_t LineHeadRoom = 64;
constexpr std::size_t LineRoom = LineHeadRoom + 5 * NumberRoom + 32;

// FormatNumber(value, pattern) for a pattern of zeros, written at `out`.
char* writeNumber(char* out, double value, std::string_view zeros) {
    if (std::fabs(value) < WholeNumberLimit)
        return WriteWholeNumber(out, value, static_cast<int>(zeros.size()));
    const std::string text = FormatNumber(value, zeros); // NaN, infinities, huge values
    std::memcpy(out, text.data(), std::min(text.size(), NumberRoom));
    return out + std::min(text.size(), NumberRoom);
}

// " 05" for 5.4, "-05" for -5.4: the pattern " 00;-00".
char* writeLatitude(char* out, double lat) {
    *out++ = lat < 0 ? '-' : ' ';
    return writeNumber(out, lat < 0 ? -lat : lat, "00");
}

// "dd.mm.yyyy hh nn " of a record, as FormatDatum and ExportTime write them.
std::size_t writeLineHead(char* out, const Date& d, std::uint16_t time) {
    char* p = out;
    if (d.day >= 0 && d.day < 100 && d.month >= 0 && d.month < 100 && d.year >= 0 &&
        d.year < 10000) {
        p = WriteDigits(p, static_cast<unsigned>(d.day), 2);
        *p++ = '.';
        p = WriteDigits(p, static_cast<unsigned>(d.month), 2);
        *p++ = '.';
        p = WriteDigits(p, static_cast<unsigned>(d.year), 4);
    } else {
        const std::string text = FormatDatum(d);
        p = std::copy(text.begin(), text.end(), p);
    }
    *p++ = ' ';
    p = writeExportTime(p, time);
    *p++ = ' ';
    return static_cast<std::size_t>(p - out);
}

} // namespace

namespace {

// An unreadable date stops the export before anything is written.
void checkDates(std::span<const TZaznam> records, const GeometryCache& geometry) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!geometry.record(static_cast<int>(i) + 1).date)
            throw std::runtime_error("Záznam " + std::to_string(i + 1) + " má nečitelné datum \"" +
                                     records[i].Datum.text() + "\"");
}

// The room the lines of records [from, to) usually take.
std::size_t usualBytes(std::span<const TZaznam> records, std::size_t from, std::size_t to) {
    std::size_t lines = 0;
    for (std::size_t i = from; i < to; ++i)
        lines += static_cast<std::size_t>(records[i].groupCount());
    return lines * AsciiLineBytes;
}

// The lines of records [from, to), each written straight into `out`.
void writeLines(std::span<const TZaznam> records, const GeometryCache& geometry, std::size_t from,
                std::size_t to, TextBuffer& out) {
    for (std::size_t i = from; i < to; ++i) {
        const TZaznam& z = records[i];
        PrefetchAhead(records, i, 4);
        const RecordGeometry& rg = geometry.record(static_cast<int>(i) + 1);
        const Ephemeris& eph = *rg.ephemeris;
        const std::span<const Heliographic> positions = geometry.groups(static_cast<int>(i) + 1);
        char head[LineHeadRoom] = {};
        const std::size_t headSize = writeLineHead(head, *rg.date, z.Cas);
        for (int k = 0; k < z.groupCount(); ++k) {
            const TSkupina& g = z.Skupiny[k];
            const Heliographic& h = positions[static_cast<std::size_t>(k)];
            char* p = out.room(LineRoom);
            // A fixed-size copy is a few moves; the head is shorter than that.
            std::memcpy(p, head, sizeof head);
            p += headSize;
            p = WriteDigits(p, g.CSk2, 2);
            *p++ = ' ';
            const std::string_view typ = g.Typ.empty() ? std::string_view("***") : g.Typ.raw();
            std::memcpy(p, typ.data(), 3); // both hold three bytes
            p += typ.size();
            *p++ = ' ';
            if (IsHemisphereMarker(g)) {
                // Only its hemisphere is known: blank longitude and latitude.
                p = std::fill_n(p, 7, ' ');
            } else {
                p = writeNumber(p, h.Lon, "000");
                *p++ = ' ';
                p = writeLatitude(p, h.Lat);
            }
            *p++ = ' ';
            // Never negative: both counts are unsigned.
            p = WriteDigits(
                p,
                static_cast<unsigned long long>(RoundHalfEven(g.Plocha + g.MalS * SmallSpotArea)),
                4);
            *p++ = ' ';
            if (startsWithB(g) && g.Pomocna1 > 0) {
                const Heliographic a = packedToHeliographic(eph, g.Pomocna1);
                p = writeNumber(p, a.Lon, "000");
                *p++ = ' ';
                p = writeLatitude(p, a.Lat);
                *p++ = ' ';
                p = WriteDigits(p, g.Plo1, 4);
            } else {
                p = std::fill_n(p, 13, ' ');
            }
            p = std::copy(CrLf.begin(), CrLf.end(), p);
            out.commit(p);
        }
    }
}

// The records of one piece of the text: a piece of about half a megabyte
// is written while the next ones are formatted.
constexpr std::size_t PieceRecords = 2048;
// The pieces formatted and not yet written, at most: their memory is
// reused once they are written.
constexpr std::size_t PiecesAhead = 4;

// Piece `i` of the text into `text`, whose memory is reused: fresh memory
// costs a page fault every few lines.
void formatPiece(std::span<const TZaznam> records, const GeometryCache& geometry, std::size_t i,
                 TextBuffer& text) {
    const std::size_t from = i * PieceRecords;
    const std::size_t to = std::min(records.size(), from + PieceRecords);
    const std::size_t room = usualBytes(records, from, to) + LineRoom;
    if (text.capacity() < room) text = TextBuffer(room + room / 4);
    text.clear();
    writeLines(records, geometry, from, to, text);
}

// Formats the pieces on worker threads, each piece taken by the next free
// worker, and hands them to the calling thread in order; the memory of the
// pieces written is used for the next ones.
class PieceFormatter {
  public:
    PieceFormatter(std::span<const TZaznam> records, const GeometryCache& geometry,
                   std::size_t workers)
        : records_(records), geometry_(geometry),
          pieces_((records.size() + PieceRecords - 1) / PieceRecords) {
        workers_.reserve(workers);
        for (std::size_t w = 0; w < workers; ++w)
            workers_.emplace_back([this] { work(); });
    }
    ~PieceFormatter() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        workers_.clear(); // joins them
    }
    PieceFormatter(const PieceFormatter&) = delete;
    PieceFormatter& operator=(const PieceFormatter&) = delete;

    // Calls write(piece) for every piece in order, each as soon as it is
    // ready; a worker's failure is thrown on here.
    void writeAll(const std::function<void(std::string_view)>& write) {
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [&] { return pieces_[i].ready || failure_; });
            if (failure_) std::rethrow_exception(failure_);
            TextBuffer text = std::move(pieces_[i].text);
            lock.unlock();
            write(text.view());
            lock.lock();
            written_ = i + 1;
            spare_.push_back(std::move(text));
            lock.unlock();
            changed_.notify_all();
        }
    }

  private:
    struct Piece {
        TextBuffer text;
        bool ready = false;
    };

    void work() {
        ClearUpperVectorState();
        for (;;) {
            std::size_t i = 0;
            TextBuffer text;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] {
                    return stopped_ || failure_ || next_ >= pieces_.size() ||
                           next_ < written_ + PiecesAhead;
                });
                if (stopped_ || failure_ || next_ >= pieces_.size()) return;
                i = next_++;
                if (!spare_.empty()) {
                    text = std::move(spare_.back());
                    spare_.pop_back();
                }
            }
            try {
                formatPiece(records_, geometry_, i, text);
                const std::lock_guard<std::mutex> lock(mutex_);
                pieces_[i].text = std::move(text);
                pieces_[i].ready = true;
            } catch (...) {
                const std::lock_guard<std::mutex> lock(mutex_);
                if (!failure_) failure_ = std::current_exception();
            }
            changed_.notify_all();
        }
    }

    std::span<const TZaznam> records_;
    const GeometryCache& geometry_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Piece> pieces_;
    std::vector<TextBuffer> spare_; // written pieces' memory
    std::size_t next_ = 0;          // the next piece to format
    std::size_t written_ = 0;       // the pieces handed to the writer
    bool stopped_ = false;
    std::exception_ptr failure_;
    std::vector<std::jthread> workers_; // last: they end before the rest goes
};

// The threads that format the pieces: `threads`, or with 0 the machine's
// cores, no more than there are pieces.
std::size_t workersFor(std::size_t records, unsigned threads) {
    if (threads > 0) return threads;
    return std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()),
                                 records / PieceRecords);
}

// The text of records whose dates are checked, in consecutive pieces:
// write(piece) is called on the calling thread for each in order, while the
// next pieces are formatted on `threads` threads (0: the machine's cores).
// The text is the same whatever their number.
void writePieces(std::span<const TZaznam> records, const GeometryCache& geometry, unsigned threads,
                 const std::function<void(std::string_view)>& write) {
    write(Utf8ToCp1250(AsciiHeader) + std::string(CrLf));
    const std::size_t workers = workersFor(records.size(), threads);
    if (workers <= 1) {
        // One thread formats and writes by turns, one piece's memory reused.
        TextBuffer text;
        for (std::size_t i = 0; i * PieceRecords < records.size(); ++i) {
            formatPiece(records, geometry, i, text);
            write(text.view());
        }
        return;
    }
    PieceFormatter formatter(records, geometry, workers);
    formatter.writeAll(write);
}

} // namespace

TextBuffer AsciiExportBuffer(std::span<const TZaznam> records, const GeometryCache& geometry,
                             unsigned threads) {
    checkDates(records, geometry);
    TextBuffer out(AsciiHeader.size() + CrLf.size() + usualBytes(records, 0, records.size()) +
                   LineRoom);
    if (workersFor(records.size(), threads) <= 1) {
        // On one thread the lines go straight into the buffer.
        out.append(Utf8ToCp1250(AsciiHeader));
        out.append(CrLf);
        writeLines(records, geometry, 0, records.size(), out);
        return out;
    }
    writePieces(records, geometry, threads, [&out](std::string_view piece) { out.append(piece); });
    return out;
}

std::string AsciiExportText(std::span<const TZaznam> records, const GeometryCache& geometry) {
    return std::string(AsciiExportBuffer(records, geometry).view());
}

std::string FaculaePositionsText(std::span<const TZaznam> records) {
    const std::vector<DatedRecord> dated = dateAll(records);
    std::string out = Utf8ToCp1250(FaculaeHeader);
    out += CrLf;
    struct Field {
        int lon = NoFaculaeLongitude;
        int lat = 0;
        bool used = false;
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TZaznam& z = records[i];
        const Ephemeris& eph = dated[i].eph;
        std::string line = FormatDatum(dated[i].date) + ";" + ExportTime(z.Cas) + ";";

        std::vector<Field> fields(static_cast<std::size_t>(z.faculaeCount()));
        for (std::size_t j = 0; j < fields.size(); ++j) {
            long lonSum = 0;
            double latSum = 0;
            int count = 0;
            for (const std::uint16_t v : z.Skupiny[j].Fakule) {
                if (v == 0) continue;
                const Heliographic h = packedToHeliographic(eph, v);
                lonSum += LongitudeAcrossRotations(static_cast<int>(RoundHalfEven(h.Lon)), z.Rotace,
                                                   z.L0, z.Rotace);
                latSum += h.Lat;
                ++count;
            }
            if (count > 0) {
                fields[j].lon = static_cast<int>(std::trunc(static_cast<double>(lonSum) / count));
                fields[j].lat = static_cast<int>(std::trunc(latSum / count));
            }
        }
        // Largest mean longitude first; among equal ones the later field.
        for (std::size_t n = 0; n < fields.size(); ++n) {
            Field* best = nullptr;
            for (Field& f : fields)
                if (!f.used && f.lon >= NoFaculaeLongitude && (!best || f.lon >= best->lon))
                    best = &f;
            if (!best) break;
            best->used = true;
            line += FormatNumber(best->lon, "000.") + ";" + FormatNumber(best->lat, "00.") + ";";
        }
        out += line;
        out += CrLf;
    }
    return out;
}

std::string AsciiExportText(std::span<const TZaznam> records) {
    GeometryCache geometry;
    geometry.rebuild(records, 0, GeometryDetail::Groups);
    return AsciiExportText(records, geometry);
}

std::filesystem::path WriteAsciiExport(const ProgramDir& dir, std::span<const TZaznam> records,
                                       const GeometryCache& geometry) {
    checkDates(records, geometry);
    // Each piece goes to the file while the next ones are formatted.
    const std::filesystem::path path = dir.resolve(AsciiExportName);
    WriteFileAtomic(path, [&](const std::function<void(std::string_view)>& write) {
        writePieces(records, geometry, 0, write);
    });
    return path;
}

std::filesystem::path WriteFaculaePositions(const ProgramDir& dir,
                                            std::span<const TZaznam> records) {
    const std::string text = FaculaePositionsText(records);
    const std::filesystem::path folder = dir.ensureFolder(CSVFolderName);
    const std::filesystem::path path = ProgramDir(folder).resolve(FaculaePositionsName);
    WriteFileAtomic(path, text);
    return path;
}

} // namespace hk
