// Resizing by the border parts with real pointer input under Wine, for both
// Windows builds: glavo-activex-host.exe in its "drag" mode presses and
// moves the pointer through SendInput in a Wine virtual desktop on a
// private X display, and writes one CHECK line per drag; this suite judges
// them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

// One Windows build and the Wine loader that runs it.
struct Bitness {
  const char* name;
  const char* buildDirVariable;  // environment override of the build folder
  const char* buildDir;
  const char* wineName;          // the loader, next to wine64
};

void PrintTo(const Bitness& b, std::ostream* os) { *os << b.name; }

std::string BuildDir(const Bitness& b) {
  const char* env = std::getenv(b.buildDirVariable);
  return env && *env ? env : b.buildDir;
}

std::string Loader(const Bitness& b) {
  const std::string wine64 = GLAVO_WINE64;
  return wine64.substr(0, wine64.rfind('/') + 1) + b.wineName;
}

std::string WinePath(const std::string& hostPath) {
  std::string path = "Z:" + hostPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

struct DragRun {
  bool unavailable = false;  // no such build, Wine or X server here
  bool ran = false;
  std::string why;
  std::map<std::string, std::string> checks;  // name -> "ok ..." / "fail ..."
};

DragRun RunDragHost(const Bitness& b) {
  DragRun run;
  const std::string exe = BuildDir(b) + "/bin/glavo-activex-host.exe";
  const std::string ocx = BuildDir(b) + "/bin/glavowrap.ocx";
  const std::string loader = Loader(b);
  if (!FileExists(exe) || !FileExists(ocx)) {
    run.unavailable = true;
    run.why = "no " + exe;
    return run;
  }
  if (RunCommand("command -v xvfb-run >/dev/null").exitCode != 0 || !FileExists(loader)) {
    run.unavailable = true;
    run.why = "xvfb-run and " + loader + " are needed";
    return run;
  }
  const std::string tag = std::string(b.name) + "-" + std::to_string(static_cast<long>(getpid()));
  const std::string outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/real-drag-" + tag;
  const std::string prefix = std::string(GLAVO_WINE_PREFIX) + "-drag-" + tag;
  RunCommand("rm -rf " + ShellQuote(outDir) + " && mkdir -p " + ShellQuote(outDir));
  const std::string env = "WINEPREFIX=" + ShellQuote(prefix) + " WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' ";
  const std::string stopServer = env + "timeout 60 " + ShellQuote(GLAVO_WINESERVER) + " -k >/dev/null 2>&1";
  RunCommand(stopServer);
  // The X server's own pointer rests in the middle of its screen: on a
  // screen twice the desktop's size it lies outside the Wine desktop and
  // sends it no stray moves mid-drag.
  RunCommand(env + "timeout 300 xvfb-run -a -s '-screen 0 2048x1536x24' " + ShellQuote(loader) +
             " explorer /desktop=glavodrag,1024x768 " + ShellQuote(exe) + " " + ShellQuote(WinePath(ocx)) + " " +
             ShellQuote(WinePath(outDir)) + " drag >/dev/null 2>&1");
  RunCommand(stopServer);
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
  if (!run.ran) run.why = "the host did not finish; see " + outDir;
  return run;
}

class RealDrag : public testing::TestWithParam<Bitness> {};

// Many small moves keep the edge with the pointer (within a pixel), one
// large move grows by exactly its distance, and shrinking stops above 100
// pixels with the left edge stopping too.
TEST_P(RealDrag, EveryBorderPartFollowsThePointer) {
  const DragRun run = RunDragHost(GetParam());
  if (run.unavailable) GTEST_SKIP() << run.why;
  ASSERT_TRUE(run.ran) << run.why;
  for (const char* part : {"LeftBar", "RightBar", "BottomBar", "LeftCorner", "RightCorner"}) {
    for (const char* kind : {"small_moves", "large_move", "minimum"}) {
      const std::string name = std::string("drag_") + part + "_" + kind;
      auto it = run.checks.find(name);
      ASSERT_NE(it, run.checks.end()) << name << " was not reached";
      EXPECT_EQ(it->second.rfind("ok", 0), 0u) << name << ": " << it->second;
      std::printf("%s %s: %s\n", GetParam().name, name.c_str(), it->second.c_str());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, RealDrag,
                         testing::Values(Bitness{"x86_64", "GLAVO_WIN64_DIR", GLAVO_WIN64_DIR, "wine64"},
                                         Bitness{"i686", "GLAVO_WIN32_DIR", GLAVO_WIN32_DIR, "wine"}),
                         [](const testing::TestParamInfo<Bitness>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glavo::wine
