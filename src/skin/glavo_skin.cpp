// Construction of the skin, its parts and child objects, and its property
// lets.
#include "skin/glavo_skin.h"

#include "graphics/color.h"
#include "skin/hand_cursor.h"

namespace glavo {

// Forwards one part's events to the skin, naming the part.
class GlavoSkin::PartSink final : public GlavoCellEvents {
 public:
  PartSink(GlavoSkin& skin, SkinPartsGwr part) : skin_(skin), part_(part) {}
  void Click() override { skin_.PartClick(part_); }
  void DblClick() override { skin_.PartDblClick(part_); }
  void MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    skin_.PartMouseDown(part_, b, s, x, y);
  }
  void MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    skin_.PartMouseMove(part_, b, s, x, y);
  }
  void MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    skin_.PartMouseUp(part_, b, s, x, y);
  }
  void MouseIn() override { skin_.PartMouseIn(part_); }

 private:
  GlavoSkin& skin_;
  SkinPartsGwr part_;
};

namespace {

constexpr std::int16_t kSymbolCharset = 2;
constexpr OleColor kWhite = 16777215;

FontRef DesignFont(const char16_t* name, float size, bool bold, std::int16_t charset = 0) {
  FontRef font = MakeFont(name, size, bold);
  font->charset = charset;
  return font;
}

}  // namespace

GlavoSkin::GlavoSkin(std::unique_ptr<ControlSurface> surface, SkinEnvironment env)
    : surface_(std::move(surface)), env_(env), handCursor_(HandCursor()) {
  CreateSystemMenu();
  TakeSurface();
}

GlavoSkin::~GlavoSkin() { LeaveSurface(); }

// The parts with their design settings and the running timer, on surface_.
void GlavoSkin::TakeSurface() {
  surface_->setEventSink(this);
  CreateParts();
  ApplyPartDesign();
  tmrDetect_ = surface_->createTimer();
  tmrDetect_->setInterval(10);
  tmrDetect_->setHandler([this] { TimerTick(); });
  tmrDetect_->setEnabled(true);
}

void GlavoSkin::LeaveSurface() {
  tmrDetect_->setEnabled(false);
  for (auto& part : parts_) part->setListener(nullptr);
  surface_->setEventSink(nullptr);
}

void GlavoSkin::CreateParts() {
  for (int i = 0; i < kSkinPartCount; ++i) {
    const auto p = static_cast<SkinPartsGwr>(i);
    parts_[i] = std::make_unique<GlavoCell>(surface_->createChild());
    sinks_[i] = std::make_unique<PartSink>(*this, p);
    parts_[i]->InitProperties();
    parts_[i]->setListener(sinks_[i].get());
    parts_[i]->surface().setVisible(true);
  }
}

// The settings the control's design gives each part; themes change only
// the eighteen look values of a part, never these.
void GlavoSkin::ApplyPartDesign() {
  for (SkinPartsGwr p : {gwr_TitleBar, gwr_Back, gwr_LeftBar, gwr_RightBar, gwr_BottomBar,
                         gwr_LeftCorner, gwr_RightCorner}) {
    part(p).SetFont(DesignFont(u"Arial", 9.75f, true));
    part(p).SetDoubleClickEnable(true);
  }
  part(gwr_TitleBar).SetCaptionAlignment(0);

  GlavoCell& close = part(gwr_CloseButton);
  close.SetFont(DesignFont(u"Arial", 12.75f, true));
  close.SetCaption(u"~$01093");
  close.surface().setToolTipText(u"Close");

  GlavoCell& max = part(gwr_MaximizeButton);
  max.SetFont(DesignFont(u"Webdings", 9.75f, false, kSymbolCharset));
  max.SetSymbolNo(49);
  max.SetSymbolDraw(true);
  max.surface().setToolTipText(u"Maximize");

  GlavoCell& min = part(gwr_MinimizeButton);
  min.SetFont(DesignFont(u"Webdings", 9.75f, false, kSymbolCharset));
  min.SetSymbolNo(48);
  min.SetSymbolDraw(true);
  min.surface().setToolTipText(u"Minimize");

  GlavoCell& help = part(gwr_HelpButton);
  help.SetFont(DesignFont(u"Arial", 9.75f, true));
  help.SetCaption(u"?");
  help.surface().setToolTipText(u"Help");

  GlavoCell& icon = part(gwr_Icon);
  icon.SetFont(DesignFont(u"Arial", 9.75f, true));
  icon.SetIconSize(16);
  icon.SetDoubleClickEnable(true);

  for (SkinPartsGwr p : {gwr_CloseButton, gwr_MaximizeButton, gwr_MinimizeButton, gwr_HelpButton}) {
    part(p).SetAnimate(true);
  }
  for (SkinPartsGwr p :
       {gwr_CloseButton, gwr_MaximizeButton, gwr_MinimizeButton, gwr_HelpButton, gwr_Icon}) {
    part(p).SetForeColor(kWhite);
    part(p).SetMouseIcon(handCursor_);
    part(p).SetMousePointer(pointer::kCustom);
  }
}

void GlavoSkin::CreateSystemMenu() {
  mnuSys_ = {{u"Maximize   (Alt + Enter)"},
             {u"Move"},
             {u"Minimize"},
             {u"-"},
             {u"Close         (Alt + F4)"}};
}

// --- Property lets. Each stores, lays out where the value shows, then marks
// the property changed for the property bag.

void GlavoSkin::SetBorderSize(std::int32_t v) {
  borderSize_ = ClampRange(v, 1, 20);
  LayoutParts();
  Changed("BorderSize");
}

void GlavoSkin::SetTitleBarSize(std::int32_t v) {
  titleBarSize_ = ClampRange(v, 6, 100);
  LayoutParts();
  Changed("TitleBarSize");
}

void GlavoSkin::SetButtonSize(std::int32_t v) {
  buttonSize_ = ClampRange(v, 14, 100);
  LayoutParts();
  Changed("ButtonSize");
}

void GlavoSkin::SetCaption(const std::u16string& v) {
  caption_ = v;
  form().setCaption(v);
  LayoutParts();
  Changed("Caption");
}

void GlavoSkin::SetAllowResize(bool v) {
  allowResize_ = v;
  Changed("AllowResize");
}

void GlavoSkin::SetAllowFullScreen(bool v) {
  allowFullScreen_ = v;
  Changed("AllowFullScreen");
}

void GlavoSkin::SetAllowSystemMenu(bool v) {
  allowSystemMenu_ = v;
  Changed("AllowSystemMenu");
}

void GlavoSkin::SetShowHelpButton(bool v) {
  showHelpButton_ = v;
  LayoutParts();
  Changed("ShowHelpButton");
}

void GlavoSkin::SetShowMaximizeButton(bool v) {
  showMaximizeButton_ = v;
  LayoutParts();
  Changed("ShowMaximizeButton");
}

void GlavoSkin::SetShowMinimizeButton(bool v) {
  showMinimizeButton_ = v;
  LayoutParts();
  Changed("ShowMinimizeButton");
}

void GlavoSkin::SetShowIconButton(bool v) {
  showIconButton_ = v;
  LayoutParts();
  Changed("ShowIconButton");
}

void GlavoSkin::SetShowCloseButton(bool v) {
  showCloseButton_ = v;
  LayoutParts();
  Changed("ShowCloseButton");
}

void GlavoSkin::SetBackgroundShow(bool v) {
  backgroundShow_ = v;
  LayoutParts();
  Changed("BackgroundShow");
}

FontRef GlavoSkin::Font() const { return part(gwr_TitleBar).Font(); }

void GlavoSkin::SetFont(FontRef v) {
  part(gwr_TitleBar).SetFont(std::move(v));
  Changed("Font");
}

bool GlavoSkin::Enabled() const { return surface_->enabled(); }

void GlavoSkin::SetEnabled(bool v) {
  surface_->setEnabled(v);
  Changed("Enabled");
}

OleColor GlavoSkin::BackColor() const { return surface_->backColor(); }

void GlavoSkin::SetBackColor(OleColor v) {
  surface_->setBackColor(v);
  PaintBackground();
  Changed("BackColor");
}

void GlavoSkin::SetSkinThemeFile(const std::u16string& v) {
  skinThemeFile_ = v;
  Changed("SkinThemeFile");
}

void GlavoSkin::SetSkinState(std::int32_t v) {
  skinState_ = v;
  if (v >= gwr_Normal && v <= gwr_Maximized) form().setWindowState(static_cast<FormWindowState>(v));
  Changed("SkinState");
}

void GlavoSkin::Refresh() { LayoutParts(); }

}  // namespace glavo
