// IObjectSafety of GlavoSkin: safe for initialisation from persisted data,
// so Office loads a form's saved look; not safe for scripting, since
// SaveSkinTheme writes any file a caller names.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

using SafetyTest = ClientRunTest;

TEST_P(SafetyTest, SafeForInitializationOnlyNeverForScripting) {
  ASSERT_NO_FATAL_FAILURE(Start("safety"));
  // The whole run, in order; the option a container enabled is reported
  // back at the end.
  const std::vector<std::string> expected = {
      "query 0x00000000",
      "options IPersistPropertyBag supported=2 enabled=0",
      "options IPersistStreamInit supported=2 enabled=0",
      "options IDispatch supported=0 enabled=0",
      "options IClassFactory hr=0x80004002",  // not an interface of the control
      "set IPersistPropertyBag data hr=0x00000000", "set IPersistPropertyBag caller hr=0x80004005",
      "set IPersistStreamInit data hr=0x00000000",  "set IPersistStreamInit caller hr=0x80004005",
      "set IDispatch data hr=0x80004005",           "set IDispatch caller hr=0x80004005",
      "set IClassFactory data hr=0x80004002",       "set IClassFactory caller hr=0x80004002",
      "after IPersistPropertyBag enabled=2",
  };
  EXPECT_EQ(run_->lines(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, SafetyTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
