// The Wine harness's command runner: a suite that reads a program's exit
// status or lines would pass whatever ran if the runner lost them. What the
// harness says about a missing build or loader fails the suites loudly when
// wrong, so it needs no case here.
#include <gtest/gtest.h>

#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

TEST(WineRunner, RunCommandKeepsBothStreamsTheExitStatusAndQuotedWords) {
  const WineResult r =
      RunCommand("echo out; echo err >&2; printf 'crlf\\r\\n'; echo " + ShellQuote("it's a") + "; exit 3");
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"out", "err", "crlf", "it's a"}));
}

}  // namespace
}  // namespace glavo::wine
