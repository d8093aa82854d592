// Saving and loading GlavoSkin through a property bag and through a stream:
// every property survives, the keys come in their fixed order, and values
// equal to their defaults may be left out.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

const std::vector<std::string> kKeyOrder = {
    "BorderSize", "TitleBarSize", "Caption", "AllowResize", "AllowFullScreen", "ShowHelpButton",
    "ShowMaximizeButton", "ShowMinimizeButton", "ShowIconButton", "ShowCloseButton", "Font",
    "Enabled", "BackColor", "BackgroundShow", "SkinTheme", "SkinThemeFile", "SkinThemeData",
    "BodyTheme", "ButtonSize", "AllowSystemMenu", "SkinState"};

std::vector<std::string> KeysOf(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> keys;
  for (const auto& line : lines) {
    std::string rest = line.substr(prefix.size());
    keys.push_back(rest.substr(0, rest.find('=')));
  }
  return keys;
}

// The values the client gave control A, as a client reads them back (the
// font is italic).
const std::map<std::string, std::string> kSet = {
    {"BorderSize", "7"},         {"TitleBarSize", "41"},
    {"Caption", "\"Caf\\u00E9 \\u0445 \\u4E16\\u754C\""},
    {"AllowResize", "False"},    {"AllowFullScreen", "True"},
    {"ShowCloseButton", "False"}, {"Enabled", "False"},
    {"BackColor", "3368601"},    {"BackgroundShow", "False"},
    {"SkinTheme", "0"},          {"SkinThemeFile", "\"Custom.gwr\""},
    {"BodyTheme", "8"},          {"ButtonSize", "31"},
    {"AllowSystemMenu", "False"}, {"SkinState", "7"}};

// A round trip's common lines: the save and load succeeded, control B
// (loaded) reads every property as control A (saved) does, with the values
// that were set, and both show the same look.
void ExpectRoundTrip(const WineResult& run) {
  EXPECT_EQ(LinesStartingWith(run, "save "), std::vector<std::string>{"save 0x00000000"});
  EXPECT_EQ(LinesStartingWith(run, "load "), std::vector<std::string>{"load 0x00000000"});
  auto a = Values(run, "A");
  auto b = Values(run, "B");
  ASSERT_EQ(a.size(), kKeyOrder.size() - 1) << "every property but the theme data";
  EXPECT_EQ(b, a);
  for (const auto& [name, value] : kSet) EXPECT_EQ(b[name], value) << name;
  EXPECT_NE(b["Font"].find(",True)"), std::string::npos) << "italic font: " << b["Font"];
  EXPECT_EQ(LinesStartingWith(run, "theme-equal "), std::vector<std::string>{"theme-equal True"});
}

using PersistenceTest = ClientRunTest;

TEST_P(PersistenceTest, PropertyBagRoundTripReproducesEveryProperty) {
  ASSERT_NO_FATAL_FAILURE(Start("bag"));
  const WineResult& run = *run_;
  SCOPED_TRACE(run.output);
  ExpectRoundTrip(run);

  // Every key differs from its default except SkinTheme (always 0), which
  // may therefore be left out; the rest come in the fixed order.
  std::vector<std::string> expected = kKeyOrder;
  std::erase(expected, "SkinTheme");
  std::vector<std::string> written = KeysOf(LinesStartingWith(run, "write "), "write ");
  std::erase(written, "SkinTheme");
  EXPECT_EQ(written, expected);
  auto w = Values(run, "write");
  EXPECT_NE(w["SkinThemeData"].find("#$#"), std::string::npos) << "the whole look is saved";
}

TEST_P(PersistenceTest, FontChangedInPlaceIsSavedWithTheChange) {
  ASSERT_NO_FATAL_FAILURE(Start("bag"));
  const WineResult& run = *run_;
  auto v = Values(run, "inplace");
  // Made bold through the object the control handed out; still italic.
  EXPECT_NE(v["Font"].find(",True,True)"), std::string::npos) << v["Font"];
}

// Which values equal their defaults, and what the defaults are, is the
// core's (tests/skin/persistence_test.cpp); through IPersistPropertyBag the
// fSaveAllProperties flag must reach it.
TEST_P(PersistenceTest, SaveAllPropertiesDecidesWhetherDefaultsAreWritten) {
  ASSERT_NO_FATAL_FAILURE(Start("bag"));
  auto fresh = Values(*run_, "fresh");
  EXPECT_EQ(fresh.count("BorderSize"), 0u) << "equals its default and need not be written";
  EXPECT_NE(fresh["SkinThemeData"].find("#$#"), std::string::npos);
  EXPECT_EQ(KeysOf(LinesStartingWith(*run_, "all "), "all "), kKeyOrder);
  EXPECT_EQ(Values(*run_, "all")["BorderSize"], "3");
}

TEST_P(PersistenceTest, StreamRoundTripReproducesEveryPropertyAndRefusesDamagedData) {
  ASSERT_NO_FATAL_FAILURE(Start("stream"));
  const WineResult& run = *run_;
  SCOPED_TRACE(run.output);
  ExpectRoundTrip(run);
  EXPECT_EQ(LinesStartingWith(run, "dirty-before-save "),
            std::vector<std::string>{"dirty-before-save True"});
  EXPECT_EQ(LinesStartingWith(run, "dirty-after-save "),
            std::vector<std::string>{"dirty-after-save False"});
  EXPECT_EQ(LinesStartingWith(run, "size-max-covers "),
            std::vector<std::string>{"size-max-covers True"});

  EXPECT_EQ(LinesStartingWith(run, "damaged-load "),
            std::vector<std::string>{"damaged-load refused"});
  EXPECT_EQ(Values(run, "C"), Values(run, "B")) << "a refused load changes nothing";
  // Damage the header check sees is refused; whatever loads or not, the
  // control keeps working.
  const auto damaged = LinesStartingWith(run, "damaged ");
  ASSERT_EQ(damaged.size(), 5u);
  for (const std::string& line : damaged) EXPECT_TRUE(line.ends_with(" usable True")) << line;
  EXPECT_EQ(std::vector<std::string>(damaged.begin(), damaged.begin() + 3),
            (std::vector<std::string>{"damaged truncated refused usable True",
                                      "damaged wrong-magic refused usable True",
                                      "damaged later-version refused usable True"}));
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, PersistenceTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
