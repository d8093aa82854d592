// The Win32 backend's own checks (glavo-win32-check.exe), run under Wine
// for both Windows builds.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

class Win32Dc : public ::testing::TestWithParam<Bitness> {};

TEST_P(Win32Dc, PassesItsChecksOnRealGdi) {
  const Bitness& b = GetParam();
  const std::string exe = b.bin("glavo-win32-check.exe");
  const std::string missing = b.Missing(exe);
  ASSERT_TRUE(missing.empty()) << missing;
  // A prefix of its own: stopping one prefix's server must not cut the scene run short.
  const WineResult run = RunUnderWine(b, exe, {}, b.Prefix(std::string(GLAVO_WINE_PREFIX) + "-check"), 300);
  int passed = 0;
  bool finished = false;
  for (const std::string& line : run.lines()) {
    if (line.rfind("ok ", 0) == 0) ++passed;
    if (line.rfind("FAIL ", 0) == 0) ADD_FAILURE() << line.substr(5);
    if (line.rfind("done ", 0) == 0) finished = true;
  }
  EXPECT_TRUE(finished) << "the check program stopped early:\n" << run.output;
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_GE(passed, 30) << run.output;
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, Win32Dc, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
