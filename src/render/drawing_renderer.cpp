#include "render/drawing_renderer.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include <QFontMetrics>
#include <QPolygon>

#include "drawing/disk_grid.h"
#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/group_layout.h"
#include "drawing/leaf.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "render/class_colours.h"
#include "render/font_roles.h"
#include "text/number_format.h"

namespace hk {

namespace {

const QColor LightYellow(255, 255, 180);
const QColor SpecialRed(255, 0, 0);
const QColor FaculaePen(255, 150, 150);
const QColor FaculaeBrush(255, 200, 200);
const QColor AuxSpot1(10, 10, 205);
const QColor AuxSpot2(205, 23, 10);
const QColor Grey125(125, 125, 125);
const QColor SpotCountBlue(0, 0, 255);

constexpr std::array<const char*, 20> PanelLabels = {
    "Čas UT", "Podmínky", "Obraz", "Kvalita", "Rotace", "Lt", "Bo", "P",  "gc",     "fc",
    "rc",     "F",        "g",     "f",       "r",      "CV", "SN", "RB", "Plocha", "Polokoule"};

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Time of day hhmm in the long time format "H:mm:ss".
QString longTime(std::uint16_t time) {
    const int minutes = (time / 100 * 60 + time % 100) % (24 * 60);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:00", minutes / 60, minutes % 60);
    return QString::fromLatin1(text);
}

class Picture {
  public:
    Picture(QPainter& p, const DrawingModel& m, const DrawingOptions& o,
            std::vector<DrawnText>* texts = nullptr)
        : p_(p), m_(m), o_(o), s_{o.zoomK}, z_(m.record), special_(!m.record.Zvlastni.empty()),
          texts_(texts) {}

    void paint() {
        textPanel();
        disk();
        if (o_.showMagnetic) magnetic();
        faculae();
        groups();
        rowCaptions();
    }

  private:
    int xy(int v) const { return s_.xy(v); }
    QPoint at(DrawingPoint d) const { return {xy(d.x), xy(d.y)}; }

    void setSans(int points) { p_.setFont(SansFont(s_.font(points))); }
    void setSerif(int points) { p_.setFont(SerifFont(s_.font(points))); }

    // Text with its top-left corner at the logical point (transparent).
    void text(int lx, int ly, const QString& t) { textAt(xy(lx), xy(ly), t); }
    // Text ending `widthLogical` logical units right of lx.
    void textRight(int lx, int ly, int widthLogical, const QString& t) {
        textAt(xy(lx + widthLogical) - p_.fontMetrics().horizontalAdvance(t), xy(ly), t);
    }
    // Text with its top-left corner at the pixel (x, top).
    void textAt(int x, int top, const QString& t) {
        const QFontMetrics fm = p_.fontMetrics();
        p_.drawText(x, top + fm.ascent(), t);
        if (texts_) texts_->push_back({t, QRect(x, top, fm.horizontalAdvance(t), fm.height())});
    }

    void textPanel() {
        p_.setPen(Qt::black);
        setSans(13);
        text(540, 20, q("Datum :             " + z_.Datum.text()));
        if (z_.CisloZakresu != 0) text(800, 20, q(DrawingNumberText(z_.CisloZakresu)));
        text(540, 45, q("Pozorovatel :   " + z_.Pozorovatel.text()));
        text(540, 70, q("Stanice :           " + z_.Stanice.text()));

        setSerif(12);
        for (int i = 1; i <= 20; ++i)
            text(570, 100 + 18 * i, QString::fromUtf8(PanelLabels[i - 1]));

        // Values right-aligned to 50 pixels of the normal zoom (57 logical).
        constexpr int valueX = 678, valueW = 57;
        auto value = [&](int y, const QString& t) { textRight(valueX, y, valueW, t); };
        value(118, longTime(z_.Cas));
        value(136, QString::number(z_.PP));
        value(154, QString::number(z_.Obr));
        value(172, QString::number(z_.Q));
        if (m_.ephemeris) {
            value(190, QString::number(m_.ephemeris->CarrRotation));
            value(208, q(FormatNumber(m_.ephemeris->L0, "##0.00")));
            value(226, q(FormatNumber(m_.ephemeris->B0, "##0.00")));
            value(244, q(FormatNumber(m_.ephemeris->P, "##0.00")));
        }
        value(262, QString::number(z_.qc));
        value(280, QString::number(z_.fc));
        value(298, QString::number(z_.rc));
        value(316, QString::number(z_.PocetFakuli));

        const TSouhrn& t = m_.summary;
        const std::array<std::array<int, 2>, 8> rows = {{{t.gSev, t.gJih},
                                                         {t.fSev, t.fJih},
                                                         {t.RSev, t.RJih},
                                                         {t.CVSev, t.CVJih},
                                                         {t.SNSev, t.SNJih},
                                                         {t.RBSev, t.RBJih},
                                                         {t.PlSev, t.PlJih},
                                                         {t.PkSev, t.PkJih}}};
        // A special record shows the first six rows: with its hemispheres
        // when its first group is a limb marker, otherwise only the sums.
        const bool marker = z_.groupCount() > 0 && IsHemisphereMarker(z_.Skupiny[0]);
        const int rowCount = special_ ? 6 : 8;
        const bool hemispheres = !special_ || marker;
        constexpr int sumW = 32; // 28 pixels of the normal zoom
        for (int j = 0; j < rowCount; ++j) {
            const int y = 334 + 18 * j;
            if (hemispheres) {
                textRight(699, y, sumW, QString::number(rows[j][0]));
                textRight(750, y, sumW, QString::number(rows[j][1]));
            }
            textRight(650, y, sumW, QString::number(rows[j][0] + rows[j][1]));
        }
        if (hemispheres) {
            text(570, 478, QStringLiteral("Plocha fakulí"));
            textRight(699, 478, sumW, QString::number(FaculaeArea(m_.faculaePixels)));
        }
    }

    void disk() {
        p_.setPen(Qt::black);
        p_.setBrush(special_ ? SpecialRed : (o_.print ? QColor(Qt::white) : LightYellow));
        const int l = xy(DiskCentre - DiskRadius), r = xy(DiskCentre + DiskRadius);
        p_.drawEllipse(QRect(l, l, r - l, r - l));
        p_.setBrush(Qt::white);

        // Direction letters in the panel's font.
        text(10, 270, QString::fromLatin1(o_.orientEW == 1 ? "W" : "E"));
        text(540, 270, QString::fromLatin1(o_.orientEW == 1 ? "E" : "W"));
        text(270, 10, QString::fromLatin1(o_.orientNS == 1 ? "N" : "S"));

        for (const auto& line : m_.grid.parallels)
            polyline(line);
        polyline(m_.grid.zeroMeridian);
    }

    // A point of the standard orientation, mirrored as the options say. The
    // grid computed for a mirrored orientation is exactly this mirror (its
    // rounding is symmetric about 0), so the model keeps one grid.
    DrawingPoint oriented(DrawingPoint d) const {
        return {o_.orientEW * (d.x - DiskCentre) + DiskCentre,
                o_.orientNS * (d.y - DiskCentre) + DiskCentre};
    }

    void polyline(const std::vector<DrawingPoint>& line) {
        if (line.size() < 2) return;
        QPolygon poly;
        poly.reserve(static_cast<int>(line.size()));
        for (const auto& pt : line)
            poly << at(oriented(pt));
        p_.drawPolyline(poly);
    }

    void magnetic() {
        // One batch of points per brightness.
        std::array<QPolygon, 256> byBrightness;
        for (const MagneticPixel& px : m_.magnetic)
            byBrightness[px.c] << at(oriented({px.x, px.y}));
        for (int c = 0; c < 256; ++c) {
            if (byBrightness[c].isEmpty()) continue;
            p_.setPen(QColor(c, c, 255));
            p_.drawPoints(byBrightness[c]);
        }
    }

    void faculae() {
        p_.setPen(FaculaePen);
        p_.setBrush(FaculaeBrush);
        for (int k = 0; k < z_.faculaeCount(); ++k) {
            QPolygon poly;
            for (const auto& pt : FaculaePolygon(z_.Skupiny[k], o_.orientEW, o_.orientNS))
                poly << at(pt);
            p_.drawPolygon(poly, Qt::OddEvenFill);
        }
        p_.setBrush(Qt::white);
    }

    void spot(const AuxSpot& a, const QColor& colour) {
        const int r = std::max(1, xy(a.radius));
        p_.setPen(colour);
        p_.setBrush(colour);
        const QPoint c = at(a.centre);
        p_.drawEllipse(QRect(c.x() - r, c.y() - r, 2 * r, 2 * r));
    }

    void groups() {
        setSerif(10);
        const GroupCircles circles = ComputeGroupCircles(z_, o_.orientEW, o_.orientNS);
        for (int k = 0; k < z_.groupCount(); ++k) {
            const TSkupina& g = z_.Skupiny[k];
            const GroupCircle& c = circles[k];
            const std::string groupClass = g.Typ.text();
            const char letter = groupClass.empty() ? ' ' : groupClass.front();

            if (const auto a1 = PlaceAuxSpot(g.Pomocna1, g.Plo1, o_.orientEW, o_.orientNS)) {
                const QColor colour = ClassColour(letter);
                p_.setPen(colour);
                p_.setBrush(colour);
                if (o_.showLeaves) {
                    const QPoint from = at(c.centre()), to = at(a1->centre);
                    QPolygon leaf;
                    for (const auto& pt : PlaceLeaf(from.x(), from.y(), to.x(), to.y()))
                        leaf << QPoint(pt.x, pt.y);
                    p_.drawPolygon(leaf, Qt::OddEvenFill);
                }
                spot(*a1, AuxSpot1);
            }
            if (const auto a2 = PlaceAuxSpot(g.Pomocna2, g.Plo2, o_.orientEW, o_.orientNS))
                spot(*a2, AuxSpot2);

            const int column = 30 + 38 * (k + 1);
            p_.setPen(SpotCountBlue);
            text(column, 600, QString::number(g.Poc));
            p_.setPen(Qt::black);
            text(column, 623, QString::number(g.CSk1));
            text(column, 638, QString::number(g.CSk2));
            text(column, 540, q(groupClass));

            if (!special_) {
                text(c.X + 2 * c.R + 2, c.Y + c.R - 6, QString::number(g.CSk2));
                if (m_.ephemeris) {
                    const Heliographic h = PolarToHeliographic(*m_.ephemeris, g.Uhel, g.Vzd);
                    text(column, 580, q(FormatNumber(h.Lon, "0.0")));
                    text(column, 560, q(FormatNumber(h.Lat, "0.0")));
                }
                const int r = std::max(1, xy(c.R));
                p_.setPen(Qt::black);
                p_.setBrush(Grey125);
                p_.drawEllipse(QRect(xy(c.X), xy(c.Y), 2 * r, 2 * r));
            }
            p_.setPen(Qt::black);
            p_.setBrush(Qt::white);
        }
    }

    void rowCaptions() {
        p_.setPen(Qt::black);
        setSerif(12);
        text(20, 540, QStringLiteral("Typ"));
        text(20, 560, QStringLiteral("b"));
        text(20, 580, QStringLiteral("l"));
        text(10, 600, QStringLiteral("p.skv."));
        text(10, 630, QStringLiteral("č. sku."));
    }

    QPainter& p_;
    const DrawingModel& m_;
    const DrawingOptions& o_;
    DrawingScale s_;
    const TZaznam& z_;
    bool special_;
    std::vector<DrawnText>* texts_;
};

} // namespace

QSize DrawingPictureSize(const DrawingOptions& o) {
    const DrawingScale s{o.zoomK};
    return {s.width(), s.height()};
}

void PaintDrawing(QPainter& painter, const QRect& target, const DrawingModel& model,
                  const DrawingOptions& options) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    Picture(painter, model, options).paint();
    painter.restore();
}

void PaintDrawingPicture(QPainter& painter, const QRect& target, const DrawingPicture& picture) {
    if (picture.model) {
        PaintDrawing(painter, target, *picture.model, picture.options);
    } else {
        painter.fillRect(target, Qt::white);
    }
}

QImage DrawingPictureImage(const DrawingPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDrawingPicture(painter, image.rect(), picture);
    painter.end();
    return image;
}

std::vector<DrawnText> DrawingTexts(const DrawingModel& model, const DrawingOptions& options) {
    std::vector<DrawnText> texts;
    QImage image(DrawingPictureSize(options), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Picture(painter, model, options, &texts).paint();
    return texts;
}

QImage RenderDrawingImage(const DrawingModel& model, const DrawingOptions& options) {
    QImage image(DrawingPictureSize(options), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintDrawing(painter, image.rect(), model, options);
    painter.end();
    return image;
}

PictureData DrawingPictureData(const DrawingModel& m) {
    PictureData out;
    out.axis = "skupina";
    out.columns = {"číslo 1", "číslo 2", "skvrny", "šířka", "délka"};
    const TZaznam& z = m.record;
    const bool special = !z.Zvlastni.empty();
    auto shown = [](double v) { return std::nearbyint(v * 10) / 10; };
    for (int k = 0; k < z.groupCount(); ++k) {
        const TSkupina& g = z.Skupiny[k];
        PictureData::Row row{std::to_string(k + 1),
                             {double(g.CSk1), double(g.CSk2), double(g.Poc)}};
        if (!special && m.ephemeris) {
            const Heliographic h = PolarToHeliographic(*m.ephemeris, g.Uhel, g.Vzd);
            row.values.push_back(shown(h.Lat));
            row.values.push_back(shown(h.Lon));
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace hk
