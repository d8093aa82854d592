// Resizing by the border parts with real pointer input under Wine, for both
// Windows builds: glavo-activex-host.exe in its "drag" mode presses and
// moves the pointer through SendInput in a Wine virtual desktop on a
// private X display, and writes one CHECK line per drag; this suite judges
// them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

struct DragRun {
  bool ran = false;
  std::string why;
  std::map<std::string, std::string> checks;  // name -> "ok ..." / "fail ..."
};

DragRun RunDragHost(const Bitness& b) {
  DragRun run;
  const std::string exe = b.bin("glavo-activex-host.exe");
  const std::string ocx = b.bin("glavowrap.ocx");
  for (const std::string& path : {exe, ocx}) {
    if (std::string missing = b.Missing(path); !missing.empty()) {
      run.why = missing;
      return run;
    }
  }
  if (RunCommand("command -v xvfb-run").exitCode != 0) {
    run.why = "xvfb-run was not found; install it: bash scripts/setup.sh";
    return run;
  }
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  const std::string outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/real-drag-" + tag;
  const std::string prefix = std::string(GLAVO_WINE_PREFIX) + "-drag-" + tag;
  RunCommand("rm -rf " + ShellQuote(outDir) + " && mkdir -p " + ShellQuote(outDir));
  StopWineServer(prefix);
  // The X screen is the Wine desktop's size, so the pointer SendInput
  // moves is always inside the desktop.
  RunCommand(WineEnvironment(prefix) + "timeout 300 xvfb-run -a -s '-screen 0 1024x768x24' " +
             ShellQuote(b.loader) + " explorer /desktop=glavodrag,1024x768 " + ShellQuote(exe) + " " +
             ShellQuote(WindowsPath(ocx)) + " " + ShellQuote(WindowsPath(outDir)) + " drag");
  StopWineServer(prefix);
  RunCommand("rm -rf " + ShellQuote(prefix));
  std::istringstream lines(ReadTextFile(outDir + "/activex_result.txt"));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("CHECK ", 0) == 0) {
      const auto space = line.find(' ', 6);
      run.checks[line.substr(6, space - 6)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    run.ran = run.ran || line == "DONE";
  }
  if (!run.ran) run.why = "the " + b.name + " host did not finish; see " + outDir;
  return run;
}

class RealDrag : public ::testing::TestWithParam<Bitness> {};

// Many small moves keep the edge with the pointer (within a pixel), one
// large move grows by exactly its distance, and shrinking stops above 100
// pixels with the left edge stopping too.
TEST_P(RealDrag, EveryBorderPartFollowsThePointer) {
  const DragRun run = RunDragHost(GetParam());
  ASSERT_TRUE(run.ran) << run.why;
  for (const char* part : {"LeftBar", "RightBar", "BottomBar", "LeftCorner", "RightCorner"}) {
    for (const char* kind : {"small_moves", "large_move", "minimum"}) {
      const std::string name = std::string("drag_") + part + "_" + kind;
      auto it = run.checks.find(name);
      ASSERT_NE(it, run.checks.end()) << name << " was not reached";
      EXPECT_EQ(it->second.rfind("ok", 0), 0u) << name << ": " << it->second;
      std::printf("%s %s: %s\n", GetParam().name.c_str(), name.c_str(), it->second.c_str());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, RealDrag, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
