#pragma once
// View 12 "Data asymetrie" of the results window: the monthly or yearly
// asymmetry table and its text file.
#include "results/results_grid.h"

namespace hk {

class AnalysisTables;
class Messages;
class Session;

// The table shown: monthly when `mesicni`.
ResultsGrid AsymmetryGrid(const Session& session, AnalysisTables& tables, bool monthly);
// "AsinTXT": after the question, writes the monthly (also when neither
// button is down) or the yearly table into Polohy-skupin.
void AsymmetryToText(const Session& session, AnalysisTables& tables, Messages& messages,
                     bool yearly);

} // namespace hk
