// The class factory, the module's lifetime and COM identity of the control.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

class FactoryTest : public ClientRunTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Start("factory"));
    v_ = NameValues(*run_);
  }
  std::map<std::string, std::string> v_;
};

TEST_P(FactoryTest, CreatesOnlyItsOwnClassAndNeverAggregates) {
  EXPECT_EQ(v_["factory"], "0x00000000");
  EXPECT_EQ(v_["unknown class"], "0x80040111") << "CLASS_E_CLASSNOTAVAILABLE";
  EXPECT_EQ(v_["aggregation"], "0x80040110") << "CLASS_E_NOAGGREGATION";
  EXPECT_EQ(v_["no such interface"], "0x80004002") << "E_NOINTERFACE";
}

TEST_P(FactoryTest, ModuleStaysLoadedWhileObjectsOrLocksLive) {
  EXPECT_EQ(v_["unload idle"], "0x00000000");
  EXPECT_EQ(v_["unload locked"], "0x00000001");
  EXPECT_EQ(v_["unload with object"], "0x00000001");
  // Also proves the object refused above was freed: nothing is left.
  EXPECT_EQ(v_["unload released"], "0x00000000");
}

TEST_P(FactoryTest, EveryInterfaceLeadsBackToOneIdentity) {
  EXPECT_EQ(v_["interfaces answered"], "8");
  EXPECT_EQ(v_["same identity"], "8");
  EXPECT_EQ(v_["windowless window"], "0x80004005");  // E_FAIL: it has none
  EXPECT_EQ(v_["foreign interface"], "0x80004002 cleared");
  EXPECT_EQ(v_["error info dual"], "0x00000000");
  EXPECT_EQ(v_["error info other"], "0x00000001");
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, FactoryTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
