#include "cli/cli_common.h"

#include <algorithm>

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

} // namespace hk::cli
