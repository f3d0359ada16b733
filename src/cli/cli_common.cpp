#include "cli/cli_common.h"

#include <algorithm>
#include <chrono>

namespace hk::cli {

std::optional<std::string> TakeOption(Args& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return std::nullopt;
    if (std::next(it) == args.end()) throw UsageError("chybí hodnota volby " + name);
    std::string value = *std::next(it);
    args.erase(it, it + 2);
    return value;
}

bool TakeFlag(Args& args, const std::string& name) {
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

void RejectUnknownOptions(const Args& args) {
    for (const auto& a : args)
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw UsageError("neznámá volba " + a);
}

Date Today() {
    const std::chrono::year_month_day ymd{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

} // namespace hk::cli
