// GlavoSkin: the public control. Placed on a form, it makes the form
// borderless and becomes its frame: twelve GlavoCell parts (title bar,
// borders, corners, background, caption buttons, icon) laid out around the
// client area, moving, resizing, maximizing, minimizing and closing the
// form, a popup system menu, and public events naming the part concerned.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cell/glavo_cell.h"
#include "draw/noncopyable.h"
#include "runtime/control_surface.h"
#include "runtime/popup_menu.h"
#include "runtime/property_bag.h"
#include "skin/glavo_skin_events.h"
#include "skin/skin_enums.h"
#include "skin/skin_environment.h"

namespace glavo {

// Items of the system menu, in menu order.
enum SystemMenuItem : int { mnuRestore = 0, mnuMove = 1, mnuMinimize = 2, mnuDash1 = 3, mnuClose = 4 };

// Host form bounds in twips: left, top, right, bottom.
struct TwipsRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

class GlavoSkin final : private ControlEvents, Noncopyable {
 public:
  // Creates the twelve parts on child surfaces of `surface` with their
  // design settings, the system menu and the enabled 10 ms timer. Run
  // InitProperties or ReadProperties next, as the framework does.
  GlavoSkin(std::unique_ptr<ControlSurface> surface, SkinEnvironment env);
  ~GlavoSkin() override;

  // Moves the control onto `surface` in `env` (a container's new window, or
  // none): the control keeps its properties, its look and its frame state
  // (maximized, the bounds to restore); its parts are made anew there.
  void Rebind(std::unique_ptr<ControlSurface> surface, SkinEnvironment env);

  void setListener(GlavoSkinEvents* listener) { listener_ = listener; }
  ControlSurface& surface() { return *surface_; }
  GlavoCell& part(SkinPartsGwr p) { return *parts_[p]; }
  const GlavoCell& part(SkinPartsGwr p) const { return *parts_[p]; }
  Timer& tmrDetect() { return *tmrDetect_; }
  const std::vector<MenuItem>& mnuSys() const { return mnuSys_; }

  // --- Lifecycle (framework events).
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // --- Properties, in the order of the automation interface.
  std::int32_t BorderSize() const { return borderSize_; }
  void SetBorderSize(std::int32_t v);
  std::int32_t TitleBarSize() const { return titleBarSize_; }
  void SetTitleBarSize(std::int32_t v);
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(const std::u16string& v);
  bool AllowResize() const { return allowResize_; }
  void SetAllowResize(bool v);
  bool AllowFullScreen() const { return allowFullScreen_; }
  void SetAllowFullScreen(bool v);
  bool ShowHelpButton() const { return showHelpButton_; }
  void SetShowHelpButton(bool v);
  bool ShowMaximizeButton() const { return showMaximizeButton_; }
  void SetShowMaximizeButton(bool v);
  bool ShowMinimizeButton() const { return showMinimizeButton_; }
  void SetShowMinimizeButton(bool v);
  bool ShowIconButton() const { return showIconButton_; }
  void SetShowIconButton(bool v);
  bool ShowCloseButton() const { return showCloseButton_; }
  void SetShowCloseButton(bool v);
  FontRef Font() const;
  void SetFont(FontRef v);
  bool Enabled() const;
  void SetEnabled(bool v);
  OleColor BackColor() const;
  void SetBackColor(OleColor v);
  bool BackgroundShow() const { return backgroundShow_; }
  void SetBackgroundShow(bool v);
  std::int32_t SkinTheme() const { return skinTheme_; }
  void SetSkinTheme(std::int32_t v);
  const std::u16string& SkinThemeFile() const { return skinThemeFile_; }
  void SetSkinThemeFile(const std::u16string& v);
  std::int32_t BodyTheme() const { return bodyTheme_; }
  void SetBodyTheme(std::int32_t v);
  std::int32_t ButtonSize() const { return buttonSize_; }
  void SetButtonSize(std::int32_t v);
  bool AllowSystemMenu() const { return allowSystemMenu_; }
  void SetAllowSystemMenu(bool v);
  std::int32_t SkinState() const { return skinState_; }
  void SetSkinState(std::int32_t v);

  // --- Methods.
  // The skin theme string of the current look; also written to the file
  // (whole or not at all) when a name is given.
  std::u16string SaveSkinTheme(const std::u16string& FileName = u"");
  // Applies the first line of the file or, when given, SettingsStr.
  void LoadSkinTheme(const std::u16string& FileName = u"", const std::u16string& SettingsStr = u"");
  void Refresh();

  // --- Read-only views of the frame state, for hosts and tests.
  const std::u16string& SkinThemeData() const { return skinThemeData_; }
  bool IsMaximized() const { return isMaximized_; }
  bool Resizing() const { return resizing_; }
  bool MoveArmed() const { return moveArmed_; }
  const TwipsRect& RestoreRect() const { return restoreRect_; }

 private:
  class PartSink;
  friend class PartSink;

  // Construction.
  void TakeSurface();
  void LeaveSurface();
  void CreateParts();
  void ApplyPartDesign();
  void CreateSystemMenu();

  // ControlEvents of the control's own surface.
  void onShow() override;
  void onResize() override;
  void onClick() override;
  void onDblClick() override;
  void onKeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void onKeyPress(std::int16_t& keyAscii) override;
  void onKeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void onMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void onMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void onMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;

  // Events of the parts.
  void PartClick(SkinPartsGwr part);
  void PartDblClick(SkinPartsGwr part);
  void PartMouseDown(SkinPartsGwr part, std::int16_t& button, std::int16_t& shift, float& x, float& y);
  void PartMouseMove(SkinPartsGwr part, std::int16_t& button, std::int16_t& shift, float& x, float& y);
  void PartMouseUp(SkinPartsGwr part, std::int16_t& button, std::int16_t& shift, float& x, float& y);
  void PartMouseIn(SkinPartsGwr part);

  // Raising the public events.
  void RaiseClick(SkinPartsGwr part);
  void RaiseDblClick(SkinPartsGwr part);
  void RaiseMouse(SkinEventId id, SkinPartsGwr part, std::int16_t& button, std::int16_t& shift,
                  float& x, float& y);

  // Actions.
  void CloseClick();
  void MaximizeClick();
  void MinimizeClick();
  void ShowSystemMenu();
  void RunMenuItem(int item);

  // Layout.
  void ShowSequence();
  Rect ClientPixels();
  void AddWindowMenuStyles();
  // With kSkipPart (theme loading), a part the host cannot place keeps its
  // old place and the pass goes on; otherwise the host's error ends it.
  enum class PlaceFailure { kRaise, kSkipPart };
  void LayoutParts(PlaceFailure onFailure = PlaceFailure::kRaise);
  void PaintBackground();
  Rect GetWorkArea();
  void SetUniText(const std::u16string& text);

  // Window states.
  void ToggleMaximize();
  void SyncWindowState();
  void TimerTick();
  void ResizeBookkeeping();
  void ReplaceControl();
  void SaveBounds();
  void SetWorkAreaBounds();
  void TakeRestoreLook();
  void TakeMaximizeLook();
  void ShowMaximizeButtonAs(bool restore);

  // Moving and resizing.
  struct PixelOffset {
    double x = 0, y = 0;
  };
  void MoveRequest();
  void ArmMove();
  void BorderMouseIn(SkinPartsGwr part);
  // Returns how far the step itself moved the part on the screen.
  PixelOffset DragStep(SkinPartsGwr part, float x, float y);
  bool ResizeForm(SkinPartsGwr part, double dx, double dy);
  PixelOffset PartScreenOrigin(SkinPartsGwr part);
  void RecordPointer(SkinPartsGwr part, float x, float y);

  // Themes.
  std::u16string BuildSkinTheme();
  void ApplySkinTheme(const std::u16string& text);

  // Host access.
  HostForm& form() { return env_->form; }
  double TwipsX() const { return env_->screen.twipsPerPixelX(); }
  double TwipsY() const { return env_->screen.twipsPerPixelY(); }
  void Changed(const char* property) { surface_->propertyChanged(property); }

  std::unique_ptr<ControlSurface> surface_;
  std::optional<SkinEnvironment> env_;  // always set; re-seated by Rebind
  GlavoSkinEvents* listener_ = nullptr;
  std::array<std::unique_ptr<GlavoCell>, kSkinPartCount> parts_;
  std::array<std::unique_ptr<PartSink>, kSkinPartCount> sinks_;
  std::unique_ptr<Timer> tmrDetect_;
  std::vector<MenuItem> mnuSys_;
  PictureRef handCursor_;

  // Public members.
  std::int32_t borderSize_ = 0;
  std::int32_t titleBarSize_ = 0;
  std::u16string caption_;
  bool allowResize_ = false;
  bool allowFullScreen_ = false;
  bool showHelpButton_ = false;
  bool showMaximizeButton_ = false;
  bool showMinimizeButton_ = false;
  bool showIconButton_ = false;
  bool showCloseButton_ = false;
  bool backgroundShow_ = false;
  std::int32_t skinTheme_ = gwr_NoAction;
  std::u16string skinThemeFile_;
  std::int32_t bodyTheme_ = 0;
  std::int32_t buttonSize_ = 0;
  bool allowSystemMenu_ = false;
  std::int32_t skinState_ = gwr_Normal;

  // Theme state.
  std::u16string skinThemeData_;
  std::array<std::u16string, kSkinPartCount> partNormalData_;
  std::array<std::u16string, kCaptionButtonCount> buttonOverData_;
  std::array<std::u16string, kCaptionButtonCount> buttonDownData_;

  // Frame state.
  bool isMaximized_ = false;
  bool toggleBusy_ = false;
  TwipsRect restoreRect_;
  double seenWidth_ = 0;
  std::int32_t seenHeight_ = 0;
  bool resizing_ = false;
  float lastX_ = 0;
  std::int32_t lastY_ = 0;
  std::int32_t newExtent_ = 0;
  bool moveArmed_ = false;
  std::int16_t savedMousePointer_ = 0;
};

}  // namespace glavo
