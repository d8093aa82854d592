// Theme texts taken apart and put together again at their separators.
#include <gtest/gtest.h>

#include "cell/cell_theme_record.h"
#include "cell/field_text.h"

namespace glavo {
namespace {

using Fields = std::vector<std::u16string>;

TEST(FieldText, SplitsAtEverySeparatorKeepingEmptyFields) {
  EXPECT_TRUE(SplitAt(u"", u"##").empty());
  EXPECT_EQ(SplitAt(u"abc", u"##"), Fields{u"abc"});
  EXPECT_EQ(SplitRecord(u"a##b####c"), (Fields{u"a", u"b", u"", u"c"}));
  EXPECT_EQ(SplitRecord(u"a###b"), (Fields{u"a", u"#b"}));
  EXPECT_EQ(JoinRecord({u"a", u"", u"c"}), u"a####c");
  EXPECT_EQ(DecimalText(-2147483647 - 1), u"-2147483648");
}

}  // namespace
}  // namespace glavo
