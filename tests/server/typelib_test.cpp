// The type library embedded in glavowrap.ocx, as a client reads it.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

class TypelibTest : public ClientRunTest {
 protected:
  void SetUp() override { Start("typelib"); }
};

TEST_P(TypelibTest, LibraryEnumerationsAndCoclass) {
  const auto lines = run_->lines();
  ASSERT_FALSE(lines.empty());
  // LIBFLAG_FCONTROL | LIBFLAG_FHASDISKIMAGE; each build embeds a type
  // library of its own target system (SYS_WIN64 = 3, SYS_WIN32 = 1).
  const std::string syskind = GetParam().arch == glavo::wine::Arch::kX86_64 ? "3" : "1";
  EXPECT_EQ(lines[0], "library Glavowrap \"Glavo Wrap ActiveX Control\" 1.0 flags=10 syskind=" + syskind);
  const std::vector<std::string> enums = {
      "enum SkinStatesGwr gwr_Normal=0 gwr_Minimized=1 gwr_Maximized=2",
      "enum BodyThemesGwr gwr_Onyx=0 gwr_AJAX=1 gwr_Graphite=2 gwr_Vista=3 gwr_iTunes=4 "
      "gwr_GoogleChrome=5 gwr_TintedGlass=6 gwr_Office2007=7 gwr_Candy=8 gwr_Safari=9 "
      "gwr_MediaPlayer=10 gwr_SilverLight=11",
      "enum SkinPartsGwr gwr_TitleBar=0 gwr_RightBar=1 gwr_LeftBar=2 gwr_BottomBar=3 "
      "gwr_RightCorner=4 gwr_LeftCorner=5 gwr_Back=6 gwr_CloseButton=7 gwr_MaximizeButton=8 "
      "gwr_MinimizeButton=9 gwr_HelpButton=10 gwr_Icon=11",
      "enum ThemeSettingsGwr gwr_NoAction=0 gwr_SaveTheme=1 gwr_LoadTheme=2 gwr_ResetTheme=3",
  };
  EXPECT_EQ(LinesStartingWith(*run_, "enum "), enums);
  // Creatable control; the dual interface is the default, the event
  // interface the default source (IMPLTYPEFLAG_FDEFAULT | FSOURCE = 3).
  EXPECT_EQ(LinesStartingWith(*run_, "coclass "),
            std::vector<std::string>{"coclass GlavoSkin flags=34 _GlavoSkin:1 __GlavoSkin:3"});
}

TEST_P(TypelibTest, DualInterfaceListsTheMethodsThenThePropertiesInOrder) {
  EXPECT_EQ(LinesStartingWith(*run_, "interface "),
            std::vector<std::string>{"interface _GlavoSkin dual flags=4304"});
  std::vector<std::string> names;
  for (const auto& line : LinesStartingWith(*run_, "member _GlavoSkin ")) {
    std::string rest = line.substr(18);
    std::string kind = rest.substr(rest.find(' ') + 1);
    std::string name = kind.substr(kind.find(' ') + 1);
    name = name.substr(0, name.find('('));
    if (names.empty() || names.back() != name) names.push_back(name);
  }
  const std::vector<std::string> expected = {
      "SaveSkinTheme", "LoadSkinTheme", "Refresh", "BorderSize", "TitleBarSize", "Caption",
      "AllowResize", "AllowFullScreen", "ShowHelpButton", "ShowMaximizeButton",
      "ShowMinimizeButton", "ShowIconButton", "ShowCloseButton", "Font", "Enabled", "BackColor",
      "BackgroundShow", "SkinTheme", "SkinThemeFile", "BodyTheme", "ButtonSize",
      "AllowSystemMenu", "SkinState", "AboutBox"};
  EXPECT_EQ(names, expected);

  const auto lines = LinesStartingWith(*run_, "member _GlavoSkin ");
  for (const char* member : {
           // Stock identifiers, so property browsers treat these as stock properties.
           "member _GlavoSkin -512 get Font(IFontDisp** value[retval]) HRESULT",
           "member _GlavoSkin -512 putref Font(IFontDisp* value) HRESULT",
           "member _GlavoSkin -514 put Enabled(VARIANT_BOOL value) HRESULT",
           "member _GlavoSkin -501 get BackColor(OLE_COLOR* value[retval]) HRESULT",
           // The About box, offered by property browsers as "(About)".
           "member _GlavoSkin -552 method AboutBox() HRESULT",
           // Optional string arguments and a string result.
           "member _GlavoSkin 1 method SaveSkinTheme(BSTR FileName[opt], BSTR* result[retval]) HRESULT",
           "member _GlavoSkin 2 method LoadSkinTheme(BSTR FileName[opt], BSTR SettingsStr[opt]) HRESULT",
           // Enumeration-typed properties.
           "member _GlavoSkin 15 put SkinTheme(ThemeSettingsGwr value) HRESULT",
           "member _GlavoSkin 17 put BodyTheme(BodyThemesGwr value) HRESULT",
           "member _GlavoSkin 20 get SkinState(SkinStatesGwr* value[retval]) HRESULT"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), member), lines.end()) << member;
  }
}

TEST_P(TypelibTest, EventInterfaceHasTheEightEventsWithByReferenceParameters) {
  const std::vector<std::string> expected = {
      "member __GlavoSkin 1 method Click(SkinPartsGwr* SkinPart) void",
      "member __GlavoSkin 2 method DblClick(SkinPartsGwr* SkinPart) void",
      "member __GlavoSkin 3 method KeyDown(short* KeyCode, short* Shift) void",
      "member __GlavoSkin 4 method KeyPress(short* KeyAscii) void",
      "member __GlavoSkin 5 method KeyUp(short* KeyCode, short* Shift) void",
      "member __GlavoSkin 6 method MouseDown(SkinPartsGwr* SkinPart, short* Button, short* Shift, float* X, float* Y) void",
      "member __GlavoSkin 7 method MouseMove(SkinPartsGwr* SkinPart, short* Button, short* Shift, float* X, float* Y) void",
      "member __GlavoSkin 8 method MouseUp(SkinPartsGwr* SkinPart, short* Button, short* Shift, float* X, float* Y) void",
  };
  EXPECT_EQ(LinesStartingWith(*run_, "member __GlavoSkin "), expected);
}

// The Object Browser and the property browser's description pane show
// these: the library, the class, both interfaces, every enumeration and
// constant, and every method, property and event.
TEST_P(TypelibTest, TypesAndMembersCarryHelpStrings) {
  const auto lines = LinesStartingWith(*run_, "help ");
  int types = 0, members = 0, constants = 0;
  for (const std::string& line : lines) {
    const std::string label = line.substr(5, line.find(' ', 5) - 5);
    const std::string text = line.substr(line.find(' ', 5) + 1);
    EXPECT_GT(text.size(), 8u) << label << " has no help string";
    if (label.find(".gwr_") != std::string::npos) {
      ++constants;
    } else {
      (label.find('.') == std::string::npos ? types : members)++;
    }
  }
  EXPECT_EQ(types, 7);  // four enumerations, two interfaces, the class
  EXPECT_EQ(constants, 3 + 12 + 12 + 4);
  // 4 methods (AboutBox included), 20 properties with their gets and lets
  // (Font has a set too), 8 events.
  EXPECT_EQ(members, 4 + 41 + 8);
  for (const char* help : {"help ThemeSettingsGwr.gwr_ResetTheme \"Reset every property to its default\"",
                           "help _GlavoSkin.SkinState \"Window state of the frame: normal, minimized or maximized\"",
                           "help GlavoSkin \"Themeable window frame control\""}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), help), lines.end()) << help;
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, TypelibTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
