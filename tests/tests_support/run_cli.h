#pragma once
// Runs the built heliokres-cli through the shell and collects what it printed.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace hk {

struct CliRun {
    int status = -1;
    std::string out; // standard output, with standard error when asked for
};

// `args` are shell-quoted by the caller; standard error joins the output when
// `withErrors`, else it goes to `errFile` or is discarded. A run that does not
// end within two minutes is killed (status 137).
inline CliRun RunCli(const std::string& args, bool withErrors = false,
                     const std::string& errFile = "/dev/null") {
    const std::string cmd = "timeout -s KILL 120 " + std::string(HELIOKRES_CLI) + " " + args +
                            (withErrors ? " 2>&1" : " 2>'" + errFile + "'");
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string ShellQuoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

} // namespace hk
