// A VBScript client under Wine creates GlavoSkin by its ProgID, without a
// container, and calls it late bound: each build registered and scripted
// by the regsvr32 and cscript of its bitness.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

class ScriptTest : public ::testing::TestWithParam<Bitness> {
 protected:
  void SetUp() override {
    std::string missing = GetParam().Missing(OcxPath(GetParam()));
    ASSERT_TRUE(missing.empty()) << missing;
    WineResult reg = WineSession::For(GetParam()).regsvr32("/s");
    ASSERT_EQ(reg.exitCode, 0) << reg.output;
  }
  void TearDown() override { WineSession::For(GetParam()).regsvr32("/s /u"); }
};

TEST_P(ScriptTest, CreatedByItsProgIdItTakesScriptValuesAndCalls) {
  const WineResult run =
      WineSession::For(GetParam()).cscript(std::string(GLAVO_SERVER_TEST_DIR) + "/scripts/properties.vbs", "");
  SCOPED_TRACE(run.output);
  ASSERT_EQ(run.exitCode, 0);
  auto v = NameValues(run);
  ASSERT_EQ(v["create"], "0");

  // Its defaults and the lets' clamping are the core's (tests/skin/persistence_test.cpp),
  // a let and a get of every property late bound the persistence suite's,
  // theme strings and files the core's (tests/skin/theme_actions_test.cpp)
  // and wrong types the hostile suite's. Here: small numbers as the
  // script's Integers (VT_I2), into a size and an enumeration, the font
  // object a script reaches through the control, optional arguments, and a
  // name the control does not have.
  const std::map<std::string, std::string> expected = {
      {"set BorderSize", "5"},  {"set SkinState", "2"},       {"Font.Bold", "True"},
      {"Font.Size", "9.75"},    {"set Font.Italic", "True"},  {"same Font object", "True"},
      {"other differs", "True"}, {"string round trip", "True"}, {"Refresh", "ok"},
      {"no such member", "438"}};
  for (const auto& [name, value] : expected) EXPECT_EQ(v[name], value) << name;
  EXPECT_FALSE(v["set Font.Size"].empty());
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, ScriptTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
