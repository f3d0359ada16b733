#pragma once
// The daily graphs ("Grafy"): one statistic of every drawing against time,
// for the north, the south and the whole disk. The series are built once per
// store revision from the stored summaries (and the geometry cache for the
// position graph); the picture model places them for a window height.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "records/geometry_cache.h"
#include "records/zaznam.h"

namespace hk {

enum class GrafRada { g, f, R, CV, SN, RB, Plocha, Polokoule, Fakule, Poloha, InterSol };
inline constexpr int PocetGrafRad = 11;

struct GrafRadaPopis {
    const char* titulek; // series title of the caption and the panel heading
    int jednotky;        // units per scale division
    const char* nazev;   // the CLI's name
    const char* obrazek; // name of the saved image ("Graf_g_"), empty when not saved
};
const GrafRadaPopis& Popis(GrafRada r);

// The four views (RezimGrafu).
enum class RezimGrafu { Vsechny = 1, Celkovy = 2, Sever = 3, Jih = 4 };
const char* TitulekPohledu(RezimGrafu r);

struct GrafData {
    GrafRada rada = GrafRada::g;
    int prvniRok = 0;
    // Per drawing, in calendar order (the drawings of one day in store
    // order): whole days since 1 January of the year of the earliest drawing
    // (the previous record's value for a record without a date);
    // non-decreasing.
    std::vector<int> dny;
    // Per drawing, in the same order, in the series' own units: A north (or
    // the first series), B south (or the second), C the third class of the
    // position graph.
    std::vector<int> A, B, C;
    int posledniDen() const { return dny.empty() ? 0 : dny.back(); }
};

GrafData BuildGrafData(std::span<const TZaznam> records, const GeometryCache& geometry,
                       GrafRada rada);

// Panel height H (a multiple of 11) and pixels per scale division for a
// client height.
struct GrafRozmer {
    int H = 0;
    int krok = 0;
};
GrafRozmer GrafGeometrie(int clientHeight);

// One month line of a panel: x from the start of the time axis, the month
// (0..11) and its year.
struct MesicniCara {
    int x = 0;
    int mesic = 0;
    int rok = 0;
};
// Month lines for pixels per day `d`, up to a little past `xPosledni`; the
// leap day moves every line from March on by d.
std::vector<MesicniCara> MesicniCary(int prvniRok, int xPosledni, int d);

// Which values a panel's polyline joins.
enum class GrafKrivka { Soucet, Sever, Jih, Treti };
struct GrafPanel {
    int cislo = 1;  // 1 whole disk, 2 north, 3 south: the heading
    int zaklad = 0; // base line y
    int f = 1;      // height factor
    GrafKrivka krivka = GrafKrivka::Soucet;
};

struct GrafModel {
    const GrafData* data = nullptr;
    int d = 2; // pixels per day
    GrafRozmer rozmer;
    int e = 5; // offset of the year row
    std::vector<GrafPanel> panely;
    std::vector<MesicniCara> mesice;
    int xPosledni = 0;              // x of the last record
    std::array<int, 10> stupnice{}; // i x units
    std::string titulek;            // "Graf   " + view title + series title
    // The value of record k of a panel in pixels above its base (before f).
    int hodnota(const GrafPanel& p, std::size_t k) const;
};

GrafModel BuildGrafModel(const GrafData& data, int clientHeight, RezimGrafu rezim, int d);

const char* NazevMesice(int mesic, bool plny);

// The class of a group in the position graph by its central-meridian
// distance (east positive): 0 centre (-30 < CMD < 30), 1 west (CMD < -30),
// 2 east (CMD > 30); -1 for a group exactly at 0, -30 or 30, which counts nowhere.
int TridaPolohy(double cmd);

} // namespace hk
