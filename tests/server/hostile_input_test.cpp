// Hostile automation input through the real IDispatch, in both bitnesses:
// wrong VARIANT types for every settable property and the theme methods,
// texts with NULs, a caption of a million characters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "client_run.h"
#include "wine_session.h"

namespace server_test {
namespace {

using HostileInputTest = ClientRunTest;

TEST_P(HostileInputTest, WrongValuesFailWithAnAutomationErrorAndTheControlKeepsWorking) {
  const std::filesystem::path dir = std::filesystem::path(GLAVO_SERVER_WORK_DIR) / ("hostile-" + GetParam().name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  ASSERT_NO_FATAL_FAILURE(Start("hostile", ShellQuote(WindowsPath(dir.string())), 280));
  const WineResult& run = *run_;
  SCOPED_TRACE(run.output.substr(0, 20000));
  EXPECT_EQ(LinesStartingWith(run, "unusable"), std::vector<std::string>{"unusable 0"});
  EXPECT_TRUE(LinesStartingWith(run, "bad-error").empty());
  EXPECT_GE(LinesStartingWith(run, "put ").size(), 150u) << "every settable property with every value";
  // A BSTR's length counts, not its first NUL: a caption keeps what follows
  // it, and "1\0 2" is no number for a number, an enumeration or a truth
  // value. Texts that are no numbers, and doubles beyond a Long, are
  // refused where a number is wanted.
  for (const char* fact : {"done", "caption-nul True", "caption-million True",
                           "nul-number BorderSize 0x80020005 kept True", "nul-number TitleBarSize 0x80020005 kept True",
                           "nul-number BodyTheme 0x80020005 kept True", "nul-number AllowResize 0x80020005 kept True",
                           "put BorderSize text-abc 0x80020005", "put BorderSize text-inf 0x80020005",
                           "put BorderSize text-0x1 0x80020005", "put TitleBarSize text-abc 0x80020005",
                           "put AllowResize text-inf 0x80020005", "put BorderSize double-1e300 0x8002000A"}) {
    EXPECT_EQ(LinesStartingWith(run, fact), std::vector<std::string>{fact});
  }
  std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, HostileInputTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
