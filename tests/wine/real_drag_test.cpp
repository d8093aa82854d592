// Resizing by the border parts with real pointer input under Wine, for both
// Windows builds: glavo-activex-host.exe in its "drag" mode presses and
// moves the pointer through SendInput in a Wine virtual desktop on a
// private X display, and writes one CHECK line per drag; this suite judges
// them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activex_host_run.h"

namespace glavo::wine {
namespace {

class RealDrag : public ::testing::TestWithParam<Bitness> {};

// Many small moves keep the edge with the pointer (within a pixel), one
// large move grows by exactly its distance, and shrinking stops above 100
// pixels with the left edge stopping too.
TEST_P(RealDrag, EveryBorderPartFollowsThePointer) {
  const HostRun run = RunHost(GetParam(), "drag");
  ASSERT_TRUE(run.ran) << run.why;
  std::vector<std::string> names;
  for (const char* part : {"LeftBar", "RightBar", "BottomBar", "LeftCorner", "RightCorner"}) {
    for (const char* kind : {"small_moves", "large_move", "minimum"}) names.push_back(std::string("drag_") + part + "_" + kind);
  }
  ExpectChecks(run, names, true);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, RealDrag, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
