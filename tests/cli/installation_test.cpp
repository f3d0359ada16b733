// What an installation adds to the tool: a standard error that holds only its
// own messages wherever it runs, and the manual page, the bash completion and
// the README, which must name every command and option the tool knows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "io/atomic_file.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

// A service or root's shell: no HOME, no XDG_RUNTIME_DIR, no display, and a
// platform named that cannot start without one. Only the sanitizers' settings
// are passed on.
TEST(CliInstallation, StandardErrorHoldsOnlyTheToolsMessages) {
    TempDir dir;
    const std::string demo = ShellQuoted(dir.path() / "demo");
    std::string env = "env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb";
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            env += std::string(" ") + name + "='" + value + "'";
    const auto errFile = dir.path() / "stderr";
    const auto run = [&](const std::string& args) {
        const std::string cmd = env + " timeout -s KILL 120 " HELIOKRES_CLI " " + args +
                                " >/dev/null 2>" + ShellQuoted(errFile);
        const int status = std::system(cmd.c_str());
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(errFile)};
    };

    for (const std::string& args : std::vector<std::string>{
             "--version", "demo " + demo + " --years 1 --per-year 30 --seed 3", "check " + demo,
             "render drawing " + demo + " --record 1 --out " + demo + "/d.png",
             "render butterfly " + demo + " --mean --out " + demo + "/b.pdf",
             "stats " + demo + " measured"}) {
        const auto [status, err] = run(args);
        EXPECT_EQ(status, 0) << args;
        EXPECT_EQ(err, "") << args;
    }
    // A failed job: one line, the tool's own.
    const auto [status, err] = run("check " + ShellQuoted(dir.path() / "none"));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(std::regex_match(err, std::regex("heliokres-cli: [^\n]+\n"))) << err;
}

// True when `text` holds `word` as a word of its own ("--to" is not in
// "--to-end"). In a manual page a hyphen is written "\-" and a word may follow
// a font change ("\fB").
bool NamesWord(const std::string& text, const std::string& word, bool manualPage = false) {
    std::string pattern = std::regex_replace(word, std::regex("[-.]"), "\\$&");
    if (manualPage) pattern = std::regex_replace(pattern, std::regex("\\\\-"), "\\\\-");
    const std::string before = manualPage ? "(^|[^A-Za-z0-9_-]|\\\\f[BIRP])" : "(^|[^A-Za-z0-9_-])";
    const std::string after = manualPage ? "(?![A-Za-z0-9_]|\\\\-)" : "(?![A-Za-z0-9_-])";
    return std::regex_search(text, std::regex(before + pattern + after));
}

TEST(CliInstallation, DocumentsNameEveryCommandKindAndOption) {
    const auto usage = RunCli("--help");
    ASSERT_EQ(usage.status, 0);
    const std::string source = HELIOKRES_SOURCE_DIR;
    const std::string man = ReadWholeFile(source + "/data/man/heliokres-cli.1.in");
    const std::string completion = ReadWholeFile(source + "/data/completion/heliokres-cli");
    const std::string readme = ReadWholeFile(source + "/README.md");

    // Commands and kinds: the first word of each alternative of a usage line,
    // and the lower-case words of the second ("export ascii|faculae|... DIR").
    std::set<std::string> words, options;
    const std::regex alternative("(?:heliokres-cli |\\| )([a-z-]+)(?: \\(?([a-z|]+)\\)?(?= ))?");
    for (std::sregex_iterator m(usage.out.begin(), usage.out.end(), alternative), end; m != end;
         ++m) {
        words.insert((*m)[1]);
        std::stringstream kinds((*m)[2].str());
        for (std::string kind; std::getline(kinds, kind, '|');)
            if (!kind.empty()) words.insert(kind);
    }
    const std::regex option("--[a-z][a-z-]*");
    for (std::sregex_iterator m(usage.out.begin(), usage.out.end(), option), end; m != end; ++m)
        options.insert(m->str());
    ASSERT_GT(words.size(), 30u);
    ASSERT_GT(options.size(), 40u);

    words.insert(options.begin(), options.end());
    for (const auto& w : words) {
        EXPECT_TRUE(NamesWord(man, w, true)) << "manual page: " << w;
        EXPECT_TRUE(NamesWord(completion, w)) << "completion: " << w;
        EXPECT_TRUE(NamesWord(readme, w)) << "README: " << w;
    }
}

} // namespace
