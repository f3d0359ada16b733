#include "render/butterfly.h"

#include <QImage>
#include <QPolygon>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "render/font_roles.h"

namespace hk {

namespace {

const QColor MinorLine(180, 180, 180);
const QColor MinorLineFaint(220, 220, 220);
const QColor AxisNoMinor(200, 200, 200);
const QColor RotationLine(150, 150, 150);
const QColor SupplementaryFaculae(255, 100, 100);
const QColor SupplementarySpots(60, 60, 60);
const QColor OwnFaculae(255, 10, 10);
const QColor MeanCurve(255, 0, 255);
const QColor SmoothedCurve(255, 0, 0);
const QColor BoundsCurve(0, 0, 255);
constexpr int SupplementaryColumns = 820;
constexpr int CoronaFirstRotation = 1145; // of the corona's column 0
constexpr double RotationsPerYear = 13.4;
constexpr double DaysPerRotationOfYear = 27.276;

// A rectangle of the old drawing rules, pen and brush of one colour: it
// covers x1..x2 - 1 and y1..y2 - 1 (corners in any order).
void gdiRect(QVector<QRect>& out, int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 > x1 && y2 > y1) out.push_back(QRect(x1, y1, x2 - x1, y2 - y1));
}

void fill(QPainter& p, const QVector<QRect>& rects, const QColor& c) {
    for (const QRect& r : rects)
        p.fillRect(r, c);
}

// Text whose top-left corner is at (x, y).
void textAt(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 400, 400), Qt::AlignLeft | Qt::AlignTop, s);
}

} // namespace

int ButterflyStartRotation(const ButterflyModel& model, const ButterflyOptions& o) {
    return ButterflyAxisOf(model, o.supplementary).start;
}

void PaintButterfly(QPainter& p, const QRect& area, const ButterflyModel& model,
                    const ButterflyOptions& o) {
    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    const int W = area.width(), H = area.height();
    p.fillRect(QRect(0, 0, W, H), Qt::white);
    p.setFont(SansFont(o.fontPixels));

    const int hs = o.rotationScale;
    const int vs = o.latitudeScale;
    const int sx = o.sx;
    // The vertical scroll moves everything alike.
    const int y0 = H / 2 + o.equatorOffset - o.sy;
    const int w = hs - hs / 2 + 1;
    const int top = y0 - 90 * vs, bottom = y0 + 90 * vs;
    const ButterflyAxis axis = ButterflyAxisOf(model, o.supplementary);
    const int P = axis.start;
    const int range = ButterflyScrollRange(model, o);
    auto visible = [W](int x) { return x >= -20 && x <= W + 20; };

    // Corona underlay, under the grid and within the axis.
    if (o.corona && model.corona && !model.coronaColumns.empty()) {
        p.save();
        p.setClipRect(QRect(50 - sx, 0, range - 50, H), Qt::IntersectClip);
        if (w == hs) {
            // Columns touch: one grey image, each pixel a band of a column.
            const int columns = static_cast<int>(model.coronaColumns.size());
            QImage bands(columns, 36, QImage::Format_RGB32);
            for (int j = 0; j < columns; ++j)
                for (int i = 0; i < 36; ++i) {
                    const int g = model.coronaColumns[std::size_t(j)][std::size_t(i)];
                    bands.setPixel(j, i, qRgb(g, g, g));
                }
            const int x = (CoronaFirstRotation - P) * hs + 50 - sx;
            const int yTop = y0 + vs / 2 + (5 - 90) * vs - 5 * vs;
            p.drawImage(QRect(x, yTop, columns * hs, 36 * 5 * vs), bands);
        } else {
            QVector<QRect> band;
            for (std::size_t j = 0; j < model.coronaColumns.size(); ++j) {
                const int x = (CoronaFirstRotation - P + static_cast<int>(j)) * hs + 50 - sx;
                if (!visible(x)) continue;
                for (int i = 1; i <= 36; ++i) {
                    const int g = model.coronaColumns[j][std::size_t(i - 1)];
                    const int ya = y0 + vs / 2 + (5 * i - 90) * vs;
                    band.clear();
                    gdiRect(band, x, ya, x + w, ya - 5 * vs);
                    fill(p, band, QColor(g, g, g));
                }
            }
        }
        p.restore();
    }

    // Frame and grid, as long as the axis.
    QColor last = AxisNoMinor;
    {
        QVector<QLine> strong, faint;
        if (hs == 4) {
            for (int i = 1; 10 * i <= axis.rotations(); ++i) {
                const int x = 10 * i * hs + 50 - sx;
                if (visible(x)) strong.push_back(QLine(x, top, x, bottom));
            }
            last = MinorLine;
        } else if (hs >= 8) {
            for (int i = 1; i <= axis.rotations(); ++i) {
                const int x = i * hs + 50 - sx;
                if (visible(x)) (i % 10 == 0 ? strong : faint).push_back(QLine(x, top, x, bottom));
            }
            last = MinorLine;
        }
        p.setPen(MinorLineFaint);
        p.drawLines(faint);
        p.setPen(MinorLine);
        p.drawLines(strong);
    }
    p.setPen(last);
    p.drawLine(50 - sx, top, 50 - sx, bottom);
    // Labelled rotation lines about 100 pixels apart, at round rotations.
    const int step = hs >= 8 ? 10 : hs == 4 ? 20 : 100 / hs;
    p.setPen(RotationLine);
    for (int R = P - P % step + step; R <= axis.end; R += step) {
        const int x = (R - P) * hs + 50 - sx;
        p.drawLine(x, top, x, bottom);
        p.setPen(Qt::black);
        textAt(p, x, bottom + 10, QString::number(R));
        p.setPen(RotationLine);
    }
    for (int b = 90; b >= -90; b -= 10) {
        const int y = y0 - b * vs;
        p.setPen(RotationLine);
        p.drawLine(50 - sx, y, range - sx, y);
        p.setPen(Qt::black);
        textAt(p, 30 - sx, y - 5, QString::number(b));
    }

    // Data.
    if (o.underlay) {
        const bool spots = o.butterflyMode == 1 || o.butterflyMode == 3;
        const bool faculae = o.butterflyMode == 2 || o.butterflyMode == 3;
        QVector<QRect> rects;
        QVector<QLine> lines;
        if (o.supplementary && model.supplementary.present) {
            if (faculae) {
                for (const SupplementaryFaculaeMark& f : model.supplementary.faculae) {
                    const int n = f.rotation - P;
                    if (n >= SupplementaryColumns) break;
                    const int x = n * hs + 49 - sx;
                    if (!visible(x)) continue;
                    const int y1 = (f.lower - 128) * vs, y2 = (f.upper - 128) * vs;
                    if (o.faculaeBars)
                        gdiRect(rects, x, y0 + 2 - y1, n * hs + 50 - sx + hs / 2, y0 - 2 - y2);
                    else
                        lines.push_back(QLine(x, y0 - y1, x, y0 - y2));
                }
                p.setPen(SupplementaryFaculae);
                p.drawLines(lines);
                fill(p, rects, SupplementaryFaculae);
                rects.clear();
                lines.clear();
            }
            if (spots) {
                for (const SupplementarySpotMark& s : model.supplementary.spots) {
                    const int n = s.rotation - P;
                    if (n >= SupplementaryColumns) break;
                    const int x = n * hs + 49 - sx;
                    if (!visible(x)) continue;
                    const int y = s.width * vs;
                    gdiRect(rects, x, y0 + 2 - y, n * hs + 50 - sx + hs / 2, y0 - 2 - y);
                }
                fill(p, rects, SupplementarySpots);
                rects.clear();
            }
        }
        if (faculae) {
            auto draw = [&](int n, int lmax, int lmin) {
                const int x = n * hs + 50 - sx;
                if (!visible(x)) return;
                const int yTop = (2 * y0 - vs * lmax) / 2;
                const int yBottom = (2 * y0 - vs * lmin) / 2;
                if (o.faculaeBars)
                    gdiRect(rects, x, yTop, x + w, yBottom);
                else
                    lines.push_back(QLine(x - 1, yTop, x - 1, yBottom));
            };
            for (const FaculaeColumn& c : model.faculaeColumns) {
                if (c.key >= P) {
                    if (!visible((c.key - P) * hs + 50 - sx)) continue;
                    for (std::uint32_t i = c.mergedFrom; i < c.mergedTo; ++i)
                        draw(c.key - P, model.faculaeMerged[i].lmax, model.faculaeMerged[i].lmin);
                    continue;
                }
                for (std::uint32_t i = c.rawFrom; i < c.rawTo; ++i) {
                    const ButterflyFacula& f = model.faculae[i];
                    draw(static_cast<int>(std::trunc((f.a + (f.rotation - P) * 360.0) / 360.0)),
                         f.lmax, f.lmin);
                }
            }
            p.setPen(OwnFaculae);
            p.drawLines(lines);
            fill(p, rects, OwnFaculae);
            rects.clear();
            lines.clear();
        }
        if (spots && vs >= LatitudeScaleMin && vs <= LatitudeScaleMax) {
            for (const ButterflyMark& mark : model.marks) {
                const int x = (model.firstRotation - P + mark.r - 1) * hs + 50 - sx;
                if (!visible(x)) continue;
                const int m = mark.m[std::size_t(vs - 1)];
                gdiRect(rects, x, y0 + vs / 2 - m, x + w, y0 - 2 - m);
            }
            fill(p, rects, Qt::black);
        }
    }

    // Overlays.
    if (!model.empty) {
        const GroupLatitudes& v = model.latitudes;
        auto xr = [&](int r) { return (model.firstRotation - P + r - 1) * hs + 50 - sx; };
        if (o.meanCurve || o.allCurves) {
            p.setPen(QPen(MeanCurve, 2));
            for (int h = 0; h < 2; ++h) {
                QPolygon line;
                for (int r = 1; r <= v.rotationCount; ++r) {
                    const RotationLatitudes& t = v.rotation(r);
                    line << QPoint(xr(r), y0 - static_cast<int>(
                                                   std::trunc(vs * (h == 0 ? t.North : t.South))));
                }
                p.drawPolyline(line);
            }
        }
        if (o.smoothedCurve || o.allCurves) {
            p.setPen(QPen(SmoothedCurve, 2));
            for (int h = 0; h < 2; ++h) {
                QPolygon line;
                for (int r = 3; r <= v.rotationCount - 3; ++r)
                    line << QPoint(xr(r), static_cast<int>(
                                              std::trunc(y0 - vs * v.smoothed(r)[std::size_t(h)])));
                if (line.size() > 1) p.drawPolyline(line);
            }
        }
        if ((o.bounds || o.allCurves) && model.date1) {
            p.setPen(QPen(BoundsCurve, 1));
            const double sinceNewYear =
                DaySerial(*model.date1) - DaySerial(Date{model.date1->year, 1, 1});
            const int d =
                static_cast<int>(std::nearbyint(sinceNewYear / DaysPerRotationOfYear)) - 1;
            const int x0 = (model.firstRotation - P) * hs + 50 - hs - sx;
            using Field = float YearLatitudes::*;
            const Field fields[] = {&YearLatitudes::northMax, &YearLatitudes::southMin,
                                    &YearLatitudes::northMin, &YearLatitudes::southMax};
            for (int Y = 1; Y < static_cast<int>(v.yearTable.size()); ++Y) {
                const int xa =
                    x0 + static_cast<int>(std::trunc(((Y - 1) * RotationsPerYear - d) * hs));
                const int xb = x0 + static_cast<int>(std::trunc((Y * RotationsPerYear - d) * hs));
                for (Field f : fields) {
                    const int ya = static_cast<int>(
                        std::trunc(y0 - vs * (v.yearTable[std::size_t(Y - 1)].*f)));
                    const int yb =
                        static_cast<int>(std::trunc(y0 - vs * (v.yearTable[std::size_t(Y)].*f)));
                    p.drawLine(xa, ya, xa, yb);
                    p.drawLine(xa, yb, xb, yb);
                }
            }
        }
    }

    if (o.scale) {
        p.setPen(Qt::black);
        for (int b = 90; b >= -90; b -= 10)
            textAt(p, 30, y0 - b * vs - 5, QString::number(b));
    }
    p.restore();
}

PictureData ButterflyPictureData(const ButterflyModel& model, const ButterflyOptions& o) {
    PictureData out;
    out.axis = "rotace";
    if (model.empty) return out;
    const GroupLatitudes& v = model.latitudes;
    const int hs = o.rotationScale;
    const int vs = o.latitudeScale;
    const bool marks = (o.butterflyMode == 1 || o.butterflyMode == 3) && vs >= LatitudeScaleMin &&
                       vs <= LatitudeScaleMax;
    const bool mean = o.meanCurve || o.allCurves;
    const bool smoothed = o.smoothedCurve || o.allCurves;
    const bool bounds = (o.bounds || o.allCurves) && model.date1;
    int last = v.rotationCount;
    std::vector<std::vector<double>> marksOf; // rotation index -> latitudes
    if (marks)
        for (const ButterflyMark& m : model.marks) {
            if (m.r < 1) continue;
            if (m.r >= static_cast<int>(marksOf.size())) marksOf.resize(std::size_t(m.r) + 1);
            marksOf[std::size_t(m.r)].push_back(double(m.m[std::size_t(vs - 1)]) / vs);
            last = std::max(last, m.r);
        }
    std::size_t markColumns = 0;
    for (const auto& m : marksOf)
        markColumns = std::max(markColumns, m.size());
    if (mean) {
        out.columns.push_back("průměrná šířka sever");
        out.columns.push_back("průměrná šířka jih");
    }
    if (smoothed) {
        out.columns.push_back("vyhlazená šířka sever");
        out.columns.push_back("vyhlazená šířka jih");
    }
    using Field = float YearLatitudes::*;
    const Field fields[] = {&YearLatitudes::northMax, &YearLatitudes::northMin,
                            &YearLatitudes::southMax, &YearLatitudes::southMin};
    if (bounds)
        for (const char* name :
             {"roční hranice sever nejdál od rovníku", "roční hranice sever nejblíž rovníku",
              "roční hranice jih nejblíž rovníku", "roční hranice jih nejdál od rovníku"})
            out.columns.push_back(name);
    for (std::size_t i = 1; i <= markColumns; ++i)
        out.columns.push_back("značka " + std::to_string(i));

    // The year whose bounds are drawn over rotation r: its horizontal line
    // runs from x0 + Trunc(((Y - 1) * 13.4 - d) * hs) to x0 + Trunc((Y * 13.4
    // - d) * hs), and rotation r stands at x0 + r * hs.
    int d = 0;
    if (bounds) {
        const double sinceNewYear =
            DaySerial(*model.date1) - DaySerial(Date{model.date1->year, 1, 1});
        d = static_cast<int>(std::nearbyint(sinceNewYear / DaysPerRotationOfYear)) - 1;
    }
    auto yearOver = [&](int r) {
        for (int Y = 1; Y < static_cast<int>(v.yearTable.size()); ++Y) {
            const int xa = static_cast<int>(std::trunc(((Y - 1) * RotationsPerYear - d) * hs));
            const int xb = static_cast<int>(std::trunc((Y * RotationsPerYear - d) * hs));
            if (r * hs >= xa && r * hs < xb) return Y;
        }
        return 0;
    };
    for (int r = 1; r <= last; ++r) {
        PictureData::Row row;
        row.key = std::to_string(model.firstRotation + r - 1);
        const RotationLatitudes& t = v.rotation(r);
        const bool inRecords = r <= v.rotationCount;
        if (mean) {
            row.values.push_back(inRecords ? std::optional<double>(t.North) : std::nullopt);
            row.values.push_back(inRecords ? std::optional<double>(t.South) : std::nullopt);
        }
        if (smoothed) {
            const bool drawn = r >= 3 && r <= v.rotationCount - 3;
            for (std::size_t h = 0; h < 2; ++h)
                row.values.push_back(drawn ? std::optional<double>(v.smoothed(r)[h])
                                           : std::nullopt);
        }
        if (bounds) {
            const int Y = yearOver(r);
            for (Field f : fields)
                row.values.push_back(Y > 0 ? std::optional<double>(v.yearTable[std::size_t(Y)].*f)
                                           : std::nullopt);
        }
        if (r < static_cast<int>(marksOf.size()))
            for (double m : marksOf[std::size_t(r)])
                row.values.push_back(m);
        out.rows.push_back(std::move(row));
    }
    return out;
}

void PrintButterfly(QPainter& p, const QRect& page, const QSize& client,
                    const ButterflyModel& model, const ButterflyOptions& options) {
    const int width = std::max(1, client.width() - 5);
    const double scale = double(page.width()) / width;
    p.save();
    p.translate(page.topLeft());
    p.scale(scale, scale);
    p.setClipRect(QRect(0, 0, width, client.height()));
    PaintButterfly(p, QRect(QPoint(0, 0), client), model, options);
    p.restore();
}

void PaintButterflyPicture(QPainter& p, const QRect& area, const ButterflyPicture& picture) {
    PaintButterfly(p, area, *picture.model, picture.options);
}

void PrintButterflyPicture(QPainter& p, const QRect& page, const ButterflyPicture& picture) {
    PrintButterfly(p, page, QSize(picture.clientWidth, picture.clientHeight), *picture.model,
                   picture.options);
}

} // namespace hk
