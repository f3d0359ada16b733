// The command-line tool over damaged program directories: a demo directory
// whose record file or one side file is truncated, zero-filled, has bytes
// flipped, or is replaced by a folder, a FIFO or an empty file. Every
// command ends by itself (no signal, no hang) with status 0, or 1 and a
// message, and changes nothing in the directory but the files it names as
// written. A killed program's lock and temporary files are left in the
// directory too. scripts/mutate-dirs.sh runs every command on every damage.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "cli/program_dir.h"
#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
namespace fs = std::filesystem;

namespace {

// The damages a file takes in turn; `seed` picks the bytes flipped.
const std::string Damages[] = {"truncated", "zeroed", "flipped", "folder", "fifo", "empty"};

void damage(const fs::path& file, const std::string& how, unsigned seed) {
    std::string bytes = ReadWholeFile(file);
    fs::remove(file);
    if (how == "folder") {
        fs::create_directory(file);
    } else if (how == "fifo") {
        ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    } else {
        if (how == "truncated") // inside a record or a line, never on a boundary
            bytes.resize(bytes.size() / 2 + (bytes.size() > 2 ? 1 : 0));
        if (how == "zeroed") bytes.assign(bytes.size(), '\0');
        if (how == "empty") bytes.clear();
        std::mt19937 rnd(seed);
        for (std::size_t i = 0; how == "flipped" && i < bytes.size() / 50 + 8 && !bytes.empty();
             ++i)
            bytes[rnd() % bytes.size()] ^= static_cast<char>(1 + rnd() % 255);
        std::ofstream(file, std::ios::binary) << bytes;
    }
}

// The commands, with DIR, OUT (a folder outside the directory) and MONTH (a
// month of the records) put in.
const std::string Check = "check DIR";
const std::string CheckCorona = "check DIR --corona";
const std::string Dump = "dump DIR/datax.dat";
const std::string Sidc = "report sidc DIR MONTH --force";
const std::string Measured = "stats DIR measured";
const std::string Ascii = "export ascii DIR";
const std::string Drawing = "render drawing DIR --record 1 --out OUT/drawing.png";
const std::string Butterfly = "render butterfly DIR --corona --supplementary --out OUT/b.png";
const std::string InterSol = "report intersol DIR MONTH --observer 'Novák, Jan'";
const std::string Observers = "stats DIR observers";
const std::string Graph = "render graph DIR --series sn --out OUT/graph.png";
const std::string Official = "export official DIR MONTH";
const std::string Protocol = "render protocol DIR MONTH --sidc --out OUT/protocol.png";
const std::string MagnetoSum = "magnetosphere-sum DIR";
const std::string MagnetoMap =
    "render map DIR --rotation ROTATION --magnetosphere --out OUT/map.png";

// A file and the commands that read it; its damages take them in turn.
struct Target {
    std::string file;
    std::vector<std::string> commands;
};

std::string expand(std::string s, const fs::path& dir, const fs::path& out,
                   const std::string& month, int rotation) {
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"DIR", dir.string()},
                                     {"OUT", out.string()},
                                     {"MONTH", month},
                                     {"ROTATION", std::to_string(rotation)}})
        for (std::size_t at; (at = s.find(key)) != std::string::npos;)
            s.replace(at, key.size(), value);
    return s;
}

TEST(MutatedDirectories, EveryCommandEndsWithAMessageAndChangesOnlyWhatItWrites) {
    TempDir tmp;
    const fs::path demo = tmp.path() / "demo";
    ASSERT_EQ(RunCli("demo " + ShellQuoted(demo) + " --years 1 --per-year 12 --seed 3").status, 0);
    const TZaznam first = ReadRecordFile(demo / "datax.dat").records.front();
    const std::string date = first.Datum.text(); // dd.mm.yyyy
    const std::string month = std::to_string(std::stoi(date.substr(3, 2))) + "." + date.substr(6);
    const int rotation = ReadRecordFile(demo / "datax.dat").records.back().Rotace;
    ASSERT_EQ(RunCli("magnetosphere-sum " + ShellQuoted(demo)).status, 0);

    // The demo writes no PopisNov.txt and no InterSolAdresa.txt.
    WriteFileAtomic(demo / "PopisNov.txt", "Hvezdarna\r\nDalekohled 80/1200\r\n");
    WriteFileAtomic(demo / "InterSolAdresa.txt", "Inter-Sol\r\nBox 1\r\na@b.c\r\n");
    std::string dssn, magneto;
    for (const auto& e : fs::directory_iterator(demo / "SIDC"))
        if (e.path().filename().string().rfind("dssn", 0) == 0) dssn = e.path().filename();
    for (const auto& e : fs::directory_iterator(demo / "Magneto"))
        magneto = e.path().filename();
    const std::vector<Target> targets = {
        {"datax.dat",
         {Check, Dump, Sidc, Measured, Ascii, Drawing, Butterfly, InterSol, Observers, Graph,
          Official, Protocol}},
        {"Zvetsit.zve", {Check, Graph}},
        {"Motfakul.dat", {Check, Butterfly}},
        {"pristroj.dat", {Check, Graph}},
        {"pozorovateleP.dat", {Check, InterSol, Official}},
        {"Obecdata.dat", {Check, Sidc, Official}},
        {"PopisNov.txt", {Check, Sidc, InterSol}},
        {"InterSolAdresa.txt", {Check, InterSol}},
        {"SIDC/Plochy.txt", {Check, Graph}},
        {"SIDC/tok-10cm.txt", {Check, Graph}},
        {"SIDC/" + dssn, {Check, Graph}},
        {"KoronaX/HR1940.csv", {CheckCorona, Butterfly}},
        {"Magneto/" + magneto, {Check, Drawing, MagnetoSum}},
        {"magn.dat", {MagnetoSum, MagnetoMap}},
    };
    // Run `args` on `dir`: it ends by itself with 0, or 1 and a message, and
    // what changed in the directory is what it names as written (a leftover
    // of an ended program that it removed may be named among the warnings).
    auto run = [&](const fs::path& dir, const std::string& args, const std::string& what) {
        const DirSnapshot before = SnapshotOf(dir);
        const CliRun r = RunCli(args, false, (tmp.path() / "err.txt").string());
        const std::string err = ReadWholeFile(tmp.path() / "err.txt");
        // A signal or the time limit shows as a status above 128.
        ASSERT_TRUE(r.status == 0 || r.status == 1) << what << "\n" << err;
        if (r.status == 1) {
            EXPECT_NE(("\n" + err).find("\nheliokres-cli: "), std::string::npos) << what << "\n"
                                                                                 << err;
        }
        const DirSnapshot after = SnapshotOf(dir);
        for (const auto& [rel, content] : after) {
            const auto was = before.find(rel);
            if (was != before.end() && was->second == content) continue;
            EXPECT_NE(r.out.find(rel), std::string::npos)
                << what << ": " << rel << " changed without being named\n"
                << r.out;
        }
        for (const auto& [rel, content] : before)
            EXPECT_TRUE(after.count(rel) ||
                        (r.out + err).find(fs::path(rel).filename().string()) != std::string::npos)
                << what << ": " << rel << " was removed";
    };
    for (std::size_t f = 0; f < targets.size(); ++f) {
        const Target& t = targets[f];
        if (!fs::is_regular_file(demo / t.file)) {
            ADD_FAILURE() << "the demo has no " << t.file;
            continue;
        }
        for (std::size_t d = 0; d < std::size(Damages); ++d) {
            const fs::path dir = tmp.path() / "dir";
            const fs::path out = tmp.path() / "out";
            fs::remove_all(dir);
            fs::remove_all(out);
            fs::create_directory(out);
            fs::copy(demo, dir, fs::copy_options::recursive);
            damage(dir / t.file, Damages[d], static_cast<unsigned>(f * 7 + d));
            // Each damage of a file takes the next of its commands.
            const std::string args =
                expand(t.commands[(f + d) % t.commands.size()], dir, out, month, rotation);
            run(dir, args, t.file + " " + Damages[d] + ": " + args);
        }
    }
    // What a killed program leaves: its lock and the temporary files of its
    // saves. Commands that write take the lock over and remove those files.
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    for (const std::string& command : {Check, Sidc, Ascii, MagnetoSum, Measured}) {
        const fs::path dir = tmp.path() / "dir";
        const fs::path out = tmp.path() / "out";
        fs::remove_all(dir);
        fs::copy(demo, dir, fs::copy_options::recursive);
        WriteLockOf(dir, ended);
        const std::string leftover = ".dat." + std::to_string(ended) + ".1.heliokres-tmp";
        WriteFileAtomic(dir / ("datax" + leftover), "x");
        WriteFileAtomic(dir / "SIDC" / ("dssn2000" + leftover), "x");
        const std::string args = expand(command, dir, out, month, rotation);
        run(dir, args, "leftovers: " + args);
        const bool writes = command != Measured;
        EXPECT_EQ(fs::exists(dir / "heliokres.lock"), !writes) << args;
        EXPECT_EQ(fs::exists(dir / "SIDC" / ("dssn2000" + leftover)), !writes) << args;
    }
}

} // namespace
