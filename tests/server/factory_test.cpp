// The class factory, the module's lifetime and COM identity of the control.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

using FactoryTest = ClientRunTest;

// The whole run, in order.
TEST_P(FactoryTest, CreatesOnlyItsOwnClassStaysLoadedWhileUsedAndKeepsOneIdentity) {
  ASSERT_NO_FATAL_FAILURE(Start("factory"));
  const std::vector<std::string> expected = {
      "unload idle=0x00000000",
      "unknown class=0x80040111",  // CLASS_E_CLASSNOTAVAILABLE
      "factory=0x00000000",
      "aggregation=0x80040110",        // CLASS_E_NOAGGREGATION
      "no such interface=0x80004002",  // E_NOINTERFACE
      "unload locked=0x00000001",
      "unload with object=0x00000001",
      "interfaces answered=8",
      "same identity=8",
      "windowless window=0x80004005",  // E_FAIL: it has none
      "foreign interface=0x80004002 cleared",
      "error info dual=0x00000000",
      "error info other=0x00000001",
      // Also proves the object refused above was freed: nothing is left.
      "unload released=0x00000000",
  };
  EXPECT_EQ(run_->lines(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, FactoryTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
