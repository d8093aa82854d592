// A random session against a skinned form: property lets with any value
// (every enumeration out of range too), extreme and negative form sizes,
// mouse and key input, menu picks and timer ticks, in any order.
// Invariants: a drag never leaves the form 100 pixels or less in a
// dimension it changed, SkinTheme always reads gwr_NoAction, and a saved
// theme always has 24 fields.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "fuzz_text.h"
#include "runtime/host_value.h"
#include "stage/skin_stage.h"

namespace {

using namespace glavo;

constexpr Size kScreen{1024, 768};
constexpr double kTwipsPerPixel = 15;
constexpr double kMinTrackTwips = 100 * kTwipsPerPixel;
// Form sizes stay near the screen's and sessions short, so that one input
// runs in well under a second; the size tests cover the allocation limit.
constexpr int kMaxPixels = 1200;
constexpr int kMaxSteps = 48;

Rect AnyBounds(FuzzedDataProvider& in) {
  const int left = in.ConsumeIntegralInRange(-200, 900), top = in.ConsumeIntegralInRange(-200, 700);
  return Rect{left, top, left + in.ConsumeIntegralInRange(-20, kMaxPixels), top + in.ConsumeIntegralInRange(-20, 900)};
}

class Session {
 public:
  explicit Session(FuzzedDataProvider& in) : in_(in), stage_(kScreen, AnyBounds(in)) {}

  void Run() {
    stage_.skin().SetSkinThemeFile(u"session.gwr");
    stage_.place();
    for (int step = 0; step < kMaxSteps && in_.remaining_bytes() > 0; ++step) {
      // The host's own errors (a value the form refuses, a size it cannot
      // allocate) reach the caller by design; the session goes on.
      try {
        Step();
      } catch (const HostError&) {
      }
    }
    CheckSavedTheme();
  }

 private:
  double Form(FormBound which) { return stage_.form().bound(which); }
  void SetFormSize(double width, double height) {
    stage_.form().setBound(FormBound::kWidth, width);
    stage_.form().setBound(FormBound::kHeight, height);
  }
  double AnyTwips() { return in_.ConsumeIntegralInRange(-kMaxPixels, kMaxPixels) * kTwipsPerPixel; }
  Point AnyPoint() {
    return Point{in_.ConsumeIntegralInRange(-50, kScreen.cx + 50), in_.ConsumeIntegralInRange(-50, kScreen.cy + 50)};
  }
  std::int16_t AnyButton() {
    constexpr std::int16_t kButtons[] = {mouse::kLeft, mouse::kRight, mouse::kMiddle};
    return in_.ConsumeBool() ? in_.PickValueInArray(kButtons) : in_.ConsumeIntegral<std::int16_t>();
  }

  // A point inside a part makes drags and clicks far likelier than a
  // random point on the screen.
  Point PartPoint() {
    const auto part = static_cast<SkinPartsGwr>(in_.ConsumeIntegralInRange(0, kSkinPartCount - 1));
    return stage_.partPoint(part, in_.ConsumeIntegralInRange(-3, 3), in_.ConsumeIntegralInRange(-3, 3));
  }

  void Move(Point p) {
    const double width = Form(FormBound::kWidth), height = Form(FormBound::kHeight);
    stage_.desktop().moveCursor(p);
    const double newWidth = Form(FormBound::kWidth), newHeight = Form(FormBound::kHeight);
    GLAVO_FUZZ_CHECK(newWidth == width || newWidth > kMinTrackTwips, "width %g -> %g", width, newWidth);
    GLAVO_FUZZ_CHECK(newHeight == height || newHeight > kMinTrackTwips, "height %g -> %g", height, newHeight);
  }

  void Let() {
    GlavoSkin& skin = stage_.skin();
    switch (in_.ConsumeIntegralInRange(0, 16)) {
      case 0: skin.SetBorderSize(in_.ConsumeIntegral<std::int32_t>()); break;
      case 1: skin.SetTitleBarSize(in_.ConsumeIntegral<std::int32_t>()); break;
      case 2: skin.SetButtonSize(in_.ConsumeIntegral<std::int32_t>()); break;
      case 3: skin.SetBodyTheme(in_.ConsumeIntegral<std::int32_t>()); break;
      case 4: skin.SetSkinState(in_.ConsumeIntegral<std::int32_t>()); break;
      case 5: skin.SetSkinTheme(in_.ConsumeIntegralInRange<std::int32_t>(-2, 5)); break;
      case 6: skin.SetCaption(fuzz::Wide(in_.ConsumeRandomLengthString(64))); break;
      case 7: skin.SetBackColor(in_.ConsumeIntegral<std::uint32_t>()); break;
      case 8: skin.SetAllowResize(in_.ConsumeBool()); break;
      case 9: skin.SetAllowFullScreen(in_.ConsumeBool()); break;
      case 10: skin.SetShowCloseButton(in_.ConsumeBool()); break;
      case 11: skin.SetShowMaximizeButton(in_.ConsumeBool()); break;
      case 12: skin.SetShowMinimizeButton(in_.ConsumeBool()); break;
      case 13: skin.SetShowHelpButton(in_.ConsumeBool()); break;
      case 14: skin.SetShowIconButton(in_.ConsumeBool()); break;
      case 15: skin.SetBackgroundShow(in_.ConsumeBool()); break;
      default: skin.SetAllowSystemMenu(in_.ConsumeBool()); break;
    }
    GLAVO_FUZZ_CHECK(skin.SkinTheme() == gwr_NoAction, "SkinTheme reads %d", skin.SkinTheme());
  }

  void Step() {
    sim::SimDesktop& desktop = stage_.desktop();
    switch (in_.ConsumeIntegralInRange(0, 13)) {
      case 0: Move(AnyPoint()); break;
      case 1: Move(PartPoint()); break;
      case 2: {
        const Point p = stage_.desktop().cursorPos();
        Move(Point{p.x + in_.ConsumeIntegralInRange(-40, 40), p.y + in_.ConsumeIntegralInRange(-40, 40)});
        break;
      }
      case 3: desktop.pressButton(AnyButton(), in_.ConsumeIntegralInRange<std::int16_t>(0, 7)); break;
      case 4: desktop.releaseButton(AnyButton()); break;
      case 5: desktop.click(AnyButton()); break;
      case 6: desktop.doubleClick(AnyButton()); break;
      case 7: desktop.keyDown(in_.ConsumeIntegral<std::int16_t>(), in_.ConsumeIntegralInRange<std::int16_t>(0, 7)); break;
      case 8: desktop.keyPress(in_.ConsumeIntegral<std::int16_t>()); break;
      case 9: stage_.tick(in_.ConsumeIntegralInRange(0, 40)); break;
      case 10: stage_.menus().scriptChoice(in_.ConsumeIntegralInRange(-2, 6)); break;
      case 11: SetFormSize(AnyTwips(), AnyTwips()); break;
      case 12: stage_.form().setWindowState(static_cast<FormWindowState>(in_.ConsumeIntegralInRange(-2, 4))); break;
      default: Let(); break;
    }
  }

  void CheckSavedTheme() {
    const std::size_t fields = fuzz::CountFields(stage_.skin().SaveSkinTheme(), u"#$#");
    GLAVO_FUZZ_CHECK(fields == 24, "saved theme has %zu fields", fields);
  }

  FuzzedDataProvider& in_;
  stage::SkinStage stage_;
};

}  // namespace

// Theme files the session saves and loads go to a folder of their own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/glavo-session-fuzz-XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Session session(in);
  session.Run();
  return 0;
}
