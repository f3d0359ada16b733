#pragma once
// What the pictures and tables read beyond the record store: the corona
// table of KoronaX, read when something first needs it (a run that never
// shows the corona never parses its files), and the monthly and yearly
// asymmetry tables, computed again only when the store's revision has
// changed since they were last computed. One object serves a whole run
// (the windows) or one command (the CLI).
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graphs/asymmetry.h"
#include "graphs/corona.h"

namespace hk {

class Session;

class AnalysisTables {
  public:
    explicit AnalysisTables(const Session& session) : session_(session) {}
    AnalysisTables(const AnalysisTables&) = delete;
    AnalysisTables& operator=(const AnalysisTables&) = delete;

    // The corona table (coronaBytes, coronaLength) of the session's program
    // directory, read on the first call.
    const CoronaTable& corona();
    bool coronaLoaded() const { return corona_.has_value(); }

    // monthly and yearly of the records as they are now.
    const AsymmetryTables& asymmetry();

    // What the reads so far warned about and nobody has taken yet (why the
    // corona stopped loading early); the list is empty afterwards.
    std::vector<std::string> takeWarnings() { return std::exchange(warnings_, {}); }

  private:
    const Session& session_;
    std::optional<CoronaTable> corona_;
    std::optional<AsymmetryTables> asymmetry_;
    std::uint64_t asymmetryRevision_ = 0;
    std::vector<std::string> warnings_;
};

} // namespace hk
