#pragma once
// The smoothed graphs ("Vyhlazovací   grafy") and the asymmetry graph
// ("Asymetrie    graf"): monthly means of a daily statistic, the filling of
// months without drawings, the 13-month running mean, the comparison with
// the international relative number and the north-south asymmetry per
// drawing, month and year.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphs/asymmetry.h"
#include "records/startup_series.h"
#include "records/zaznam.h"

namespace hk {

// Series 1..9 of the window: g, f, R, CV, SN, RB, plo, pol, Inter SOL.
struct VyhlRadaPopis {
    int U; // value of one tenth of the plot height
    const char* titulek;
    const char* nazev; // the CLI's name
    const char* vyhl;  // saved image name of the smoothed graph ("Vyhl_g")
    const char* asy;   // saved image name of the asymmetry graph ("Asy_g_")
};
inline constexpr int PocetVyhlRad = 9;
const VyhlRadaPopis& VyhlPopis(int S); // S = 1..9

// The three curves: 0 whole disk, 1 north, 2 south.
struct MesicniKrivka {
    // Month index t = (year - year of the earliest drawing) x 12 + month of
    // each month with drawings, and its mean x 8.
    std::vector<int> t;
    std::vector<int> hodnota;
    // By month index, 0..tPosledni: the stored months and the linearly
    // filled months between them (0 before the first).
    std::vector<int> vyplnena;
    // By month index, the 13-month mean x 24 (of the x 8 values); valid from
    // hladkaOd to hladkaDo, empty range when hladkaOd > hladkaDo.
    std::vector<long> hladka;
    int hladkaOd = 1;
    int hladkaDo = 0;
};

struct VyhlazenaData {
    int S = 1;
    int prvniRok = 0;
    int tPrvni = 0;
    int tPosledni = 0;
    std::array<MesicniKrivka, 3> krivky; // whole disk, north, south
};

VyhlazenaData BuildVyhlazenaData(std::span<const TZaznam> records, int S);

// Running mean x 24 with half weights at both ends over `v`, from `od` to
// `po`; entries outside stay 0.
std::vector<long> Vyhlad13(const std::vector<int>& v, int od, int po);

// A smoothed outside series (the international relative number, the
// Brussels areas, the radio flux): monthly means (unscaled), smoothed,
// placed on the month index of the records.
struct BruselKrivka {
    std::vector<int> t;    // month index on the records' axis
    std::vector<long> M24; // smoothed x 24
};
// `ktera` 0 whole disk, 1 north, 2 south.
BruselKrivka BuildBruselKrivka(const DailySeries& sidc, int prvniRok, int ktera);

// The monthly outside tables of the start-up: "Brusel plochy" (PlochyTab:
// whole disk, north, south) and "Rádiový tok" (Tok10cmTab: observed,
// adjusted to 1 AU, absolute flux, times 10). Value `sloupec` (0..2) of each
// line whose label starts with the year and the month ("yyyy mm"); lines of
// the same month are averaged, lines without such a label left out, months
// without a line filled linearly between their neighbours, then smoothed
// over 13 months like the records' curves.
BruselKrivka BuildTabulkovaKrivka(const OutsideTable& tabulka, int sloupec, int prvniRok);
// Lines of the table that carry a year and a month.
int DatovaneRadky(const OutsideTable& tabulka);

enum class VolbaToku { OBS = 0, ADJ = 1, ABS = 2 };
// Value of one tenth of the plot height: areas like the series "Plocha
// skvrn disk", the flux 30 sfu (in the table's tenths).
inline constexpr int JednotkaPloch = 400;
inline constexpr int JednotkaToku = 300;

// Asymmetry graph.
enum class DruhAsymetrie { Rozdilova, Podilova };
enum class ObdobiAsymetrie { Zaznamovy = 1, Mesicni = 2, Rocni = 3 };
struct AsymetrieBod {
    int den = 0; // days since the earliest drawing
    int hodnota = 0;
};
struct AsymetrieSloupec {
    int odDne = 0; // days since the earliest drawing, start and end of the period
    int doDne = 0;
    float hodnota = 0;
    bool prvniVRoce = false; // a January (or a year)
    int rok = 0;
    int mesic = 1;
};
struct AsymetrieGraf {
    int S = 1;
    DruhAsymetrie druh = DruhAsymetrie::Rozdilova;
    ObdobiAsymetrie obdobi = ObdobiAsymetrie::Zaznamovy;
    int prvniRok = 0, prvniMesic = 1, prvniDen = 1;
    int dnu = 0;                           // days between the earliest and the latest drawing
    std::vector<AsymetrieBod> body;        // per record (period 1), in calendar order
    std::vector<AsymetrieSloupec> sloupce; // per month / year (periods 2, 3)
    std::vector<AsymetrieSloupec> mesice;  // every month of the span, for the marks
    double jednotka = 1;                   // value of one grid line
};
AsymetrieGraf BuildAsymetrieGraf(std::span<const TZaznam> records, const Asymetrie& tabulky, int S,
                                 DruhAsymetrie druh, ObdobiAsymetrie obdobi);

} // namespace hk
