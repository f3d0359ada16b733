#pragma once
// The demo model run shared by the record generator and the file writer.
#include <vector>

#include "demo/demo.h"
#include "demo/demo_model.h"

namespace hk::demo {

struct DemoRun {
    DemoData data;
    std::vector<SimGroup> groups;
};

DemoRun RunDemoModel(const DemoOptions& options);

} // namespace hk::demo
