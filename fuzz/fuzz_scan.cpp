// The measurement of scanned drawings: the disk finder over a grey picture,
// the painted-area count, the display table, the calibration conversions of
// clicked points and the faculae packing, and the entry grid's row reader.
//
// The first byte chooses how the picture is made: either the input's bytes
// tiled over the picture, or a drawn disk (centre, radius, line width, ink
// and paper taken from the input) with the remaining bytes written over it
// as blots, so that the finder's outline search and fit are reached.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "measure/area_mask.h"
#include "measure/calibration.h"
#include "measure/disk_finder.h"
#include "measure/display_lut.h"
#include "measure/faculae_entry.h"
#include "measure/group_draft.h"

using namespace hk;

namespace {

struct Input {
    const std::uint8_t* p;
    std::size_t n;
    std::size_t at = 0;
    int byte() { return at < n ? p[at++] : 0; }
    int word() { return byte() | byte() << 8; }
    bool done() const { return at >= n; }
};

std::vector<std::uint8_t> picture(Input& in, int& w, int& h, int& stride) {
    const int mode = in.byte();
    w = 1 + in.word() % 900;
    h = 1 + in.word() % 900;
    stride = w + in.byte() % 8;
    std::vector<std::uint8_t> px(static_cast<std::size_t>(stride) * h);
    if (mode % 2 == 0) {
        const std::size_t rest = in.n - std::min(in.n, in.at);
        for (std::size_t i = 0; i < px.size(); ++i)
            px[i] = rest ? in.p[in.at + i % rest] : 0;
        return px;
    }
    const double cx = in.word() % (w + 40) - 20.0, cy = in.word() % (h + 40) - 20.0;
    const double r = in.word() % 700, width = 0.5 + in.byte() % 12;
    const int ink = in.byte(), paper = in.byte();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            px[static_cast<std::size_t>(y) * stride + x] =
                static_cast<std::uint8_t>(std::fabs(d - r) <= width ? ink : paper);
        }
    while (!in.done()) {
        const int x0 = in.word() % w, y0 = in.word() % h, side = 1 + in.byte() % 40;
        const int v = in.byte();
        for (int y = y0; y < std::min(h, y0 + side); ++y)
            for (int x = x0; x < std::min(w, x0 + side); ++x)
                px[static_cast<std::size_t>(y) * stride + x] = static_cast<std::uint8_t>(v);
    }
    return px;
}

PicturePoint point(Input& in) {
    // The command line and the window give points of at most six digits.
    auto coordinate = [&] {
        const int v = in.word() | in.byte() << 16;
        return v % 2000001 - 1000000;
    };
    const int x = coordinate();
    return {x, coordinate()};
}

void check(bool ok) {
    if (!ok) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    Input in{data + 1, size - 1};
    switch (data[0] % 3) {
    case 0: {
        int w = 0, h = 0, stride = 0;
        const std::vector<std::uint8_t> px = picture(in, w, h, stride);
        const GreyImageView view{w, h, stride, px.data()};
        if (const auto disk = FindDisk(view))
            check(std::isfinite(disk->x) && std::isfinite(disk->y) && std::isfinite(disk->radius) &&
                  disk->radius > 0);
        check(CountPainted(view) <= static_cast<long>(w) * h);
        break;
    }
    case 1: {
        const int brightness = in.word() % (BrightnessMax - BrightnessMin + 1) + BrightnessMin;
        const int contrast = in.word() % (ContrastMax - ContrastMin + 1) + ContrastMin;
        const DisplayLut lut = MakeDisplayLut(brightness, contrast);
        const int w = std::max<int>(1, static_cast<int>((in.n - in.at) / 4));
        std::vector<std::uint8_t> src(static_cast<std::size_t>(w) * 4), dst(src.size());
        for (std::size_t i = 0; i < src.size() && !in.done(); ++i)
            src[i] = static_cast<std::uint8_t>(in.byte());
        ApplyDisplayLut(lut, src.data(), w * 4, dst.data(), w * 4, w, 1);
        break;
    }
    case 2: {
        const PicturePoint centre = point(in), north = point(in);
        const Calibration cal = Calibrate(centre, north);
        FacPoints fp{};
        const int fields = 1 + in.byte() % MaxFacFields;
        for (int k = 0; k < fields && !in.done(); ++k)
            for (int j = 0; j < FaculaeVertexCount && !in.done(); ++j)
                fp[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)] = point(in);
        TZaznam z{};
        StoreFaculae(z, fields, fp, cal);
        if (cal.calibrated()) {
            const PicturePoint p = point(in);
            const PolarPosition s = SpotPosition(cal, p);
            check(s.angle >= 0 && s.angle <= 360 && s.distance >= 0);
            const VertexPosition v = FaculaeVertex(cal, p);
            check(v.angle >= 0 && v.angle < 360);
            FormatTenths(s.angle);
            FormatTenths(s.distance);
        }
        // The rest is a row of the entry grid, cells separated by ';'.
        DraftRow row;
        std::size_t col = 0;
        while (!in.done()) {
            const char c = static_cast<char>(in.byte());
            if (c == ';') {
                if (++col == row.size()) break;
            } else {
                row[col] += c;
            }
        }
        const auto draft = ParseGroupRow(row);
        if (const auto* d = std::get_if<GroupDraft>(&draft)) {
            DraftRowOf(*d);
            GroupDrafts drafts{};
            drafts[0] = *d;
            TZaznam rec{};
            rec.Datum.setText("01.01.2020");
            rec.Cas = 1200;
            WriteGroups(rec, drafts, 125);
        }
        break;
    }
    }
    return 0;
}
