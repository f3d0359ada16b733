#include "graphs/analysis_tables.h"

#include "records/session.h"

namespace hk {

const CoronaTable& AnalysisTables::corona() {
    if (!corona_) {
        CoronaLoad load = LoadCorona(session_.dir);
        if (load.warning) warnings_.push_back(std::move(*load.warning));
        corona_ = std::move(load.table);
    }
    return *corona_;
}

const AsymmetryTables& AnalysisTables::asymmetry() {
    if (!asymmetry_ || asymmetryRevision_ != session_.revision()) {
        asymmetry_ = ComputeAsymmetry(session_.records());
        asymmetryRevision_ = session_.revision();
    }
    return *asymmetry_;
}

} // namespace hk
