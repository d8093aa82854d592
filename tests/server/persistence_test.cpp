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

// The bag holds every value B shows (the order of its keys is the complete
// save's, below). B's font, made bold through the object the control
// handed out, is saved with the change.
TEST_P(PersistenceTest, PropertyBagRoundTripReproducesEveryPropertyAndAFontChangedInPlace) {
  ASSERT_NO_FATAL_FAILURE(Start("bag"));
  SCOPED_TRACE(run_->output);
  ExpectRoundTrip(*run_);
  const std::string font = Values(*run_, "inplace")["Font"];
  EXPECT_NE(font.find(",True,True)"), std::string::npos) << "bold and still italic: " << font;
}

// Which values equal their defaults, and what the defaults are, is the
// core's (tests/skin/persistence_test.cpp); through IPersistPropertyBag the
// fSaveAllProperties flag must reach it.
TEST_P(PersistenceTest, SaveAllPropertiesDecidesWhetherDefaultsAreWritten) {
  ASSERT_NO_FATAL_FAILURE(Start("bag"));
  auto fresh = Values(*run_, "fresh");
  EXPECT_EQ(fresh.count("BorderSize"), 0u) << "equals its default and need not be written";
  EXPECT_NE(fresh["SkinThemeData"].find("#$#"), std::string::npos);
  std::vector<std::string> keys;
  for (const auto& line : LinesStartingWith(*run_, "all ")) keys.push_back(line.substr(4, line.find('=') - 4));
  EXPECT_EQ(keys, kKeyOrder) << "every key, in the fixed order";
  EXPECT_EQ(Values(*run_, "all")["BorderSize"], "3");
}

TEST_P(PersistenceTest, StreamRoundTripReproducesEveryPropertyAndRefusesDamagedData) {
  ASSERT_NO_FATAL_FAILURE(Start("stream"));
  const WineResult& run = *run_;
  SCOPED_TRACE(run.output);
  ExpectRoundTrip(run);
  // Dirty until saved, a size limit that covers what was written, and a
  // header that claims more than the stream holds refused.
  for (const char* fact : {"dirty-before-save True", "dirty-after-save False", "size-max-covers True",
                           "damaged-load refused"}) {
    EXPECT_EQ(LinesStartingWith(run, fact), std::vector<std::string>{fact});
  }
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
