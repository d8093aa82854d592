// Properties, state properties and persistence of a cell.
#include <algorithm>

#include "cell_fixture.h"
#include "runtime/ordered_property_bag.h"

namespace glavo::testing {
namespace {

using PropertiesTest = CellTest;

constexpr const char16_t* kDefaultRecord = u"1##0##0##3##3##1##1##0##False##0##0##0##0##0##0##0##-2147483633##50";

TEST_F(PropertiesTest, LookLetsRepaintAndNotifyOtherLetsOnlyNotify) {
  surface().clearNotifications();
  const int before = surface().refreshCount();
  cell->SetCellColor1(0x123456);
  EXPECT_EQ(surface().refreshCount(), before + 1);
  cell->SetAnimate(true);
  cell->SetForeColor(255);
  cell->SetCellStateOverData(u"x");
  EXPECT_EQ(surface().refreshCount(), before + 1);
  EXPECT_EQ(surface().notifications(),
            (std::vector<std::string>{"CellColor1", "Animate", "ForeColor", "CellStateOverData"}));
}

TEST_F(PropertiesTest, CellStateUpdateRecordsTheLookOfTheCurrentState) {
  cell->SetCellState(1);
  cell->SetCellColor1(0xFF0000);
  cell->SetCellStyle(7);
  surface().clearNotifications();
  cell->SetCellStateUpdate(true);
  EXPECT_FALSE(cell->CellStateUpdate());
  EXPECT_EQ(cell->CellStateOverData(), cell->SaveCellTheme());
  EXPECT_TRUE(cell->CellStateNormalData().empty());
  EXPECT_EQ(surface().notifications(), (std::vector<std::string>{"CellStateOverData", "CellStateUpdate"}));

  cell->SetCellState(7);  // no data property for this state: nothing captured
  cell->SetCellStateUpdate(true);
  EXPECT_TRUE(cell->CellStateDownData().empty());
}

// How a state's stored look applies is EventsTest.AnAnimatedCellFollowsTheButtonAndTheFocus's.
TEST_F(PropertiesTest, AStateWithoutAStoredLookChangesNothing) {
  cell->SetCellColor2(77);
  surface().clearNotifications();
  const int before = surface().refreshCount();
  cell->SetCellState(5);  // no data property for this state
  EXPECT_EQ(surface().refreshCount(), before);
  cell->SetCellState(1);  // no over data was given: an empty look, which still repaints
  EXPECT_EQ(surface().refreshCount(), before + 1);
  EXPECT_EQ(cell->CellColor2(), 77u);
  EXPECT_EQ(surface().notifications(), (std::vector<std::string>{"CellState", "CellState"}));
}

TEST_F(PropertiesTest, PropertyBagRoundTripsEveryProperty) {
  cell->SetCaption(u"Caption ~$01093");
  cell->SetCaptionAlignment(0);
  cell->SetCaptionRotate(true);
  cell->SetSymbolNo(48);
  cell->SetSymbolDraw(true);
  cell->SetAnimate(true);
  cell->SetDoubleClickEnable(true);
  cell->SetCellStateOverData(u"2##3");
  cell->SetFont(MakeFont(u"Arial", 12.75f, true));
  cell->SetMousePointer(2);
  cell->LoadCellTheme(u"", u"3##255##65280##5##6##2##4##16777215##True##128##1##2##3##4##11##1##0##40");
  OrderedPropertyBag bag;
  cell->WriteProperties(bag);

  auto other = std::make_unique<GlavoCell>(form->createChild());
  other->ReadProperties(bag);
  EXPECT_EQ(other->SaveCellTheme(), cell->SaveCellTheme());
  EXPECT_EQ(other->Caption(), u"Caption ~$01093");
  EXPECT_EQ(other->CaptionAlignment(), 0);
  EXPECT_TRUE(other->CaptionRotate());
  EXPECT_EQ(other->SymbolNo(), 48);
  EXPECT_TRUE(other->SymbolDraw());
  EXPECT_TRUE(other->Animate());
  EXPECT_TRUE(other->DoubleClickEnable());
  EXPECT_EQ(other->CellStateOverData(), u"2##3");
  EXPECT_EQ(other->MousePointer(), 2);
  EXPECT_EQ(other->Font()->name, u"Arial");
  EXPECT_TRUE(other->Font()->bold);
}

// A new cell's values are its defaults: none is written, and an empty bag
// reads them all back, with no icon where a new cell has an empty one.
TEST_F(PropertiesTest, DefaultsAreNotStoredAndAnEmptyBagLoadsThem) {
  OrderedPropertyBag bag;
  cell->WriteProperties(bag);
  EXPECT_EQ(bag.size(), 0u) << ::testing::PrintToString(bag.keys());
  ASSERT_NE(cell->Icon(), nullptr);
  EXPECT_TRUE(cell->Icon()->empty());
  auto other = std::make_unique<GlavoCell>(form->createChild());
  other->SetMaskColor(5);
  other->ReadProperties(bag);
  EXPECT_EQ(other->Icon(), nullptr);
  EXPECT_EQ(other->SaveCellTheme(), kDefaultRecord);
  EXPECT_EQ(other->MousePointer(), 99);
  EXPECT_EQ(other->Font()->name, form->ambientFont()->name);
}

}  // namespace
}  // namespace glavo::testing
