// The Win32 backend's own checks (glavo-win32-check.exe), run under Wine.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

TEST(Win32Dc, PassesItsChecksOnRealGdi) {
  const std::string exe = std::string(GLAVO_WIN64_DIR) + "/tools/glavo-win32-check.exe";
  ASSERT_TRUE(FileExists(exe)) << exe << " is missing; build it with: cmake --preset mingw64 && "
                                         "cmake --build --preset mingw64 --target glavo-win32-check";
  // A prefix of its own: stopping one prefix's server must not cut the scene run short.
  const WineResult run =
      RunUnderWine(exe, {}, std::string(GLAVO_WINE_PREFIX) + "-check", 300);
  std::istringstream lines(run.output);
  int passed = 0;
  bool finished = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("ok ", 0) == 0) ++passed;
    if (line.rfind("FAIL ", 0) == 0) ADD_FAILURE() << line.substr(5);
    if (line.rfind("done ", 0) == 0) finished = true;
  }
  EXPECT_TRUE(finished) << "the check program stopped early:\n" << run.output;
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_GE(passed, 30) << run.output;
}

}  // namespace
}  // namespace glavo::wine
