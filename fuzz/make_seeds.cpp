// Writes the seed corpora of the fuzz targets from a small demo program
// directory: heliokres_fuzz_seeds OUT. Each target gets OUT/<target>/ with a
// few short files, cut from what the demo generator writes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/zaznam.h"

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
    std::filesystem::remove_all(demo);
    return 0;
}
