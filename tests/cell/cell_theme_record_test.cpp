// Theme records: text form, reading rules, record files.
#include "cell/cell_theme_record.h"
#include "cell/leading_number.h"
#include "cell_fixture.h"
#include "scratch_dir.h"

namespace glavo::testing {
namespace {

using ThemeRecordTest = CellTest;
using test_files::ScratchDir;
using Fields = std::vector<std::u16string>;

constexpr const char16_t* kBuiltInLook =
    u"1##12829635##16777215##3##3##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##50";

TEST(FieldText, SplitsAtEverySeparatorKeepingEmptyFields) {
  EXPECT_TRUE(SplitAt(u"", u"##").empty());
  EXPECT_EQ(SplitAt(u"abc", u"##"), Fields{u"abc"});
  EXPECT_EQ(SplitRecord(u"a##b####c"), (Fields{u"a", u"b", u"", u"c"}));
  EXPECT_EQ(SplitRecord(u"a###b"), (Fields{u"a", u"#b"}));
  EXPECT_EQ(JoinRecord({u"a", u"", u"c"}), u"a####c");
  EXPECT_EQ(DecimalText(-2147483647 - 1), u"-2147483648");
}

// Which prefixes are numbers is number_text_test.cpp's; here the blanks
// inside, the rounding and the 32-bit range a record piece adds.
TEST(RecordNumberTest, ReadsTheLeadingNumberLikeTheRecordsNeed) {
  // Ties (12.5, 13.5, .5) go to the even neighbour.
  const std::pair<const char16_t*, std::int32_t> numbers[] = {
      {u"12.5", 12}, {u"13.5", 14}, {u" 1 2\t3\n", 123}, {u"-42abc", -42}, {u"abc", 0}, {u".5", 0},
      {u"-2147483648", INT32_MIN}, {u"2147483647", INT32_MAX}};
  for (auto [text, value] : numbers) EXPECT_EQ(LeadingInt32(text), value) << ::testing::PrintToString(std::u16string(text));
  for (const char16_t* text : {u"2147483648", u"-2147483649", u"1e300"}) {
    EXPECT_FALSE(LeadingInt32(text).has_value()) << ::testing::PrintToString(std::u16string(text));
  }
}

// Words in any case, or a piece that is a number by the one number grammar.
TEST(RecordBoolTest, ReadsWordsInAnyCaseAndWholeNumbers) {
  // Blanks inside are ignored, as in numeric pieces: "1 0" is ten.
  const std::pair<const char16_t*, bool> words[] = {{u"TRUE", true}, {u"false", false}, {u"0", false}, {u"-1", true},
                                                    {u"&H0", false}, {u" 0 \n", false}, {u"1 0", true}};
  for (auto [text, value] : words) EXPECT_EQ(ParseRecordBool(text), value) << ::testing::PrintToString(std::u16string(text));
  for (const char16_t* text : {u"maybe", u"", u"inf", u"0x0", u"1e400"}) {
    EXPECT_FALSE(ParseRecordBool(text).has_value()) << ::testing::PrintToString(std::u16string(text));
  }
}

// A field the load misses or misplaces saves back differently; the order the
// save writes is PropertiesTest.DefaultsAreNotStoredAndAnEmptyBagLoadsThem's.
TEST_F(ThemeRecordTest, ARecordSurvivesALoadSaveRoundTrip) {
  cell->LoadCellTheme(u"", kBuiltInLook);
  EXPECT_EQ(cell->SaveCellTheme(), kBuiltInLook);
}

// A short record changes only its pieces, an empty one none, and each
// repaints once.
TEST_F(ThemeRecordTest, AShortRecordChangesOnlyItsPiecesAndAnEmptyOneStillRepaints) {
  cell->SetCellStyle(9);
  surface().clearNotifications();
  const int before = surface().refreshCount();
  cell->LoadCellTheme(u"", u"2##255");
  EXPECT_EQ(cell->BlendSize(), 2);
  EXPECT_EQ(cell->BorderColor1(), 255u);
  EXPECT_EQ(cell->CellStyle(), 9);
  EXPECT_EQ(surface().refreshCount(), before + 1);
  EXPECT_TRUE(surface().notifications().empty());  // fields set directly
  const std::u16string look = cell->SaveCellTheme();
  cell->LoadCellTheme();
  EXPECT_EQ(cell->SaveCellTheme(), look);
  EXPECT_EQ(surface().refreshCount(), before + 2);
}

TEST_F(ThemeRecordTest, BadPiecesFollowTheReadingRules) {
  cell->SetBorderStyle(5);
  cell->SetCaptionShadow(true);
  cell->SetSplitSize(33);
  cell->LoadCellTheme(u"", u"1##0##0##3##3##1##abc##0##maybe##0##0##0##0##0##0##0##0##99999999999##extra");
  EXPECT_EQ(cell->BorderStyle(), 0);   // no number reads as 0
  EXPECT_TRUE(cell->CaptionShadow());  // not a Boolean: kept
  EXPECT_EQ(cell->SplitSize(), 33);    // out of range: kept
  cell->LoadCellTheme(u"", u"1##0##0##3##3##1##1##0##false");
  EXPECT_FALSE(cell->CaptionShadow());
}

TEST_F(ThemeRecordTest, SavingToAFileWritesTheRecordAndALineEnd) {
  ScratchDir dir;
  const std::u16string file = dir.file("look.gcr");
  const std::u16string record = cell->SaveCellTheme(file);
  EXPECT_EQ(dir.get("look.gcr"), std::string(record.begin(), record.end()) + "\r\n");

  auto other = std::make_unique<GlavoCell>(form->createChild());
  other->InitProperties();
  other->SetCellStyle(20);
  other->LoadCellTheme(file);
  EXPECT_EQ(other->SaveCellTheme(), record);
  // How a failed write leaves the file is whole_file_test.cpp's; a failed
  // save still answers the record.
  EXPECT_EQ(cell->SaveCellTheme(dir.file("no/such/dir/x.gcr")), record);
}

// Only the first line of a file is applied, and a theme string wins over
// the file.
TEST_F(ThemeRecordTest, AFilesFirstLineIsAppliedUnlessAThemeStringIsGiven) {
  ScratchDir dir;
  dir.put("two.gcr", "7##255\r\n9##65280\r\n");
  cell->LoadCellTheme(dir.file("two.gcr"), u"8");
  EXPECT_EQ(cell->BlendSize(), 8);
  EXPECT_EQ(cell->BorderColor1(), 0u);
  cell->LoadCellTheme(dir.file("two.gcr"));
  EXPECT_EQ(cell->BlendSize(), 7);
  EXPECT_EQ(cell->BorderColor1(), 255u);
  cell->LoadCellTheme(dir.file("missing.gcr"), u"");
  EXPECT_EQ(cell->BlendSize(), 7);
}

}  // namespace
}  // namespace glavo::testing
