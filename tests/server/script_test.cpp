// A VBScript client under Wine creates GlavoSkin by its ProgID, without a
// container, and works every property and method: each build registered
// and scripted by the regsvr32 and cscript of its bitness.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "wine_session.h"

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

  // Runs a script of tests/server/scripts and maps its "name=value" lines.
  std::map<std::string, std::string> Run(const std::string& script, const std::string& argument) {
    WineResult r = WineSession::For(GetParam())
                       .cscript(std::string(GLAVO_SERVER_TEST_DIR) + "/scripts/" + script, argument);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    std::map<std::string, std::string> values;
    for (const auto& line : r.lines()) {
      auto eq = line.find('=');
      if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    output_ = r.output;
    return values;
  }
  std::string output_;
};

TEST_P(ScriptTest, EveryPropertyAndMethodWorksWithoutAContainer) {
  const std::string themeFile =
      std::string(GLAVO_SERVER_WORK_DIR) + "/script_theme_" + GetParam().name + ".gwr";
  std::remove(themeFile.c_str());
  auto v = Run("properties.vbs", WindowsPath(themeFile));
  SCOPED_TRACE(output_);
  ASSERT_EQ(v["create"], "0");

  // Its defaults and the lets' clamping are the core's (tests/skin/persistence_test.cpp),
  // a let and a get of every property late bound the persistence suite's
  // (the values it sets and reads back). Here: small numbers as the script's
  // Integers (VT_I2), into a size and an enumeration, and the font object a
  // script reaches through the control.
  const std::map<std::string, std::string> sets = {
      {"set BorderSize", "5"}, {"set SkinState", "2"},           {"Font.Bold", "True"},
      {"Font.Size", "9.75"},   {"set Font.Italic", "True"}, {"same Font object", "True"}};
  for (const auto& [name, expected] : sets) EXPECT_EQ(v[name], expected) << name;
  EXPECT_FALSE(v["set Font.Size"].empty());

  EXPECT_EQ(v["BodyTheme Graphite"], "2");
  EXPECT_EQ(v["theme fields"], "24");
  EXPECT_EQ(v["other differs"], "True");
  EXPECT_EQ(v["string round trip"], "True");
  EXPECT_EQ(v["save returns string"], "True");
  EXPECT_EQ(v["file round trip"], "True");
  EXPECT_EQ(v["SkinTheme after load"], "0");
  EXPECT_EQ(v["action load"], "True");
  EXPECT_EQ(v["Refresh"], "ok");

  EXPECT_EQ(v["type mismatch"], "13");
  EXPECT_EQ(v["no such member"], "438");
  std::remove(themeFile.c_str());
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, ScriptTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
