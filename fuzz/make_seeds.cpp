// Writes the seed corpora of the fuzz targets from a small demo program
// directory: heliokres_fuzz_seeds OUT. Each target gets OUT/<target>/ with a
// few short files, cut from what the demo generator writes.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/record_layout.h"

using namespace hk;

namespace {

std::filesystem::path out;

void seed(const std::string& target, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(out / target);
    std::ofstream(out / target / name, std::ios::binary) << bytes;
}

std::string firstLines(const std::string& text, int lines) {
    std::size_t at = 0;
    for (int i = 0; i < lines && at != std::string::npos; ++i)
        at = text.find('\n', at == 0 ? 0 : at + 1);
    return at == std::string::npos ? text : text.substr(0, at + 1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "použití: heliokres_fuzz_seeds ADRESÁŘ\n");
        return 2;
    }
    out = argv[1];
    const std::filesystem::path demo = out / "demo-directory";
    DemoOptions o;
    o.years = 1;
    o.perYear = 15;
    o.seed = 7;
    o.endDate = Date{2024, 12, 31};
    WriteDemoDirectory(demo, o);
    const ProgramDir dir(demo);
    auto file = [&](const char* name) { return ReadWholeFile(dir.resolve(name)); };

    const std::string records = file("datax.dat");
    seed("record_file", "one", records.substr(0, RecordSize));
    seed("record_file", "three", records.substr(0, 3 * RecordSize));
    seed("record_file", "partial", records.substr(0, RecordSize + 100));
    seed("record_file", "empty", "");

    auto side = [&](int selector, const std::string& name, const std::string& bytes) {
        seed("side_files", name, std::string(1, static_cast<char>(selector)) + bytes);
    };
    side(0, "zvetsit", file("Zvetsit.zve"));
    side(1, "motfakul", file("Motfakul.dat").substr(0, 2000));
    side(2, "pristroj", file("pristroj.dat"));
    side(3, "pozorovatele", file("pozorovateleP.dat"));
    side(4 + 7 * 6, "dssn", firstLines(file("SIDC/dssn2024.dat"), 40));
    side(5, "plochy", firstLines(file("SIDC/Plochy.txt"), 20));
    side(6, "tok", firstLines(file("SIDC/tok-10cm.txt"), 20));

    seed("station_files", "obecdata", std::string(1, '\0') + file("Obecdata.dat"));
    seed("station_files", "popisnov",
         std::string("\1") + "Hvězdárna\r\nDalekohled 80/1200\r\nOkulár 18 mm\r\n");
    seed("station_files", "intersol",
         std::string("\2") + "Inter-Sol * Box 1 * 12345 Town * Country\r\n"
                             "tel. 1, fax 2, e-mail a@b.c\r\na@b.c\r\n");

    for (const auto& e : std::filesystem::directory_iterator(dir.resolve("Magneto"))) {
        seed("magnetogram", "map",
             std::string("\x22\x05") + ReadWholeFile(e.path()).substr(0, 4096));
        break;
    }
    // Corona: the first days of two yearly files; the first byte asks for
    // one file or for two.
    const std::string corona = firstLines(file("KoronaX/HR1940.csv"), 6);
    seed("korona", "one-year", std::string(1, '\0') + corona);
    seed("korona", "two-years", std::string(1, '\1') + corona + corona);
    seed("korona", "end-line", std::string(1, '\0') + corona + "1 40 0 0 0 0\r\n");

    // SILSO daily hemispheric numbers: the CSV form and the text form, with a
    // missing value and a year boundary.
    seed("silso", "csv",
         "2019;12;31;2019.999;   0;  0;  0;   0.0;  0.0;  0.0;  30; -1; -1;1\n"
         "2020;01;01;2020.001;   0;  0;  0;   0.0;  0.0;  0.0;  31; -1; -1;1\n"
         "2020;01;02;2020.004;  12;  5;  7;   2.1;  1.0;  1.8;  28; -1; -1;0\n"
         "2020;01;03;2020.007;  -1; -1; -1;  -1.0; -1.0; -1.0;   0; -1; -1;0\n");
    seed("silso", "text",
         "# year month day decimal total north south\n"
         "2001 02 28 2001.160  144   60   84  10.2  5.1  8.3  25  -1  -1 1\r\n"
         "2001 03 01 2001.163  151   71   80  11.0  6.2  7.9  24  -1  -1 1\r\n");

    // Scans: a drawn disk with two blots (one on the limb), the same bytes
    // tiled, and the calibration with a row of the entry grid.
    std::string disk = {'\0', '\1'}; // the picture, drawn
    auto word = [&](int v) { disk += {char(v & 255), char(v >> 8)}; };
    word(344);                           // width - 1
    word(332);                           // height - 1
    disk += '\0';                        // no padding
    word(172);                           // centre x + 20
    word(162);                           // centre y + 20
    word(130);                           // radius
    disk += {'\3', char(20), char(230)}; // line width, ink, paper
    for (const auto& [x, y, side, ink] : {std::array{172, 30, 12, 40}, {250, 60, 9, 0}}) {
        word(x);
        word(y);
        disk += {char(side), char(ink)};
    }
    seed("scan", "disk", disk);
    seed("scan", "tiled", std::string(1, '\0') + std::string(1, '\0') + disk.substr(2));
    std::string cal = "\2";
    auto point = [&](int x, int y) {
        for (const int c : {x + 1000000, y + 1000000})
            cal += {char(c & 255), char(c >> 8 & 255), char(c >> 16)};
    };
    point(500, 520); // centre
    point(500, 100); // north
    cal += '\1';     // two faculae fields
    for (int i = 0; i < 12; ++i)
        point(450 + 11 * i, 300 + 5 * (i % 6));
    point(700, 640); // a spot
    seed("scan", "calibration", cal + "A;1;3;1;2;1;45,5;60;12;;;;;;");

    std::filesystem::remove_all(demo);
    return 0;
}
