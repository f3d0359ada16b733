#include "render/graph_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "render/class_colours.h"
#include "render/font_roles.h"
#include "text/number_format.h"

namespace hk {

namespace {

QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString q(const char* s) {
    return QString::fromUtf8(s);
}

// Sizes given for the old screen fonts in points, as pixels at 96 dpi.
QFont font(int body) {
    return SansFont(std::max(6, body * 4 / 3));
}

void text(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
}

void textRight(QPainter& p, int x, int y, int width, const QString& s) {
    p.drawText(QRect(x, y, width, 400), Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, s);
}

const QColor Grey(200, 200, 200);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// Indices [from, to) of the records whose x lies in [xFrom, xTo], one more on
// each side so that lines leaving the view are drawn.
std::pair<std::size_t, std::size_t> visibleRange(const std::vector<int>& days, double xFrom,
                                                 double xTo) {
    const auto from =
        std::lower_bound(days.begin(), days.end(), static_cast<int>(std::floor(xFrom)));
    const auto to = std::upper_bound(from, days.end(), static_cast<int>(std::ceil(xTo)));
    std::size_t a = static_cast<std::size_t>(from - days.begin());
    std::size_t b = static_cast<std::size_t>(to - days.begin());
    if (a > 0) --a;
    if (b < days.size()) ++b;
    return {a, b};
}

void frame(QPainter& p, const QRect& r, const GraphModel& m, const GraphPanel& panel, int sx) {
    const int step = m.geometry.step;
    const int f = panel.f;
    const int y0 = r.top() + panel.base;
    const int x0 = r.left() + 50 - sx;
    const bool position = m.data->quantity == GraphQuantity::Position;
    const QString heading = q(GraphPanelHeading(m.data->quantity, panel.number)) +
                            QStringLiteral("   ") + q(QuantityInfoOf(m.data->quantity).title);
    const QFont yearFont = font(std::max(1, step * 12 / 17));
    const QFont monthFont = font(7);
    // On a narrowed time axis the years are labelled (with the heading beside
    // the label) every so many that one label and heading end before the next
    // label, and the month names are left out where a month is narrower than
    // its name.
    int yearStep = 1;
    bool monthNames = true;
    if (m.dayDivisor > 1) {
        const int yearPixels = std::max(1, m.x(365));
        const QFontMetrics years(yearFont);
        const int labelWidth =
            std::max(years.horizontalAdvance(QStringLiteral("0000")),
                     (position ? 120 : 3 * step) + years.horizontalAdvance(heading)) +
            20;
        yearStep = std::max(1, (labelWidth + yearPixels - 1) / yearPixels);
        monthNames =
            QFontMetrics(monthFont).horizontalAdvance(QStringLiteral("Čer")) + 4 <= m.x(28);
    }
    for (const MonthLine& c : m.months) {
        const int x = x0 + c.x;
        if (x < r.left() - 400 || x > r.right() + 10) continue;
        if (c.month == 0) {
            p.setPen(Qt::black);
            // The year and the heading only over a year with drawings (the
            // January after the last drawing has no room for them), every
            // yearStep-th year on a narrowed axis.
            if (c.x <= m.xLast) {
                p.setFont(yearFont);
                const int y = y0 - (11 * step + m.e) * f;
                const int n = c.year - m.months.front().year;
                if (n % yearStep == 0) {
                    text(p, x, y, QString::number(c.year));
                    text(p, position ? r.left() + c.x + 120 - sx : x + 3 * step, y, heading);
                }
            }
        } else {
            p.setPen(Grey);
        }
        p.drawLine(x, y0 + 10, x, y0 - 10 * step * f);
        if (!monthNames) continue;
        p.setPen(Qt::black);
        p.setFont(monthFont);
        if (m.d > 1 && m.dayDivisor == 1)
            text(p, x + 10, y0 + 2, q(MonthName(c.month, true)));
        else
            text(p, x + 3, y0 + 2, q(MonthName(c.month, false)));
    }
    const int xEnd = r.left() + m.xLast + 200 - sx;
    p.setFont(font(8));
    for (int i = 0; i <= 10; ++i) {
        const int y = y0 - i * step * f;
        p.setPen(i == 0 ? QColor(Qt::black) : Grey);
        p.drawLine(x0, y, xEnd, y);
        if (i > 0) {
            p.setPen(Qt::black);
            textRight(p, r.left() + 10 - sx - 30, y - 8, 30 + 30,
                      QString::number(m.scale[static_cast<std::size_t>(i - 1)]));
        }
    }
}

void scale(QPainter& p, const QRect& r, const GraphModel& m, const GraphPanel& panel) {
    const int step = m.geometry.step;
    const int y0 = r.top() + panel.base;
    p.fillRect(QRect(r.left() + 1, y0 - 11 * step * panel.f, 48, 11 * step * panel.f + 1),
               Qt::white);
    p.setPen(Qt::black);
    p.setFont(font(8));
    const int every = r.width() < 620 ? 2 : 1;
    for (int i = every; i <= 10; i += every)
        textRight(p, r.left() + 1, y0 - i * step * panel.f - 8, 44,
                  QString::number(m.scale[static_cast<std::size_t>(i - 1)]));
}

QPen pen(const QColor& c, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(c, width, style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A curve through its points with the painter's pen; a curve of one point
// is a mark of the pen's colour, 5 pixels square, so that it is seen.
void drawCurvePoints(QPainter& p, const QPolygon& body) {
    if (body.size() >= 2)
        p.drawPolyline(body);
    else if (body.size() == 1)
        p.fillRect(QRect(body[0] - QPoint(2, 2), QSize(5, 5)), p.pen().color());
}

} // namespace

void PaintGraphPicture(QPainter& p, const QRect& r, const GraphPicture& picture) {
    PaintGraph(p, r, picture.model, picture.options);
}

void PaintGraph(QPainter& p, const QRect& r, const GraphModel& m, const GraphOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    if (m.data && m.geometry.step > 0) {
        const GraphData& data = *m.data;
        const int sx = o.offset;
        const double daysPerPixel = double(m.dayDivisor) / m.d;
        const double xFrom = (-50.0 + sx) * daysPerPixel;
        const double xTo = (r.width() - 50.0 + sx) * daysPerPixel;
        const auto [from, to] = visibleRange(data.days, xFrom, xTo);
        for (const GraphPanel& panel : m.panels) {
            frame(p, r, m, panel, sx);
            QColor colour = Qt::black;
            if (m.panels.size() == 3 && panel.number == 2) colour = Red;
            if (m.panels.size() == 3 && panel.number == 3) colour = Blue;
            if (to - from < 2) continue;
            QPolygon line;
            line.reserve(static_cast<int>(to - from));
            const int y0 = r.top() + panel.base;
            for (std::size_t k = from; k < to; ++k)
                line << QPoint(r.left() + m.x(data.days[k]) + 50 - sx,
                               y0 - m.value(panel, k) * panel.f);
            p.setPen(pen(colour, 1));
            p.drawPolyline(line);
        }
        if (o.scale)
            for (const GraphPanel& panel : m.panels)
                scale(p, r, m, panel);
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// Smoothed graphs

const QColor AreaColour(0, 128, 0);
const QColor FluxColour(0, 140, 160);

QColor ComparisonColour(int S) {
    return ClassColours[static_cast<std::size_t>(std::clamp(S, 1, 9) - 1)];
}

void PaintSmoothedPicture(QPainter& p, const QRect& r, const SmoothedPicture& picture) {
    PaintSmoothed(p, r, *picture.data, picture.options());
}

void PaintSmoothed(QPainter& p, const QRect& r, const SmoothedData& data,
                   const SmoothedOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    const int yStep = std::max(1, r.height() / 45);
    const int yb = 40 * yStep;
    const int w = SmoothedMonthWidth(o.Z, r.height());
    const int U = SmoothedQuantityInfoOf(data.S).U;
    const int divisor = std::max(1, o.divisor);
    auto X = [&](int t) { return r.left() + t * w + 30 - o.offset; };
    auto Y = [&](long v, long denominator) {
        return r.top() + yb - static_cast<int>(v * yb / denominator);
    };
    const int tEnd = std::max(data.tLast + 12, 24);

    // Grid: twenty lines, a value of 10 x U at the top.
    p.setFont(font(8));
    for (int j = 0; j <= 20; ++j) {
        const int y = r.top() + yb - j * yb / 20;
        p.setPen(j == 0 ? QColor(Qt::black) : Grey);
        p.drawLine(r.left() + 30, y, r.right(), y);
        if (j > 0 && j % 2 == 0) {
            p.setPen(Qt::black);
            // The top value stays inside the picture.
            textRight(p, r.left(), std::max(r.top(), y - 7), 27,
                      QString::number(j / 2 * U * 80 / divisor));
        }
    }
    // Month and year marks; the years every so many that their numbers
    // do not run into each other at a narrow zoom.
    const int yearWidth = p.fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 6;
    const int yearStep = std::max(1, (yearWidth + 12 * w - 1) / (12 * w));
    for (int t = 1; t <= tEnd; ++t) {
        const int x = X(t);
        if (x < r.left() + 30 || x > r.right()) continue;
        const bool january = (t - 1) % 12 == 0;
        const bool year = january && (t - 1) / 12 % yearStep == 0;
        p.setPen(january ? QColor(Qt::black) : Grey);
        p.drawLine(x, r.top() + yb, x, r.top() + yb + (year ? 12 : 5));
        if (january) {
            p.setPen(QColor(230, 230, 230));
            p.drawLine(x, r.top() + yb, x, r.top());
            p.setPen(Qt::black);
            if (year)
                text(p, x + 2, r.top() + yb + 4, QString::number(data.firstYear + (t - 1) / 12));
        }
    }

    // Curves stay right of the scale.
    p.setClipRect(r.adjusted(30, 0, 0, 0));
    const bool comparison = o.brusselsCurve != nullptr || !o.comparison.empty() ||
                            o.areasCurve != nullptr || o.tok != nullptr;
    auto curve = [&](const MonthlyCurve& k, const QColor& colour, Qt::PenStyle style, int unit,
                     bool raw) {
        const long denominator = static_cast<long>(unit) * divisor;
        if (raw) {
            QPolygon c;
            for (std::size_t i = 0; i < k.t.size(); ++i)
                c << QPoint(X(k.t[i]), Y(k.value[i], denominator));
            p.setPen(pen(colour.lighter(150), 1, style));
            drawCurvePoints(p, c);
        }
        if (k.smoothFrom <= k.smoothTo) {
            QPolygon c;
            for (int t = k.smoothFrom; t <= k.smoothTo; ++t)
                c << QPoint(X(t), Y(k.smooth[static_cast<std::size_t>(t)], denominator * 24));
            p.setPen(pen(colour, 2, style));
            drawCurvePoints(p, c);
        }
    };
    switch (o.H) {
    case HemisphereOption::Disk:
        curve(data.curves[0], Qt::black, Qt::SolidLine, U, !comparison);
        break;
    case HemisphereOption::North:
        curve(data.curves[1], Red, Qt::SolidLine, U, !comparison);
        break;
    case HemisphereOption::South:
        curve(data.curves[2], Blue, Qt::DashLine, U, !comparison);
        break;
    case HemisphereOption::Both:
        curve(data.curves[1], Red, Qt::SolidLine, U, true);
        curve(data.curves[2], Blue, Qt::DashLine, U, true);
        break;
    }
    int legendX = 0;
    auto legendEntry = [&](const QColor& colour, Qt::PenStyle style, const QString& s) {
        const int y = r.top() + 8 + 16 * legendX++;
        p.setPen(pen(colour, 2, style));
        p.drawLine(r.left() + 40, y + 7, r.left() + 70, y + 7);
        p.setPen(Qt::black);
        text(p, r.left() + 76, y, s);
    };
    p.setFont(font(9));
    if (o.H == HemisphereOption::Both) {
        legendEntry(Red, Qt::SolidLine, QStringLiteral("sever"));
        legendEntry(Blue, Qt::DashLine, QStringLiteral("jih"));
    } else {
        legendEntry(o.H == HemisphereOption::North   ? Red
                    : o.H == HemisphereOption::South ? Blue
                                                     : QColor(Qt::black),
                    o.H == HemisphereOption::South ? Qt::DashLine : Qt::SolidLine,
                    q(SmoothedQuantityInfoOf(data.S).title).trimmed());
    }
    for (const SmoothedData* d : o.comparison) {
        if (!d || d->S == data.S) continue;
        const QColor colour = ComparisonColour(d->S);
        curve(d->curves[0], colour, Qt::DashDotLine, SmoothedQuantityInfoOf(d->S).U, false);
        legendEntry(colour, Qt::DashDotLine, q(SmoothedQuantityInfoOf(d->S).title).trimmed());
    }
    // Outside monthly series: unscaled means, so a mean of 10 x unit
    // reaches the top like the records' curves.
    auto outside = [&](const OutsideCurve* k, int unit, const QColor& colour, Qt::PenStyle style,
                       const QString& name, const QString& upper) {
        if (!k || k->t.empty()) return;
        const long denominator = 3L * unit * divisor;
        QPolygon c;
        for (std::size_t i = 0; i < k->t.size(); ++i)
            c << QPoint(X(k->t[i]), Y(k->M24[i], denominator));
        p.setPen(pen(colour, 2, style));
        drawCurvePoints(p, c);
        legendEntry(colour, style,
                    name + QStringLiteral("   (horní čára ") + upper + QLatin1Char(')'));
    };
    const QString topArea = QString::number(10L * AreaUnit * 80 / divisor);
    const bool both = o.H == HemisphereOption::Both;
    outside(o.areasCurve, AreaUnit, AreaColour, Qt::DashDotDotLine,
            QStringLiteral("Brusel plochy") +
                (both || o.H == HemisphereOption::North ? QStringLiteral(" sever")
                 : o.H == HemisphereOption::South       ? QStringLiteral(" jih")
                                                        : QString()),
            topArea);
    if (both)
        outside(o.southAreasCurve, AreaUnit, AreaColour, Qt::DotLine,
                QStringLiteral("Brusel plochy jih"), topArea);
    static const char* const Fluxes[3] = {"OBS", "ADJ", "ABS"};
    outside(o.tok, FluxUnit, FluxColour, Qt::DashLine,
            QStringLiteral("Rádiový tok ") + QLatin1String(Fluxes[static_cast<int>(o.fluxOption)]),
            QString::number(FluxUnit * 80L / divisor) + QStringLiteral(" sfu"));
    if (o.brusselsCurve && !o.brusselsCurve->t.empty()) {
        QPolygon c;
        for (std::size_t i = 0; i < o.brusselsCurve->t.size(); ++i) {
            const long v = o.brusselsCurve->M24[i] * yb / (9600L * divisor / 80);
            c << QPoint(X(o.brusselsCurve->t[i]),
                        r.top() + yb - static_cast<int>(std::nearbyint(o.k * v)));
        }
        p.setPen(pen(Qt::black, 2, Qt::DotLine));
        drawCurvePoints(p, c);
        legendEntry(Qt::black, Qt::DotLine,
                    QStringLiteral("Brusel R x ") + q(FormatNumber(o.k, "0.00")));
    }
    p.restore();
}

PictureData SmoothedPictureData(const SmoothedData& data, const SmoothedOptions& o) {
    struct DataColumn {
        std::string name;
        std::vector<std::pair<int, double>> body; // month index, value
    };
    std::vector<DataColumn> columns;
    const std::string title = q(SmoothedQuantityInfoOf(data.S).title).trimmed().toStdString();
    auto records = [&](const MonthlyCurve& k, const std::string& name, bool raw) {
        if (raw) {
            DataColumn s{name + ": měsíční průměr", {}};
            for (std::size_t i = 0; i < k.t.size(); ++i)
                s.body.emplace_back(k.t[i], k.value[i] / 8.0);
            columns.push_back(std::move(s));
        }
        DataColumn s{name + ": vyhlazený průměr", {}};
        for (int t = k.smoothFrom; t <= k.smoothTo; ++t)
            s.body.emplace_back(t, k.smooth[static_cast<std::size_t>(t)] / 192.0);
        columns.push_back(std::move(s));
    };
    auto outside = [&](const OutsideCurve* k, const std::string& name, double unit) {
        if (!k || k->t.empty()) return;
        DataColumn s{name + ": vyhlazený průměr", {}};
        for (std::size_t i = 0; i < k->t.size(); ++i)
            s.body.emplace_back(k->t[i], k->M24[i] / 24.0 * unit);
        columns.push_back(std::move(s));
    };
    const bool comparison = o.brusselsCurve != nullptr || !o.comparison.empty() ||
                            o.areasCurve != nullptr || o.tok != nullptr;
    switch (o.H) {
    case HemisphereOption::Disk:
        records(data.curves[0], title, !comparison);
        break;
    case HemisphereOption::North:
        records(data.curves[1], title + " sever", !comparison);
        break;
    case HemisphereOption::South:
        records(data.curves[2], title + " jih", !comparison);
        break;
    case HemisphereOption::Both:
        records(data.curves[1], title + " sever", true);
        records(data.curves[2], title + " jih", true);
        break;
    }
    for (const SmoothedData* d : o.comparison)
        if (d && d->S != data.S)
            records(d->curves[0], q(SmoothedQuantityInfoOf(d->S).title).trimmed().toStdString(),
                    false);
    const bool both = o.H == HemisphereOption::Both;
    outside(o.areasCurve,
            std::string("Brusel plochy") + (both || o.H == HemisphereOption::North ? " sever"
                                            : o.H == HemisphereOption::South       ? " jih"
                                                                                   : ""),
            1.0);
    if (both) outside(o.southAreasCurve, "Brusel plochy jih", 1.0);
    static const char* const Fluxes[3] = {"OBS", "ADJ", "ABS"};
    outside(o.tok, std::string("Rádiový tok ") + Fluxes[static_cast<int>(o.fluxOption)] + " (sfu)",
            0.1);
    outside(o.brusselsCurve, "Brusel R x " + FormatNumber(o.k, "0.00"), o.k);

    PictureData out;
    out.axis = "měsíc";
    int from = 0, to = -1;
    for (const DataColumn& s : columns)
        for (const auto& [t, v] : s.body) {
            if (to < from) from = to = t;
            from = std::min(from, t);
            to = std::max(to, t);
        }
    for (const DataColumn& s : columns)
        out.columns.push_back(s.name);
    if (to < from) return out;
    out.rows.resize(static_cast<std::size_t>(to - from + 1));
    for (int t = from; t <= to; ++t) {
        // Month index 1 is January of the year of record 1.
        const int m0 = t - 1;
        const int year = data.firstYear + (m0 >= 0 ? m0 / 12 : -((-m0 + 11) / 12));
        const int month = m0 - (year - data.firstYear) * 12 + 1;
        char monthKey[32];
        std::snprintf(monthKey, sizeof monthKey, "%04d-%02d", year, month);
        PictureData::Row& r = out.rows[static_cast<std::size_t>(t - from)];
        r.key = monthKey;
        r.values.assign(columns.size(), std::nullopt);
    }
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (const auto& [t, v] : columns[c].body)
            out.rows[static_cast<std::size_t>(t - from)].values[c] = v;
    return out;
}

// ---------------------------------------------------------------------------
// Asymmetry graph

void PaintAsymmetryPicture(QPainter& p, const QRect& r, const AsymmetryPicture& picture) {
    PaintAsymmetry(p, r, *picture.graph, picture.options);
}

void PaintAsymmetry(QPainter& p, const QRect& r, const AsymmetryGraph& g,
                    const AsymmetryOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    const int gap = std::max(1, r.height() / 12);
    const int y0 = r.top() + 6 * gap;
    const double perDay = 2.0 / std::max(1, o.factor);
    const int startDay = AsymmetryStartDay(g);
    auto X = [&](double den) {
        return r.left() + 50 + static_cast<int>(std::floor((den - startDay) * perDay)) - o.offset;
    };
    auto Y = [&](double v) { return y0 - static_cast<int>(std::nearbyint(v / g.unit * gap)); };

    // Months: a line at each, heavier at each year with the year at January.
    p.setFont(font(7));
    const int every = o.factor < 16 ? 1 : 3;
    for (std::size_t i = 0; i < g.months.size(); ++i) {
        const AsymmetryBar& m = g.months[i];
        const int x = X(m.fromDay);
        if (x < r.left() - 40 || x > r.right()) continue;
        p.setPen(m.firstOfYear ? pen(Qt::black, 2) : pen(Grey, 1));
        p.drawLine(x, y0 - 5 * gap, x, y0 + 5 * gap);
        p.setPen(Qt::black);
        if (m.firstOfYear) {
            p.setFont(font(9));
            text(p, x + 3, y0 - 5 * gap - 18, QString::number(m.year));
            p.setFont(font(7));
        }
        if ((m.month - 1) % every == 0) text(p, x + 2, y0 + 5 * gap + 2, QString::number(m.month));
    }
    // Eleven lines around the zero line.
    p.setFont(font(8));
    for (int i = -5; i <= 5; ++i) {
        const int y = y0 - i * gap;
        p.setPen(i == 0 ? pen(Qt::black, 1) : pen(Grey, 1));
        p.drawLine(r.left() + 50, y, r.right(), y);
        p.setPen(Qt::black);
        QString s = QString::number(i * g.unit);
        if (g.kind == AsymmetryKind::Ratio) s += QLatin1Char('%');
        p.fillRect(QRect(r.left(), y - 7, 48, 14), Qt::white);
        textRight(p, r.left(), y - 7, 46, s);
    }
    if (g.period == AsymmetryPeriod::PerRecord) {
        if (g.body.size() >= 2) {
            const double xFrom = (o.offset - 50.0) / perDay + startDay;
            const double xTo = (r.width() + o.offset) / perDay + startDay;
            std::vector<int> days;
            days.reserve(g.body.size());
            for (const AsymmetryPoint& b : g.body)
                days.push_back(b.den);
            const auto [from, to] = visibleRange(days, xFrom, xTo);
            QPolygon c;
            for (std::size_t k = from; k < to; ++k)
                c << QPoint(X(g.body[k].den), Y(g.body[k].value));
            p.setPen(pen(Qt::black, 1));
            p.drawPolyline(c);
        }
    } else {
        for (const AsymmetryBar& s : g.columns) {
            const int x1 = X(s.fromDay);
            const int x2 = std::max(x1 + 1, X(s.toDay) - 1);
            if (x2 < r.left() || x1 > r.right()) continue;
            const int y = Y(s.value);
            const QRect column = QRect(QPoint(x1, std::min(y, y0)), QPoint(x2, std::max(y, y0)));
            p.fillRect(column, s.value >= 0 ? QColor(255, 150, 150) : QColor(150, 150, 255));
            p.setPen(pen(Qt::black, 1));
            p.drawRect(column);
        }
    }
    p.setPen(Qt::black);
    p.setFont(font(10));
    const QString kind = g.kind == AsymmetryKind::Ratio ? QStringLiteral("Podílová  asym")
                                                        : QStringLiteral("Rozdílová  asym");
    static const char* const Periods[3] = {"Záznamový", "Měsíční", "Roční"};
    p.fillRect(QRect(r.left() + 55, r.top() + 2, 600, 18), Qt::white);
    text(p, r.left() + 60, r.top() + 3,
         q(SmoothedQuantityInfoOf(g.S).title).trimmed() + QStringLiteral("   ") + kind +
             QStringLiteral("   ") + q(Periods[static_cast<int>(g.period) - 1]) +
             QStringLiteral("   (sever +, jih -)"));
    p.restore();
}

} // namespace hk
