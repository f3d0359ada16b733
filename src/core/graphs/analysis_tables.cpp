#include "graphs/analysis_tables.h"

#include "records/session.h"

namespace hk {

const KoronaTable& AnalysisTables::corona() {
    if (!corona_) {
        KoronaLoad load = LoadKorona(session_.dir);
        if (load.warning) warnings_.push_back(std::move(*load.warning));
        corona_ = std::move(load.table);
    }
    return *corona_;
}

const Asymetrie& AnalysisTables::asymmetry() {
    if (!asymmetry_ || asymmetryRevision_ != session_.revision()) {
        asymmetry_ = SpocitejAsymetrii(session_.records());
        asymmetryRevision_ = session_.revision();
    }
    return *asymmetry_;
}

} // namespace hk
