// The number grammar shared by theme records, stored properties and
// automation arguments: which texts are numbers, and what they read as.
#include <gtest/gtest.h>

#include <cmath>

#include "host_error_of.h"
#include "runtime/host_value.h"
#include "runtime/number_text.h"
#include "runtime/ordered_property_bag.h"
#include "runtime/property_bag.h"

namespace glavo::testing {
namespace {

TEST(NumberTextTest, OnlyTheBasicFormsAndTheAmpersandPrefixesAreNumbers) {
  const std::pair<std::u16string_view, double> numbers[] = {
      {u"&H10", 16.0}, {u"&o7", 7.0}, {u"&HFFFFFFFF", -1.0}, {u" -1.5e2\t", -150.0}, {u"5.", 5.0}, {u".5", 0.5}};
  for (auto [text, value] : numbers) EXPECT_EQ(WholeNumber(text), value) << value;
  for (const char16_t* text : {u"inf", u"-inf", u"nan", u"NaN", u"Infinity", u"0x1", u"0x1p3", u"&H", u"&O8",
                               u"&X1", u"1e", u"", u" ", u"+", u".", u"1 2", u"12abc", u"\u0661"}) {
    EXPECT_FALSE(WholeNumber(text).has_value()) << std::string(text, text + std::char_traits<char16_t>::length(text));
  }
  EXPECT_TRUE(std::isinf(*WholeNumber(u"1e400")));
}

TEST(NumberTextTest, APrefixStopsAtTheFirstCharacterThatDoesNotFit) {
  EXPECT_EQ(ReadNumberPrefix(u"0x1").length, 1u);
  EXPECT_EQ(ReadNumberPrefix(u"0x1").value, 0.0);
  EXPECT_EQ(ReadNumberPrefix(u"inf").length, 0u);
  EXPECT_EQ(ReadNumberPrefix(u"&H1fz").value, 31.0);
  EXPECT_EQ(ReadNumberPrefix(u"&H1fz").length, 4u);
  EXPECT_EQ(ReadNumberPrefix(u"2e+").length, 1u);
}

// Automation arguments convert as automation does: ties to even, texts by
// the number grammar (which texts are none is the first test's), and what
// is no number of the type is its error.
TEST(NumberTextTest, AutomationAndStoredTextsReadNumbersTheSameWay) {
  EXPECT_EQ(HostToLong(2.5), 2);
  EXPECT_EQ(HostToLong(3.5), 4);
  EXPECT_EQ(HostToLong(std::u16string(u" 42 ")), 42);
  EXPECT_TRUE(HostToBool(std::u16string(u"TRUE")));
  EXPECT_FALSE(HostToBool(0.0));
  EXPECT_EQ(HostToString(true), u"True");
  EXPECT_EQ(HostToString(12.0), u"12");
  EXPECT_THROW(HostToLong(1e12), HostError);
  EXPECT_THROW(HostToPicture(std::int32_t{1}), HostError);
  EXPECT_TRUE(HostToBool(HostValue{std::u16string(u"&O7")}));
  for (auto [text, error] : {std::pair{u"inf", host_error::kTypeMismatch}, {u"1e400", host_error::kOverflow}}) {
    EXPECT_EQ(test_support::HostErrorOf([&] { HostToDouble(HostValue{std::u16string(text)}); }), error)
        << ::testing::PrintToString(std::u16string(text));
  }
  OrderedPropertyBag bag;
  bag.write("A", std::u16string(u"&H20"));
  bag.write("B", std::u16string(u"nan"));
  EXPECT_EQ(ReadLong(bag, "A", 7), 32);
  EXPECT_EQ(ReadLong(bag, "B", 7), 7);
}

}  // namespace
}  // namespace glavo::testing
