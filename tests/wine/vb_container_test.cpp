// GlavoSkin on a form of a container that behaves as a VB6 form does
// (glavo-vb-container.exe, tests/wine/vb_container): client site first, an
// extender whose Parent is the form, ambient properties, the designer and
// run time. The container logs every call; these cases judge the sequences
// and the rectangles it saw, for each Windows build.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "container_run.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

class VbContainer : public ::testing::TestWithParam<Bitness> {
 protected:
  const VbContainerRun& run() const { return OncePerBitness<VbContainerRun>(GetParam(), RunVbContainer); }
  // Where `call` first comes among the calls of `step` (starting with it);
  // -1 when it never does.
  int indexOf(const std::string& step, const std::string& call) const {
    const auto& calls = run().calls(step);
    for (size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].rfind(call, 0) == 0) return static_cast<int>(i);
    }
    return -1;
  }
  // `calls` come in this order among the calls of `step`.
  void expectInOrder(const std::string& step, std::initializer_list<std::string> calls) const {
    int previous = -1;
    for (const std::string& call : calls) {
      const int at = indexOf(step, call);
      EXPECT_GT(at, previous) << step << ": " << call;
      previous = at;
    }
  }
};

#define REQUIRE_RUN() ASSERT_TRUE(run().ran) << run().why

TEST_P(VbContainer, FirstPlacementInTheDesignerMakesTheFormBorderless) {
  REQUIRE_RUN();
  const std::string step = "design.place";
  EXPECT_EQ(run().calls(step).front(), "container.GetMiscStatus SETCLIENTSITEFIRST=1");
  // InitProperties runs inside InitNew, on the form the site leads to.
  expectInOrder(step, {"container.SetClientSite -> 0x00000000", "form.put BorderStyle 0", "form.put ShowInTaskbar True",
                       "form.get Caption -> \"Form1\"", "container.InitNew -> 0x00000000"});
  // The caption is taken into the member, not through the Caption let: no
  // write back to the form and no change notification (DISPID 6).
  EXPECT_EQ(indexOf(step, "form.put Caption"), -1);
  EXPECT_EQ(indexOf(step, "notify.OnChanged 6"), -1);
  EXPECT_GE(indexOf(step, "ambient.get UserMode -> False"), 0);
  EXPECT_EQ(run().fact("design.caption_text"), "\"Form1\"");
  // A caption holding a NUL arrives whole (a BSTR's length counts).
  EXPECT_EQ(run().fact("nulcaption.caption_whole"), "1");
  // A form loaded at run time is left as the designer saved it.
  EXPECT_EQ(indexOf("run.place", "form.put BorderStyle"), -1);
  EXPECT_EQ(indexOf("run.place", "form.put ShowInTaskbar"), -1);
  EXPECT_GE(indexOf("run.place", "ambient.get UserMode -> True"), 0);
}

TEST_P(VbContainer, ShowAsksTheContainerForTheFormsClientArea) {
  REQUIRE_RUN();
  // Loaded at run time, it is connected by IQuickActivate, as VB does when it can.
  EXPECT_EQ(run().calls("run.place").front(), "container.QuickActivate -> 0x00000000 SETCLIENTSITEFIRST=1 events=1 notify=1");
  // Activated where it was dropped, then its Show moves it through the
  // extender and OnPosRectChange; the container places it each time.
  for (const std::string step : {"design.place", "run.place"}) {
    expectInOrder(step, {"site.GetWindowContext -> 40 50 200 150", "extender.put Left 0", "extender.put Top 0",
                         "site.OnPosRectChange 0 0 500 400", "site.SetObjectRects 0 0 500 400",
                         "container.DoVerb(INPLACEACTIVATE) -> 0x00000000"});
  }
  // The container's record, the control's window and the form's client area
  // agree at each stage.
  for (const std::string stage : {"design.placed", "run.placed", "run.maximized", "run.restored", "run.normal",
                                  "run.external"}) {
    EXPECT_EQ(run().fact(stage + ".extender"), run().fact(stage + ".control")) << stage;
    EXPECT_EQ(run().fact(stage + ".control"), run().fact(stage + ".client")) << stage;
  }
}

// The form's mode changes none of this (the portable suites check both
// modes): the run-time form stands for both. Border drags are the ATL
// host's: the same windowed control, and the form's Width and Height in
// twips are what maximizing sets too.
TEST_P(VbContainer, MaximizeAndStatesReachTheForm) {
  REQUIRE_RUN();
  // A double click on the title bar raises DblClick(gwr_TitleBar) and
  // maximizes to the work area (the whole virtual desktop here).
  expectInOrder("run.maximize", {"event 2 0", "form.put Left 0"});
  EXPECT_EQ(run().fact("run.maximized.form"), "0 0 1024 768");
  // Restoring gives the size back, centred on the screen (the ATL host's
  // control measures the same screen).
  EXPECT_EQ(run().fact("run.restored.form"), "262 184 500 400");
  // SkinState minimizes and restores the form.
  // (How the form then shows itself is the container's own affair.)
  EXPECT_GE(indexOf("run.minimize", "form.put WindowState 1"), 0);
  EXPECT_EQ(run().fact("run.normal.iconic"), "0");
  EXPECT_EQ(run().fact("run.normal.form"), run().fact("run.restored.form"));
  // A form resized in code: the next tick re-places the control, so the
  // real timer still ticks at run time (the designer's stopping after one
  // tick is tests/skin/window_state_test.cpp's).
  EXPECT_GE(indexOf("run.external", "site.OnPosRectChange 0 0 560 430"), 0);
}

TEST_P(VbContainer, ErrorsOfTheHostReachTheCaller) {
  REQUIRE_RUN();
  // A form without ShowInTaskbar: InitNew fails with the host's 438.
  EXPECT_GE(indexOf("lacking.place", "form.name ShowInTaskbar -> unknown"), 0);
  EXPECT_GE(indexOf("lacking.place", "container.InitNew -> 0x800A01B6 Object doesn't support this property or method"), 0);
  // A reset at run time sets BorderStyle, which the form refuses with 382:
  // the caller of the SkinTheme let gets that error.
  EXPECT_GE(indexOf("run.reset", "form.put BorderStyle 0 -> error 382"), 0);
  EXPECT_EQ(run().fact("run.reset_result"), "0x80020009");  // DISP_E_EXCEPTION, as VB sees it
  EXPECT_EQ(run().fact("run.reset_error"), "0x800A017E \"Can't set property at run time\"");
}

TEST_P(VbContainer, SavedInTheDesignerLoadsAtRunTimeAndClosesCleanly) {
  REQUIRE_RUN();
  EXPECT_GE(indexOf("design.save", "container.Save(bag) -> 0x00000000"), 0);
  // Every property surviving the bag is the server's PersistenceTest.
  for (const std::string step : {"design.close", "run.close"}) {
    expectInOrder(step, {"site.OnInPlaceDeactivate", "container.Close -> 0x00000000"});
    EXPECT_GE(indexOf(step, "container.Release -> 0"), 0) << step;
  }
  EXPECT_EQ(run().fact("design.form_alive"), "1");  // closing the control leaves the form to its owner
}

TEST_P(VbContainer, TheAboutBoxNamesTheControlItsVersionAndPurpose) {
  REQUIRE_RUN();
  EXPECT_GE(indexOf("design.about", "container.AboutBox -> 0x00000000"), 0);
  EXPECT_EQ(run().fact("about.title"), "\"About GlavoSkin\"");
  const std::string text = run().fact("about.text");
  EXPECT_EQ(text.rfind("\"GlavoSkin 1.0.0.0\\n\\nGlavo Wrap ActiveX Control: ", 0), 0u) << text;
  EXPECT_NE(text.find("themeable window frame"), std::string::npos) << text;
}

TEST_P(VbContainer, PropertyBrowserShowsBodyThemeByName) {
  REQUIRE_RUN();
  EXPECT_EQ(run().fact("browse.strings"),
            "0x00000000 Onyx=0,AJAX=1,Graphite=2,Vista=3,iTunes=4,GoogleChrome=5,TintedGlass=6,Office2007=7,"
            "Candy=8,Safari=9,MediaPlayer=10,SilverLight=11");
  EXPECT_EQ(run().fact("browse.value9"), "0x00000000 9");
  EXPECT_EQ(run().fact("browse.display"), "0x00000000 Onyx");
  EXPECT_EQ(run().fact("browse.page17"), "0x00000000");  // BodyTheme: on the page
  EXPECT_EQ(run().fact("browse.page6"), "0x80040200");   // Caption: PERPROP_E_NOPAGEAVAILABLE
}

TEST_P(VbContainer, ThePropertyPageEditsLoadsSavesAndAppliesThroughTheLets) {
  REQUIRE_RUN();
  // The designer's frame, on the one page the control names: clean until
  // edited, dirty after, clean after Apply.
  EXPECT_GE(indexOf("design.page", "container.GetPages -> 0x00000000 1"), 0);
  EXPECT_GE(indexOf("design.page", "frame.GetPageInfo \"Skin\" 472x300"), 0);
  EXPECT_GE(indexOf("design.page", "frame.Activate -> 0x00000000"), 0);
  EXPECT_EQ(run().fact("page.dirty_before"), "0x00000001");
  EXPECT_EQ(run().fact("page.dirty_after"), "0x00000000");
  EXPECT_EQ(run().fact("page.dirty_applied"), "0x00000001");
  EXPECT_GE(indexOf("design.page", "frame.OnStatusChange 3"), 0);  // PROPPAGESTATUS_DIRTY | VALIDATE
  // Apply sets the properties through their lets: each sends its change
  // notification, BodyTheme (17) before the sizes it would reset.
  expectInOrder("design.page", {"notify.OnChanged 17", "notify.OnChanged 5", "frame.Apply -> 0x00000000"});
  expectInOrder("design.page", {"notify.OnChanged 9", "frame.Apply -> 0x00000000"});
  EXPECT_EQ(run().fact("custom.BodyTheme"), "3");
  EXPECT_EQ(run().fact("custom.TitleBarSize"), "36");
  EXPECT_EQ(run().fact("custom.ShowHelpButton"), "False");
  // Save theme file writes the control's look; Load theme file (another look
  // meanwhile) marks the page changed and changes the control only on Apply.
  // Only the i686 build under qemu's emulator leaves the file dialogs out.
  if (EmulatedI686(GetParam())) {
    EXPECT_EQ(run().fact("page.file_dialogs"), "left out");
    std::printf("NOTE: the page's file dialogs were left out under the emulator\n");
    return;
  }
  EXPECT_EQ(run().fact("page.file_dialogs"), "used");
  EXPECT_EQ(run().fact("page.saved_equals_look"), "1");
  EXPECT_EQ(run().fact("page.other_differs"), "1");
  EXPECT_EQ(run().fact("page.load_dirty"), "0x00000000");
  EXPECT_EQ(run().fact("page.load_before_apply_unchanged"), "1");
  EXPECT_EQ(run().fact("page.loaded_equals_file"), "1");
  const std::string files = run().fact("page.loaded_theme_file");
  EXPECT_EQ(files.substr(0, files.size() / 2), files.substr(files.size() / 2 + 1)) << files;
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, VbContainer, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
