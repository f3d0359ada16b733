#include "maps/magnetosphere.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <map>
#include <mutex>
#include <numbers>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "drawing/magnetic_map.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "results/record_date.h"

namespace hk {

namespace {

constexpr std::uint16_t RowMarker = 64;
constexpr double PixelUnits = 1.173709; // units of the 250-unit disk per pixel
constexpr int CentreColumn = 250;
constexpr int CentreRow = 213;
constexpr std::uint16_t MagnetoTime = 1200; // the magnetograms are taken about noon

// The daily files of the folder Magneto by name; empty when there is none.
std::map<std::string, std::filesystem::path> listMagneto(const ProgramDir& dir) {
    std::map<std::string, std::filesystem::path> files;
    const std::filesystem::path folder = dir.resolve(MagnetoFolder);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec)) files.emplace(it->path().filename().string(), it->path());
    }
    return files;
}

// The words of a daily file; nullopt when it cannot be read.
std::optional<std::vector<std::uint16_t>> readDay(const std::filesystem::path& file) {
    try {
        return ReadMagneticMap(file).words;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool nearCentralMeridian(const Heliographic& h) {
    // CMD is the wrapped distance of the longitude from L0, so the window
    // holds across the 0/360 seam of L0 too.
    return std::fabs(h.CMD) <= MagnetoCmdWindow;
}

} // namespace

bool HasMagnetoData(const ProgramDir& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir.resolve(MagnetoFolder), ec);
}

void ForEachMagnetogramPixel(std::span<const std::uint16_t> words,
                             const std::function<void(int row, int column, int v)>& f) {
    int row = 1;
    for (const std::uint16_t w : words) {
        if (w == 0) break;
        if (w == RowMarker) {
            ++row;
            continue;
        }
        f(row, w >> 7, w & 63);
    }
}

std::optional<Heliographic> MagnetogramPixelToHeliographic(const Ephemeris& e, int row,
                                                           int column) {
    const double x = PixelUnits * (CentreColumn - column); // east, solar frame
    const double y = PixelUnits * (CentreRow - row);       // solar north
    const double r = std::sqrt(x * x + y * y);
    const double angle = std::atan2(x, y) + e.P * std::numbers::pi / 180; // from celestial north
    return PixelToHeliographic(e, static_cast<float>(r * std::sin(angle)),
                               static_cast<float>(r * std::cos(angle)));
}

int CentralMeridianRotation(const Ephemeris& e, const Heliographic& h) {
    return static_cast<int>(std::trunc((360 - e.L0 + h.CMD + e.CarrRotation * 360.0) / 360));
}

std::uint32_t MagnetoColour(int v) {
    const int c = v * 32;
    auto mod = [](int a) { return static_cast<std::uint32_t>(((a % 256) + 256) % 256); };
    if (c < 240) return mod(c) << 16 | mod(c) << 8 | 255u;
    return 255u << 16 | mod(255 - c) << 8 | mod(255 - c);
}

MapPixel MagnetoMapPixel(double lon, double lat, int s, int yOffset) {
    MapPixel p;
    p.x = ((760 * s) >> 4) - (static_cast<int>(std::trunc(2 * lon * s + 20.0 * s)) >> 4);
    p.y = (static_cast<int>(std::trunc(220.0 * s - 2 * lat * s)) >> 4) + yOffset;
    return p;
}

MagnetosphereData LoadMagnetosphere(const ProgramDir& dir, const Date& recordDate, int rotation,
                                    const MagnDatCells& magnCells) {
    MagnetosphereData data;
    data.rotation = rotation;
    const auto files = listMagneto(dir);
    const int first = DaySerial(recordDate) - MagnetoLayerDaysBefore;
    for (int d = 0; d < MagnetoLayerDays; ++d) {
        const Date date = DateFromSerial(first + d);
        const auto found = files.find(MagneticMapFileName(date));
        if (found == files.end()) continue;
        const auto words = readDay(found->second);
        if (!words) continue;
        ++data.files;
        const Ephemeris e = SolarEphemeris(date, MagnetoTime);
        ForEachMagnetogramPixel(*words, [&](int row, int column, int v) {
            const auto h = MagnetogramPixelToHeliographic(e, row, column);
            if (!h || !nearCentralMeridian(*h) || CentralMeridianRotation(e, *h) != rotation)
                return;
            data.points.push_back({static_cast<float>(h->Lon), static_cast<float>(h->Lat),
                                   static_cast<std::uint8_t>(v)});
        });
    }
    if (data.files == 0) {
        for (int r = 0; r < MagnRows; ++r)
            for (int c = 0; c < MagnColumns; ++c)
                if (const std::uint8_t b = magnCells.cell(rotation, r, c))
                    data.cells.push_back({r, c, b});
    }
    return data;
}

MagnetosphereLayer LayoutMagnetosphere(const MagnetosphereData& data, int s, int yOffset) {
    MagnetosphereLayer layer;
    layer.rotation = data.rotation;
    layer.s = s;
    layer.yOffset = yOffset;
    // One pixel per map position; a later magnetogram pixel overwrites an
    // earlier one, as setting the pixel on the canvas would.
    struct Entry {
        std::uint64_t key;
        std::uint32_t order;
        MapPixel p;
        std::uint32_t rgb;
    };
    std::vector<Entry> entries;
    entries.reserve(data.points.size());
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const MagnetoPoint& pt = data.points[i];
        const MapPixel p = MagnetoMapPixel(pt.lon, pt.lat, s, yOffset);
        const auto key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.y)) << 32) |
                         static_cast<std::uint32_t>(p.x);
        entries.push_back({key, static_cast<std::uint32_t>(i), p, MagnetoColour(pt.v)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.order < b.order;
    });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + 1 < entries.size() && entries[i + 1].key == entries[i].key) continue;
        layer.pixels.push_back(entries[i].p);
        layer.colours.push_back(entries[i].rgb);
    }
    for (const MagnetoCellValue& c : data.cells) {
        const MapPixel a = MagnetoMapPixel(4.0 * (c.column + 1), c.row - 59.0, s, yOffset);
        const MapPixel b = MagnetoMapPixel(4.0 * c.column, c.row - 60.0, s, yOffset);
        MagnetoRect r;
        r.x1 = a.x;
        r.y1 = a.y;
        r.x2 = std::max(b.x, a.x + 1);
        r.y2 = std::max(b.y, a.y + 1);
        r.rgb = MagnetoColour(c.value >> 4);
        layer.rects.push_back(r);
    }
    return layer;
}

int MagnBlocks(int lastRotation) {
    return std::max(0, lastRotation - (MagnFirstRotation - 1));
}

MagnDatCells ReadMagnDat(const ProgramDir& dir, int count) {
    try {
        return MagnDatCells::read(dir.resolve(MagnDatName), count);
    } catch (const std::exception&) {
        return {}; // unreadable: the map shows no cells (the start-up named the file)
    }
}

DrawingRotation MagnDrawingRotation(std::span<const TZaznam> records, const Date& today) {
    DrawingRotation result;
    if (records.empty()) return result;
    const TZaznam& last = records.back();
    const std::optional<Date> date = DrawingDate(last);
    if (!date) return result;
    const int byDate = SolarEphemeris(*date, 0).CarrRotation;
    const int byDateEnd = SolarEphemeris(*date, 2359).CarrRotation;
    if (last.Rotace + 1 < byDate || last.Rotace > byDateEnd + 1) {
        result.warning = "Poslední záznam (" + FormatDatum(*date) + ") má otočku " +
                         std::to_string(last.Rotace) + ", jeho datu odpovídá " +
                         std::to_string(byDate) +
                         "; velikost souboru magn.dat se podle ní "
                         "neurčuje.";
        return result;
    }
    result.rotation = std::min<int>(last.Rotace, SolarEphemeris(today, 2359).CarrRotation);
    return result;
}

namespace {

// What the summation needs of an image pixel, the same every day. For the
// transform as MagnetogramPixelToHeliographic makes it: the distance and
// direction from the disk centre in the Sun's frame. For the short way: the
// point's north, east and depth components on the 125-unit sphere (the turn
// by P there and back cancels), and how far the short way may stray from
// the transform there, in degrees: the transform's turn goes through 32-bit
// values and a distance lengthened by 1e-6, which moves a point on the disk
// by up to 0.0112 units, that is 0.0112 / depth radians on the sphere (taken
// twice, and a little more). `skip`: never summed, off the disk or so far
// east or west that the point lies more than 40 degrees from the central
// meridian whatever the day (|east| / 2 > 125 sin 40); `exactOnly`: near the
// limb, where the short way is not trusted.
struct PixelTerms {
    double r = 0;
    double angle = 0;
    float north = 0, east = 0, depth = 0;
    float margin = 0;
    bool skip = true;
    bool exactOnly = true;
};
constexpr int TableRows = 512;
constexpr int TableColumns = 512;       // a word's column is w shr 7: 0..511
constexpr int SummedColumns = 139;      // |250 - column| below this can be near the meridian
constexpr double ShortWayMinDepth = 30; // of 125 units: about 76 degrees from the disk centre
constexpr double Rad = 57.295779;       // the transforms' degrees per radian

const std::vector<PixelTerms>& pixelTable() {
    static const std::vector<PixelTerms> table = [] {
        std::vector<PixelTerms> t(std::size_t(TableRows) * TableColumns);
        for (int row = 0; row < TableRows; ++row)
            for (int column = 0; column < TableColumns; ++column) {
                PixelTerms& p = t[std::size_t(row) * TableColumns + std::size_t(column)];
                const double x = PixelUnits * (CentreColumn - column);
                const double y = PixelUnits * (CentreRow - row);
                p.r = std::sqrt(x * x + y * y);
                p.angle = std::atan2(x, y);
                p.skip = p.r > 250.01 || std::abs(CentreColumn - column) >= SummedColumns;
                const double depth2 = 15625 - (p.r / 2) * (p.r / 2);
                p.north = static_cast<float>(y / 2);
                p.east = static_cast<float>(x / 2);
                p.depth = static_cast<float>(depth2 > 0 ? std::sqrt(depth2) : 0);
                p.exactOnly = p.depth < ShortWayMinDepth;
                p.margin = p.exactOnly ? 0 : static_cast<float>(2 * 0.0112 / p.depth * Rad + 0.001);
            }
        return t;
    }();
    return table;
}

} // namespace

MagnetogramSummation::MagnetogramSummation(const Ephemeris& e)
    : e_(e), turn_(e.P * std::numbers::pi / 180), b0_(std::numbers::pi * e.B0 / 180),
      sinB0_(std::sin(b0_)), cosB0_(std::cos(b0_)), sin60_(std::sin(60 / Rad)) {
    for (int k = 0; k <= 120; ++k)
        rowSines_[std::size_t(k)] = std::sin((k - 60) / Rad);
}

bool MagnetogramSummation::cell(int row, int column, MagnCellIndex& out) const {
    if (row < 0 || row >= TableRows || column < 0 || column >= TableColumns) {
        const auto h = MagnetogramPixelToHeliographic(e_, row, column);
        return h && summed(*h, out);
    }
    const PixelTerms& p = pixelTable()[std::size_t(row) * TableColumns + std::size_t(column)];
    if (p.skip) return false;
    if (p.exactOnly) return exact(p.r, p.angle, out);
    // The short way: where the point lies on the sphere. A value within the
    // pixel's margin of a limit or a cell border is left to the transform.
    const double m = p.margin;
    const double den = cosB0_ * p.depth - sinB0_ * p.north;
    if (!(den > 1)) return exact(p.r, p.angle, out);
    const double cmd = std::atan(p.east / den) * Rad;
    if (std::fabs(cmd) > MagnetoCmdWindow + m) return false;
    if (std::fabs(cmd) >= MagnetoCmdWindow - m) return exact(p.r, p.angle, out);
    // The latitude only through its sine: a sine moves at most 1 / Rad a degree.
    const double s = (sinB0_ * p.depth + cosB0_ * p.north) * 0.008;
    const double sm = m / Rad;
    if (std::fabs(s) >= sin60_ + sm) return false;
    if (std::fabs(s) > sin60_ - sm) return exact(p.r, p.angle, out);
    // Row k: sin(k - 60) <= s < sin(k - 59).
    const auto above = std::upper_bound(rowSines_.begin(), rowSines_.end(), s);
    const std::size_t k = static_cast<std::size_t>(above - rowSines_.begin()) - 1;
    if (s - rowSines_[k] <= sm || rowSines_[k + 1] - s <= sm) return exact(p.r, p.angle, out);
    double lon = e_.L0 - cmd;
    if (lon > 360) lon -= 360;
    if (lon < 0) lon += 360;
    if (lon <= m || lon >= 360 - m) return exact(p.r, p.angle, out);
    // The rotation of the central-meridian passage, and the whole degree of
    // the continuous longitude (both positive: rotations from 1718 on).
    const double turns = (360 - e_.L0 + cmd + e_.CarrRotation * 360.0) / 360;
    if (!(turns > MagnFirstRotation)) return exact(p.r, p.angle, out);
    const long rotation = static_cast<long>(turns);
    const double turnsFraction = turns - static_cast<double>(rotation);
    if (turnsFraction <= m / 360 || turnsFraction >= 1 - m / 360) return exact(p.r, p.angle, out);
    const double continuous = static_cast<double>(rotation - 1717) * 360.0 + lon;
    const long whole = static_cast<long>(continuous);
    const double fraction = continuous - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= m) return exact(p.r, p.angle, out);
    // Filed as MagnCell files it.
    const long step = (whole + (fraction > 0.5 ? 1 : 0)) >> 2;
    out.rotation = static_cast<int>(MagnFirstRotation + (step / MagnColumns) - 1);
    out.column = static_cast<int>(step % MagnColumns);
    out.row = static_cast<int>(k);
    return out.rotation >= MagnFirstRotation && out.row < MagnRows - 1;
}

// The arithmetic of MagnetogramPixelToHeliographic and PolarToHeliographic,
// step by step in the same order, with the day's constants computed once.
bool MagnetogramSummation::exact(double r, double angleFromNorth, MagnCellIndex& out) const {
    const double angle = angleFromNorth + turn_;
    const float east = static_cast<float>(r * std::sin(angle));
    const float north = static_cast<float>(r * std::cos(angle));
    // PixelToHeliographic
    const double r2 = std::sqrt(double(east) * east + double(north) * north) + 0.000001;
    if (r2 > 250) return false;
    double a2 = std::acos(north / r2) / std::numbers::pi * 180;
    if (east < 0) a2 = 360 - a2;
    // PolarToHeliographic
    const double angleTenths = a2 * 10;
    double distTenths = r2 * 5;
    if (distTenths > 1250) distTenths = 1250;
    const double a = (0.1 * angleTenths - e_.P) * std::numbers::pi / 180;
    const double x = std::cos(a) * distTenths * 0.1;
    const double y = std::sin(a) * distTenths * 0.1;
    const double z = std::sqrt(15625 - (0.1 * distTenths) * (0.1 * distTenths));
    Heliographic h;
    const double den = cosB0_ * z - sinB0_ * x;
    h.CMD = den == 0 ? std::copysign(90.0, y) : std::atan(y / den) * Rad;
    if (!nearCentralMeridian(h)) return false;
    const double s = (sinB0_ * z + cosB0_ * x) * 0.008;
    const double c2 = 1 - s * s;
    h.Lat = c2 <= 0 ? std::copysign(90.0, s) : std::atan(s / std::sqrt(c2)) * Rad;
    h.Lon = e_.L0 - h.CMD;
    if (h.Lon > 360) h.Lon -= 360;
    if (h.Lon < 0) h.Lon += 360;
    return summed(h, out);
}

bool MagnetogramSummation::summed(const Heliographic& h, MagnCellIndex& out) const {
    return std::fabs(h.Lat) < 60 && nearCentralMeridian(h) &&
           MagnCell(CentralMeridianRotation(e_, h), h.Lat, h.Lon, out);
}

namespace {

// A day's cells in pixel order (a later pixel of the day wins).
struct DayCell {
    std::uint32_t block;
    std::uint16_t at; // row * 90 + column
    std::uint8_t v;
};
struct DayResult {
    bool read = false;
    std::vector<DayCell> cells;
};

DayResult sumDay(const std::filesystem::path& file, const Date& date) {
    DayResult day;
    const auto words = readDay(file);
    if (!words) return day;
    day.read = true;
    const MagnetogramSummation sum(SolarEphemeris(date, MagnetoTime));
    int row = 1;
    for (const std::uint16_t w : *words) {
        if (w == 0) break;
        if (w == RowMarker) {
            ++row;
            continue;
        }
        MagnCellIndex c{};
        if (!sum.cell(row, w >> 7, c)) continue;
        day.cells.push_back({static_cast<std::uint32_t>(c.rotation - MagnFirstRotation),
                             static_cast<std::uint16_t>(c.row * MagnColumns + c.column),
                             static_cast<std::uint8_t>(w & 63)});
    }
    return day;
}

// Days decoded by worker threads, handed to the caller in day order through
// a window of slots, so the buffer is filled exactly as one thread would
// fill it and memory stays bounded by the window.
class OrderedDays {
  public:
    OrderedDays(std::vector<std::pair<Date, std::filesystem::path>> jobs, unsigned threads)
        : jobs_(std::move(jobs)), slots_(std::max<std::size_t>(1, threads * 8)) {
        for (unsigned i = 0; i < threads; ++i)
            workers_.emplace_back([this] { work(); });
    }
    ~OrderedDays() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        for (std::thread& t : workers_)
            t.join();
    }

    // The result of job i; jobs are taken in order 0, 1, 2, ...
    DayResult take(std::size_t i) {
        if (workers_.empty()) return sumDay(jobs_[i].second, jobs_[i].first);
        std::unique_lock lock(mutex_);
        Slot& slot = slots_[i % slots_.size()];
        changed_.wait(lock, [&] { return slot.job == i && slot.done; });
        DayResult result = std::move(slot.result);
        slot.done = false;
        slot.job = NoJob;
        taken_ = i + 1;
        changed_.notify_all();
        return result;
    }

  private:
    static constexpr std::size_t NoJob = static_cast<std::size_t>(-1);
    struct Slot {
        std::size_t job = NoJob;
        bool done = false;
        DayResult result;
    };

    void work() {
        std::unique_lock lock(mutex_);
        while (true) {
            changed_.wait(lock, [&] {
                return stop_ || (next_ < jobs_.size() && next_ < taken_ + slots_.size());
            });
            if (stop_) return;
            const std::size_t i = next_++;
            slots_[i % slots_.size()].job = i;
            lock.unlock();
            DayResult result = sumDay(jobs_[i].second, jobs_[i].first);
            lock.lock();
            slots_[i % slots_.size()].result = std::move(result);
            slots_[i % slots_.size()].done = true;
            changed_.notify_all();
        }
    }

    std::vector<std::pair<Date, std::filesystem::path>> jobs_;
    std::vector<Slot> slots_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t next_ = 0;
    std::size_t taken_ = 0;
    bool stop_ = false;
};

} // namespace

std::optional<MagnDatCells> SumMagnetosphereInto(const ProgramDir& dir, const Date& today,
                                                 MagnDatCells buffer,
                                                 const MagnSumProgress& progress,
                                                 MagnetosphereSumResult& result, unsigned threads) {
    if (!HasMagnetoData(dir)) throw std::runtime_error(NoMagnetosphereData);
    const auto files = listMagneto(dir);
    const int first = DaySerial(MagnSumStart);
    const int total = std::max(0, DaySerial(today) - first + 1);
    // The days that have a file, in order; the others only count.
    std::vector<std::pair<Date, std::filesystem::path>> jobs;
    std::vector<int> jobDay;
    for (int d = 0; d < total; ++d) {
        const Date date = DateFromSerial(first + d);
        const auto found = files.find(MagneticMapFileName(date));
        if (found == files.end()) continue;
        jobs.emplace_back(date, found->second);
        jobDay.push_back(d);
    }
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    if (jobs.size() < 2 || threads == 1) threads = 0; // no worker: decoded here, in turn
    OrderedDays days(std::move(jobs), threads);
    std::size_t next = 0;
    for (int d = 0; d < total; ++d) {
        if (next < jobDay.size() && jobDay[next] == d) {
            const DayResult day = days.take(next++);
            if (day.read) ++result.files;
            for (const DayCell& c : day.cells) {
                buffer.store({static_cast<int>(c.block) + MagnFirstRotation, c.at / MagnColumns,
                              c.at % MagnColumns},
                             c.v);
                ++result.pixels;
            }
        }
        result.days = d + 1;
        if (progress && !progress(d + 1, total)) {
            result.cancelled = true;
            return std::nullopt;
        }
    }
    return buffer;
}

MagnetosphereSumResult SumMagnetosphere(const ProgramDir& dir, const Date& today, int lastRotation,
                                        const MagnSumProgress& progress) {
    MagnetosphereSumResult result;
    if (!HasMagnetoData(dir)) throw std::runtime_error(NoMagnetosphereData);
    // The cells of the existing file are kept (those of daily files removed
    // since too), so a file that cannot be read is never replaced.
    result.file = dir.resolve(MagnDatName);
    MagnDatCells start = MagnDatCells::readWhole(result.file);
    start.resize(start.usedRotations());
    auto buffer = SumMagnetosphereInto(dir, today, std::move(start), progress, result);
    if (!buffer) return result;
    if (result.files == 0)
        throw std::runtime_error(std::string(NoMagnetosphereData) +
                                 ": ve složce Magneto není žádný denní magnetogram od " +
                                 FormatDatum(MagnSumStart) + "; magn.dat se nezapsal.");
    // Sizes from the data: the blocks that hold a cell, and those up to the
    // last drawing's rotation, which the maps read.
    result.blocks = std::max(buffer->usedRotations(), MagnBlocks(lastRotation));
    buffer->resize(result.blocks);
    WriteFileAtomic(result.file,
                    std::string_view(reinterpret_cast<const char*>(buffer->bytes().data()),
                                     buffer->bytes().size()));
    return result;
}

std::optional<std::filesystem::path> MagnetoPicturePath(const ProgramDir& dir, int rotation) {
    const std::string relative =
        std::string(MagnetoPictureFolder) + "/On" + std::to_string(rotation) + ".bmp";
    std::error_code ec;
    const std::filesystem::path path = dir.resolve(relative);
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    return path;
}

} // namespace hk
