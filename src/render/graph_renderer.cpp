#include "render/graph_renderer.h"

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
QFont pismo(int body) {
    return SansFont(std::max(6, body * 4 / 3));
}

void text(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
}

void textVpravo(QPainter& p, int x, int y, int sirka, const QString& s) {
    p.drawText(QRect(x, y, sirka, 400), Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, s);
}

const QColor Seda(200, 200, 200);
const QColor Cervena(255, 0, 0);
const QColor Modra(0, 0, 255);

// Indices [od, po) of the records whose x lies in [xOd, xPo], one more on
// each side so that lines leaving the view are drawn.
std::pair<std::size_t, std::size_t> viditelne(const std::vector<int>& dny, double xOd, double xPo) {
    const auto od = std::lower_bound(dny.begin(), dny.end(), static_cast<int>(std::floor(xOd)));
    const auto po = std::upper_bound(od, dny.end(), static_cast<int>(std::ceil(xPo)));
    std::size_t a = static_cast<std::size_t>(od - dny.begin());
    std::size_t b = static_cast<std::size_t>(po - dny.begin());
    if (a > 0) --a;
    if (b < dny.size()) ++b;
    return {a, b};
}

void ramec(QPainter& p, const QRect& r, const GrafModel& m, const GrafPanel& panel, int sx) {
    const int krok = m.rozmer.krok;
    const int f = panel.f;
    const int y0 = r.top() + panel.zaklad;
    const int x0 = r.left() + 50 - sx;
    const bool poloha = m.data->rada == GrafRada::Poloha;
    static const char* const Hlavicky[3] = {"SEVER + JIH", "SEVER", "JIH"};
    static const char* const Polohy[3] = {"Východ", "Střed", "Západ"};
    const QString nadpis = q(poloha ? Polohy[panel.cislo - 1] : Hlavicky[panel.cislo - 1]) +
                           QStringLiteral("   ") + q(Popis(m.data->rada).titulek);
    const QFont rokPismo = pismo(std::max(1, krok * 12 / 17));
    const QFont mesicPismo = pismo(7);
    for (const MesicniCara& c : m.mesice) {
        const int x = x0 + c.x;
        if (x < r.left() - 400 || x > r.right() + 10) continue;
        if (c.mesic == 0) {
            p.setPen(Qt::black);
            // The year and the heading only over a year with drawings: the
            // January after the last drawing has no room for them.
            if (c.x <= m.xPosledni) {
                p.setFont(rokPismo);
                const int y = y0 - (11 * krok + m.e) * f;
                text(p, x, y, QString::number(c.rok));
                text(p, poloha ? r.left() + c.x + 120 - sx : x + 3 * krok, y, nadpis);
            }
        } else {
            p.setPen(Seda);
        }
        p.drawLine(x, y0 + 10, x, y0 - 10 * krok * f);
        p.setPen(Qt::black);
        p.setFont(mesicPismo);
        if (m.d > 1)
            text(p, x + 10, y0 + 2, q(NazevMesice(c.mesic, true)));
        else
            text(p, x + 3, y0 + 2, q(NazevMesice(c.mesic, false)));
    }
    const int xKonec = r.left() + m.xPosledni + 200 - sx;
    p.setFont(pismo(8));
    for (int i = 0; i <= 10; ++i) {
        const int y = y0 - i * krok * f;
        p.setPen(i == 0 ? QColor(Qt::black) : Seda);
        p.drawLine(x0, y, xKonec, y);
        if (i > 0) {
            p.setPen(Qt::black);
            textVpravo(p, r.left() + 10 - sx - 30, y - 8, 30 + 30,
                       QString::number(m.stupnice[static_cast<std::size_t>(i - 1)]));
        }
    }
}

void stupnice(QPainter& p, const QRect& r, const GrafModel& m, const GrafPanel& panel) {
    const int krok = m.rozmer.krok;
    const int y0 = r.top() + panel.zaklad;
    p.fillRect(QRect(r.left() + 1, y0 - 11 * krok * panel.f, 48, 11 * krok * panel.f + 1),
               Qt::white);
    p.setPen(Qt::black);
    p.setFont(pismo(8));
    const int kazda = r.width() < 620 ? 2 : 1;
    for (int i = kazda; i <= 10; i += kazda)
        textVpravo(p, r.left() + 1, y0 - i * krok * panel.f - 8, 44,
                   QString::number(m.stupnice[static_cast<std::size_t>(i - 1)]));
}

QPen pero(const QColor& c, qreal sirka, Qt::PenStyle styl = Qt::SolidLine) {
    QPen pen(c, sirka, styl);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A curve through its points with the painter's pen; a curve of one point
// is a mark of the pen's colour, 5 pixels square, so that it is seen.
void krivkaBody(QPainter& p, const QPolygon& body) {
    if (body.size() >= 2)
        p.drawPolyline(body);
    else if (body.size() == 1)
        p.fillRect(QRect(body[0] - QPoint(2, 2), QSize(5, 5)), p.pen().color());
}

} // namespace

int GrafSirka(const GrafModel& model) {
    return model.xPosledni + 200;
}

void PaintGraf(QPainter& p, const QRect& r, const GrafModel& m, const GrafOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    if (m.data && m.rozmer.krok > 0) {
        const GrafData& data = *m.data;
        const int sx = o.posun;
        const double xOd = (r.left() - r.left() - 50.0 + sx) / m.d;
        const double xPo = (r.width() - 50.0 + sx) / m.d;
        const auto [od, po] = viditelne(data.dny, xOd, xPo);
        for (const GrafPanel& panel : m.panely) {
            ramec(p, r, m, panel, sx);
            QColor barva = Qt::black;
            if (m.panely.size() == 3 && panel.cislo == 2) barva = Cervena;
            if (m.panely.size() == 3 && panel.cislo == 3) barva = Modra;
            if (po - od < 2) continue;
            QPolygon cara;
            cara.reserve(static_cast<int>(po - od));
            const int y0 = r.top() + panel.zaklad;
            for (std::size_t k = od; k < po; ++k)
                cara << QPoint(r.left() + data.dny[k] * m.d + 50 - sx,
                               y0 - m.hodnota(panel, k) * panel.f);
            p.setPen(pero(barva, 1));
            p.drawPolyline(cara);
        }
        if (o.stupnice)
            for (const GrafPanel& panel : m.panely)
                stupnice(p, r, m, panel);
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// Smoothed graphs

const QColor BarvaPloch(0, 128, 0);
const QColor BarvaToku(0, 140, 160);

QColor BarvaPorovnani(int S) {
    return ClassColours[static_cast<std::size_t>(std::clamp(S, 1, 9) - 1)];
}

std::string VyhlazenyTitulek(VolbaPolokoule H, bool brusel, double k) {
    static const char* const Polokoule[4] = {"   celkový", "   severní", "   jižní",
                                             "   severní a jižní"};
    std::string t = std::string("Vyhlazovací   grafy") + Polokoule[static_cast<int>(H) - 1];
    if (brusel) t += "         " + FormatNumber(1.0 / k, "#0.000");
    return t;
}

void PaintVyhlazeny(QPainter& p, const QRect& r, const VyhlazenaData& data,
                    const VyhlazenyOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    const int pj = std::max(1, r.height() / 45);
    const int yb = 40 * pj;
    const int w = std::max(1, o.Z * pj / 22);
    const int U = VyhlPopis(data.S).U;
    const int delitel = std::max(1, o.delitel);
    auto X = [&](int t) { return r.left() + t * w + 30 - o.posun; };
    auto Y = [&](long v, long jmenovatel) {
        return r.top() + yb - static_cast<int>(v * yb / jmenovatel);
    };
    const int tKonec = std::max(data.tPosledni + 12, 24);

    // Grid: twenty lines, a value of 10 x U at the top.
    p.setFont(pismo(8));
    for (int j = 0; j <= 20; ++j) {
        const int y = r.top() + yb - j * yb / 20;
        p.setPen(j == 0 ? QColor(Qt::black) : Seda);
        p.drawLine(r.left() + 30, y, r.right(), y);
        if (j > 0 && j % 2 == 0) {
            p.setPen(Qt::black);
            // The top value stays inside the picture.
            textVpravo(p, r.left(), std::max(r.top(), y - 7), 27,
                       QString::number(j / 2 * U * 80 / delitel));
        }
    }
    // Month and year marks; the years every so many that their numbers
    // do not run into each other at a narrow zoom.
    const int sirkaRoku = p.fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 6;
    const int kazdyRok = std::max(1, (sirkaRoku + 12 * w - 1) / (12 * w));
    for (int t = 1; t <= tKonec; ++t) {
        const int x = X(t);
        if (x < r.left() + 30 || x > r.right()) continue;
        const bool leden = (t - 1) % 12 == 0;
        const bool rok = leden && (t - 1) / 12 % kazdyRok == 0;
        p.setPen(leden ? QColor(Qt::black) : Seda);
        p.drawLine(x, r.top() + yb, x, r.top() + yb + (rok ? 12 : 5));
        if (leden) {
            p.setPen(QColor(230, 230, 230));
            p.drawLine(x, r.top() + yb, x, r.top());
            p.setPen(Qt::black);
            if (rok)
                text(p, x + 2, r.top() + yb + 4, QString::number(data.prvniRok + (t - 1) / 12));
        }
    }

    // Curves stay right of the scale.
    p.setClipRect(r.adjusted(30, 0, 0, 0));
    const bool porovnani =
        o.brusel != nullptr || !o.porovnani.empty() || o.plochy != nullptr || o.tok != nullptr;
    auto krivka = [&](const MesicniKrivka& k, const QColor& barva, Qt::PenStyle styl, int jednotka,
                      bool syrova) {
        const long jmen = static_cast<long>(jednotka) * delitel;
        if (syrova) {
            QPolygon c;
            for (std::size_t i = 0; i < k.t.size(); ++i)
                c << QPoint(X(k.t[i]), Y(k.hodnota[i], jmen));
            p.setPen(pero(barva.lighter(150), 1, styl));
            krivkaBody(p, c);
        }
        if (k.hladkaOd <= k.hladkaDo) {
            QPolygon c;
            for (int t = k.hladkaOd; t <= k.hladkaDo; ++t)
                c << QPoint(X(t), Y(k.hladka[static_cast<std::size_t>(t)], jmen * 24));
            p.setPen(pero(barva, 2, styl));
            krivkaBody(p, c);
        }
    };
    switch (o.H) {
    case VolbaPolokoule::Celek:
        krivka(data.krivky[0], Qt::black, Qt::SolidLine, U, !porovnani);
        break;
    case VolbaPolokoule::Sever:
        krivka(data.krivky[1], Cervena, Qt::SolidLine, U, !porovnani);
        break;
    case VolbaPolokoule::Jih:
        krivka(data.krivky[2], Modra, Qt::DashLine, U, !porovnani);
        break;
    case VolbaPolokoule::Obe:
        krivka(data.krivky[1], Cervena, Qt::SolidLine, U, true);
        krivka(data.krivky[2], Modra, Qt::DashLine, U, true);
        break;
    }
    int legenda = 0;
    auto popis = [&](const QColor& barva, Qt::PenStyle styl, const QString& s) {
        const int y = r.top() + 8 + 16 * legenda++;
        p.setPen(pero(barva, 2, styl));
        p.drawLine(r.left() + 40, y + 7, r.left() + 70, y + 7);
        p.setPen(Qt::black);
        text(p, r.left() + 76, y, s);
    };
    p.setFont(pismo(9));
    if (o.H == VolbaPolokoule::Obe) {
        popis(Cervena, Qt::SolidLine, QStringLiteral("sever"));
        popis(Modra, Qt::DashLine, QStringLiteral("jih"));
    } else {
        popis(o.H == VolbaPolokoule::Sever ? Cervena
              : o.H == VolbaPolokoule::Jih ? Modra
                                           : QColor(Qt::black),
              o.H == VolbaPolokoule::Jih ? Qt::DashLine : Qt::SolidLine,
              q(VyhlPopis(data.S).titulek).trimmed());
    }
    for (const VyhlazenaData* d : o.porovnani) {
        if (!d || d->S == data.S) continue;
        const QColor barva = BarvaPorovnani(d->S);
        krivka(d->krivky[0], barva, Qt::DashDotLine, VyhlPopis(d->S).U, false);
        popis(barva, Qt::DashDotLine, q(VyhlPopis(d->S).titulek).trimmed());
    }
    // Outside monthly series: unscaled means, so a mean of 10 x jednotka
    // reaches the top like the records' curves.
    auto vnejsi = [&](const BruselKrivka* k, int jednotka, const QColor& barva, Qt::PenStyle styl,
                      const QString& nazev, const QString& horni) {
        if (!k || k->t.empty()) return;
        const long jmen = 3L * jednotka * delitel;
        QPolygon c;
        for (std::size_t i = 0; i < k->t.size(); ++i)
            c << QPoint(X(k->t[i]), Y(k->M24[i], jmen));
        p.setPen(pero(barva, 2, styl));
        krivkaBody(p, c);
        popis(barva, styl, nazev + QStringLiteral("   (horní čára ") + horni + QLatin1Char(')'));
    };
    const QString horniPlocha = QString::number(10L * JednotkaPloch * 80 / delitel);
    const bool obe = o.H == VolbaPolokoule::Obe;
    vnejsi(o.plochy, JednotkaPloch, BarvaPloch, Qt::DashDotDotLine,
           QStringLiteral("Brusel plochy") + (obe || o.H == VolbaPolokoule::Sever
                                                  ? QStringLiteral(" sever")
                                              : o.H == VolbaPolokoule::Jih ? QStringLiteral(" jih")
                                                                           : QString()),
           horniPlocha);
    if (obe)
        vnejsi(o.plochyJih, JednotkaPloch, BarvaPloch, Qt::DotLine,
               QStringLiteral("Brusel plochy jih"), horniPlocha);
    static const char* const Toky[3] = {"OBS", "ADJ", "ABS"};
    vnejsi(o.tok, JednotkaToku, BarvaToku, Qt::DashLine,
           QStringLiteral("Rádiový tok ") + QLatin1String(Toky[static_cast<int>(o.volbaToku)]),
           QString::number(JednotkaToku * 80L / delitel) + QStringLiteral(" sfu"));
    if (o.brusel && !o.brusel->t.empty()) {
        QPolygon c;
        for (std::size_t i = 0; i < o.brusel->t.size(); ++i) {
            const long v = o.brusel->M24[i] * yb / (9600L * delitel / 80);
            c << QPoint(X(o.brusel->t[i]),
                        r.top() + yb - static_cast<int>(std::nearbyint(o.k * v)));
        }
        p.setPen(pero(Qt::black, 2, Qt::DotLine));
        krivkaBody(p, c);
        popis(Qt::black, Qt::DotLine, QStringLiteral("Brusel R x ") + q(FormatNumber(o.k, "0.00")));
    }
    p.restore();
}

PictureData VyhlazenyPictureData(const VyhlazenaData& data, const VyhlazenyOptions& o) {
    struct Sloupec {
        std::string nazev;
        std::vector<std::pair<int, double>> body; // month index, value
    };
    std::vector<Sloupec> sloupce;
    const std::string titulek = q(VyhlPopis(data.S).titulek).trimmed().toStdString();
    auto zaznamy = [&](const MesicniKrivka& k, const std::string& nazev, bool syrova) {
        if (syrova) {
            Sloupec s{nazev + ": měsíční průměr", {}};
            for (std::size_t i = 0; i < k.t.size(); ++i)
                s.body.emplace_back(k.t[i], k.hodnota[i] / 8.0);
            sloupce.push_back(std::move(s));
        }
        Sloupec s{nazev + ": vyhlazený průměr", {}};
        for (int t = k.hladkaOd; t <= k.hladkaDo; ++t)
            s.body.emplace_back(t, k.hladka[static_cast<std::size_t>(t)] / 192.0);
        sloupce.push_back(std::move(s));
    };
    auto vnejsi = [&](const BruselKrivka* k, const std::string& nazev, double jednotka) {
        if (!k || k->t.empty()) return;
        Sloupec s{nazev + ": vyhlazený průměr", {}};
        for (std::size_t i = 0; i < k->t.size(); ++i)
            s.body.emplace_back(k->t[i], k->M24[i] / 24.0 * jednotka);
        sloupce.push_back(std::move(s));
    };
    const bool porovnani =
        o.brusel != nullptr || !o.porovnani.empty() || o.plochy != nullptr || o.tok != nullptr;
    switch (o.H) {
    case VolbaPolokoule::Celek:
        zaznamy(data.krivky[0], titulek, !porovnani);
        break;
    case VolbaPolokoule::Sever:
        zaznamy(data.krivky[1], titulek + " sever", !porovnani);
        break;
    case VolbaPolokoule::Jih:
        zaznamy(data.krivky[2], titulek + " jih", !porovnani);
        break;
    case VolbaPolokoule::Obe:
        zaznamy(data.krivky[1], titulek + " sever", true);
        zaznamy(data.krivky[2], titulek + " jih", true);
        break;
    }
    for (const VyhlazenaData* d : o.porovnani)
        if (d && d->S != data.S)
            zaznamy(d->krivky[0], q(VyhlPopis(d->S).titulek).trimmed().toStdString(), false);
    const bool obe = o.H == VolbaPolokoule::Obe;
    vnejsi(o.plochy,
           std::string("Brusel plochy") + (obe || o.H == VolbaPolokoule::Sever ? " sever"
                                           : o.H == VolbaPolokoule::Jih        ? " jih"
                                                                               : ""),
           1.0);
    if (obe) vnejsi(o.plochyJih, "Brusel plochy jih", 1.0);
    static const char* const Toky[3] = {"OBS", "ADJ", "ABS"};
    vnejsi(o.tok, std::string("Rádiový tok ") + Toky[static_cast<int>(o.volbaToku)] + " (sfu)",
           0.1);
    vnejsi(o.brusel, "Brusel R x " + FormatNumber(o.k, "0.00"), o.k);

    PictureData out;
    out.axis = "měsíc";
    int od = 0, po = -1;
    for (const Sloupec& s : sloupce)
        for (const auto& [t, v] : s.body) {
            if (po < od) od = po = t;
            od = std::min(od, t);
            po = std::max(po, t);
        }
    for (const Sloupec& s : sloupce)
        out.columns.push_back(s.nazev);
    if (po < od) return out;
    out.rows.resize(static_cast<std::size_t>(po - od + 1));
    for (int t = od; t <= po; ++t) {
        // Month index 1 is January of the year of record 1.
        const int m0 = t - 1;
        const int rok = data.prvniRok + (m0 >= 0 ? m0 / 12 : -((-m0 + 11) / 12));
        const int mesic = m0 - (rok - data.prvniRok) * 12 + 1;
        char klic[32];
        std::snprintf(klic, sizeof klic, "%04d-%02d", rok, mesic);
        PictureData::Row& r = out.rows[static_cast<std::size_t>(t - od)];
        r.key = klic;
        r.values.assign(sloupce.size(), std::nullopt);
    }
    for (std::size_t c = 0; c < sloupce.size(); ++c)
        for (const auto& [t, v] : sloupce[c].body)
            out.rows[static_cast<std::size_t>(t - od)].values[c] = v;
    return out;
}

// ---------------------------------------------------------------------------
// Asymmetry graph

namespace {

// Days from the first drawing to the start of the first period drawn (the
// first month or year begins before it, so 0 or less): the time axis starts
// there, right of the scale.
int asymetriePocatek(const AsymetrieGraf& g) {
    int od = 0;
    if (!g.mesice.empty()) od = std::min(od, g.mesice.front().odDne);
    if (!g.sloupce.empty()) od = std::min(od, g.sloupce.front().odDne);
    return od;
}

} // namespace

int AsymetrieSirka(const AsymetrieGraf& g, const AsymetrieOptions& o) {
    return static_cast<int>((g.dnu - asymetriePocatek(g) + 150) * 2.0 / std::max(1, o.faktor)) + 60;
}

void PaintAsymetrie(QPainter& p, const QRect& r, const AsymetrieGraf& g,
                    const AsymetrieOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // 1-pixel lines stay one pixel wide
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    const int mezera = std::max(1, r.height() / 12);
    const int y0 = r.top() + 6 * mezera;
    const double naDen = 2.0 / std::max(1, o.faktor);
    const int pocatek = asymetriePocatek(g);
    auto X = [&](double den) {
        return r.left() + 50 + static_cast<int>(std::floor((den - pocatek) * naDen)) - o.posun;
    };
    auto Y = [&](double v) {
        return y0 - static_cast<int>(std::nearbyint(v / g.jednotka * mezera));
    };

    // Months: a line at each, heavier at each year with the year at January.
    p.setFont(pismo(7));
    const int kazdy = o.faktor < 16 ? 1 : 3;
    for (std::size_t i = 0; i < g.mesice.size(); ++i) {
        const AsymetrieSloupec& m = g.mesice[i];
        const int x = X(m.odDne);
        if (x < r.left() - 40 || x > r.right()) continue;
        p.setPen(m.prvniVRoce ? pero(Qt::black, 2) : pero(Seda, 1));
        p.drawLine(x, y0 - 5 * mezera, x, y0 + 5 * mezera);
        p.setPen(Qt::black);
        if (m.prvniVRoce) {
            p.setFont(pismo(9));
            text(p, x + 3, y0 - 5 * mezera - 18, QString::number(m.rok));
            p.setFont(pismo(7));
        }
        if ((m.mesic - 1) % kazdy == 0)
            text(p, x + 2, y0 + 5 * mezera + 2, QString::number(m.mesic));
    }
    // Eleven lines around the zero line.
    p.setFont(pismo(8));
    for (int i = -5; i <= 5; ++i) {
        const int y = y0 - i * mezera;
        p.setPen(i == 0 ? pero(Qt::black, 1) : pero(Seda, 1));
        p.drawLine(r.left() + 50, y, r.right(), y);
        p.setPen(Qt::black);
        QString s = QString::number(i * g.jednotka);
        if (g.druh == DruhAsymetrie::Podilova) s += QLatin1Char('%');
        p.fillRect(QRect(r.left(), y - 7, 48, 14), Qt::white);
        textVpravo(p, r.left(), y - 7, 46, s);
    }
    if (g.obdobi == ObdobiAsymetrie::Zaznamovy) {
        if (g.body.size() >= 2) {
            const double xOd = (o.posun - 50.0) / naDen + pocatek;
            const double xPo = (r.width() + o.posun) / naDen + pocatek;
            std::vector<int> dny;
            dny.reserve(g.body.size());
            for (const AsymetrieBod& b : g.body)
                dny.push_back(b.den);
            const auto [od, po] = viditelne(dny, xOd, xPo);
            QPolygon c;
            for (std::size_t k = od; k < po; ++k)
                c << QPoint(X(g.body[k].den), Y(g.body[k].hodnota));
            p.setPen(pero(Qt::black, 1));
            p.drawPolyline(c);
        }
    } else {
        for (const AsymetrieSloupec& s : g.sloupce) {
            const int x1 = X(s.odDne);
            const int x2 = std::max(x1 + 1, X(s.doDne) - 1);
            if (x2 < r.left() || x1 > r.right()) continue;
            const int y = Y(s.hodnota);
            const QRect sloupec = QRect(QPoint(x1, std::min(y, y0)), QPoint(x2, std::max(y, y0)));
            p.fillRect(sloupec, s.hodnota >= 0 ? QColor(255, 150, 150) : QColor(150, 150, 255));
            p.setPen(pero(Qt::black, 1));
            p.drawRect(sloupec);
        }
    }
    p.setPen(Qt::black);
    p.setFont(pismo(10));
    const QString druh = g.druh == DruhAsymetrie::Podilova ? QStringLiteral("Podílová  asym")
                                                           : QStringLiteral("Rozdílová  asym");
    static const char* const Obdobi[3] = {"Záznamový", "Měsíční", "Roční"};
    p.fillRect(QRect(r.left() + 55, r.top() + 2, 600, 18), Qt::white);
    text(p, r.left() + 60, r.top() + 3,
         q(VyhlPopis(g.S).titulek).trimmed() + QStringLiteral("   ") + druh +
             QStringLiteral("   ") + q(Obdobi[static_cast<int>(g.obdobi) - 1]) +
             QStringLiteral("   (sever +, jih -)"));
    p.restore();
}

} // namespace hk
