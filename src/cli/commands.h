#pragma once
// The commands of heliokres-cli; each lives in its own cmd_*.cpp.
#include "cli/cli_common.h"

namespace hk::cli {

int RunEphemeris(const Args& args, std::ostream& out, std::ostream& err);
int RunDump(const Args& args, std::ostream& out, std::ostream& err);
int RunExport(const Args& args, std::ostream& out, std::ostream& err);
int RunReport(const Args& args, std::ostream& out, std::ostream& err);
int RunStats(const Args& args, std::ostream& out, std::ostream& err);
int RunYearlyTable(const Args& args, std::ostream& out, std::ostream& err);
// The further tables and files of the results window (cmd_results_views.cpp):
// stats DIR KIND ... and export KIND DIR ...
bool IsResultsViewTable(const std::string& kind);
int RunStatsView(const Args& args, std::ostream& out, std::ostream& err);
bool IsResultsViewExport(const std::string& kind);
int RunExportView(const Args& args, std::ostream& out, std::ostream& err);
// render KIND ...: dispatches to the subcommands below.
int RunRender(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderDrawing(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderProtocol(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderButterfly(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderMap(const Args& args, std::ostream& out, std::ostream& err);
// render observers | spotless (cmd_render_results.cpp).
int RunRenderObservers(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderSpotless(const Args& args, std::ostream& out, std::ostream& err);

// measure: picture points to polar positions; find-disk: the drawn disk;
// find-spots: the drawn spots and the groups they form.
int RunMeasure(const Args& args, std::ostream& out, std::ostream& err);
int RunFindDisk(const Args& args, std::ostream& out, std::ostream& err);
int RunFindSpots(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderGraph(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderSmoothed(const Args& args, std::ostream& out, std::ostream& err);
int RunRenderAsymmetry(const Args& args, std::ostream& out, std::ostream& err);
int RunImport(const Args& args, std::ostream& out, std::ostream& err);

// magnetosphere-sum DIR: the daily magnetograms into magn.dat.
int RunMagnetosphereSum(const Args& args, std::ostream& out, std::ostream& err);

int RunDemo(const Args& args, std::ostream& out, std::ostream& err);
int RunCheck(const Args& args, std::ostream& out, std::ostream& err);

} // namespace hk::cli
