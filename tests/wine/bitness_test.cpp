// The Wine harness itself: what each Windows build runs with, and that a
// missing build or 32-bit loader is reported with its fix.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

TEST(Bitness, AMissingOutputNamesThePresetThatBuildsIt) {
  const Bitness b = I686();
  const std::string message = b.Missing(b.bin("no-such-program.exe"));
  EXPECT_NE(message.find("no-such-program.exe is missing"), std::string::npos) << message;
  EXPECT_NE(message.find("cmake --build --preset mingw32"), std::string::npos) << message;
}

// Only a 32-bit ELF program is the 32-bit loader: a 64-bit one, or a
// wrapper script that falls back to wine64, cannot start the i686 build.
TEST(Bitness, The32BitLoaderMustBeA32BitProgram) {
  Bitness b = I686();
  b.loader = "/bin/sh";  // a 64-bit program on the build machine
  std::string message = b.LoaderProblem();
  EXPECT_NE(message.find("wine32:i386"), std::string::npos) << message;
  EXPECT_NE(message.find("scripts/setup.sh"), std::string::npos) << message;

  const std::string script = std::string(GLAVO_TEST_OUTPUT_DIR) + "/fake-wine";
  std::FILE* file = std::fopen(script.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("#!/bin/sh\nexec wine64 \"$@\"\n", file);
  std::fclose(file);
  b.loader = script;
  EXPECT_FALSE(b.LoaderProblem().empty());
  EXPECT_FALSE(b.Missing(script).empty()) << "an existing file still needs a loader";
  std::remove(script.c_str());

  b.loader = "/no/such/wine";
  EXPECT_FALSE(b.LoaderProblem().empty());
}

// Host paths reach Wine through its Z: drive; every Wine suite passes them.
TEST(WineRunner, RunCommandKeepsBothStreamsTheExitStatusAndQuotedWords) {
  const WineResult r =
      RunCommand("echo out; echo err >&2; printf 'crlf\\r\\n'; echo " + ShellQuote("it's a") + "; exit 3");
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"out", "err", "crlf", "it's a"}));
}

}  // namespace
}  // namespace glavo::wine
