// First placement on a form, and saving to and loading from the form's
// property bag.
#include "skin/glavo_skin.h"

namespace glavo {
namespace {

constexpr std::int32_t kDefaultBorderSize = 3;
constexpr std::int32_t kDefaultTitleBarSize = 30;
constexpr std::int32_t kDefaultButtonSize = 24;
constexpr OleColor kDefaultBackColor = 12090134;
constexpr const char16_t* kDefaultThemeFile = u"Onyx.gwr";

}  // namespace

void GlavoSkin::InitProperties() {
  form().setBorderStyle(FormBorderStyle::kNone);
  form().setShowInTaskbar(true);
  borderSize_ = kDefaultBorderSize;
  titleBarSize_ = kDefaultTitleBarSize;
  caption_ = form().caption();
  allowResize_ = true;
  allowFullScreen_ = false;
  showHelpButton_ = showMaximizeButton_ = showMinimizeButton_ = true;
  showIconButton_ = showCloseButton_ = backgroundShow_ = true;
  skinTheme_ = gwr_NoAction;
  skinThemeFile_ = kDefaultThemeFile;
  skinThemeData_.clear();
  bodyTheme_ = gwr_Onyx;
  buttonSize_ = kDefaultButtonSize;
  SetBodyTheme(gwr_Onyx);
  allowSystemMenu_ = true;
  skinState_ = gwr_Normal;
}

void GlavoSkin::WriteProperties(PropertyBag& bag) const {
  WriteLong(bag, "BorderSize", borderSize_, kDefaultBorderSize);
  WriteLong(bag, "TitleBarSize", titleBarSize_, kDefaultTitleBarSize);
  WriteString(bag, "Caption", caption_, u"");
  WriteBool(bag, "AllowResize", allowResize_, true);
  WriteBool(bag, "AllowFullScreen", allowFullScreen_, false);
  WriteBool(bag, "ShowHelpButton", showHelpButton_, true);
  WriteBool(bag, "ShowMaximizeButton", showMaximizeButton_, true);
  WriteBool(bag, "ShowMinimizeButton", showMinimizeButton_, true);
  WriteBool(bag, "ShowIconButton", showIconButton_, true);
  WriteBool(bag, "ShowCloseButton", showCloseButton_, true);
  WriteFont(bag, "Font", Font());
  WriteBool(bag, "Enabled", Enabled(), true);
  WriteLong(bag, "BackColor", static_cast<std::int32_t>(BackColor()),
            static_cast<std::int32_t>(kDefaultBackColor));
  WriteBool(bag, "BackgroundShow", backgroundShow_, true);
  WriteLong(bag, "SkinTheme", skinTheme_, gwr_NoAction);
  WriteString(bag, "SkinThemeFile", skinThemeFile_, kDefaultThemeFile);
  WriteString(bag, "SkinThemeData", skinThemeData_, u"");
  WriteLong(bag, "BodyTheme", bodyTheme_, gwr_Onyx);
  WriteLong(bag, "ButtonSize", buttonSize_, kDefaultButtonSize);
  WriteBool(bag, "AllowSystemMenu", allowSystemMenu_, true);
  WriteLong(bag, "SkinState", skinState_, gwr_Normal);
}

// Values are taken as stored: no clamping, no layout per value, no change
// marks. The look comes from the saved theme text, not from BodyTheme.
void GlavoSkin::ReadProperties(const PropertyBag& bag) {
  caption_ = ReadString(bag, "Caption", u"");
  allowResize_ = ReadBool(bag, "AllowResize", true);
  allowFullScreen_ = ReadBool(bag, "AllowFullScreen", false);
  showHelpButton_ = ReadBool(bag, "ShowHelpButton", true);
  showMaximizeButton_ = ReadBool(bag, "ShowMaximizeButton", true);
  showMinimizeButton_ = ReadBool(bag, "ShowMinimizeButton", true);
  showIconButton_ = ReadBool(bag, "ShowIconButton", true);
  showCloseButton_ = ReadBool(bag, "ShowCloseButton", true);
  part(gwr_TitleBar).SetFont(ReadFont(bag, "Font", surface_->ambientFont()));
  surface_->setEnabled(ReadBool(bag, "Enabled", true));
  // An action is never repeated on load: whatever a foreign bag holds, the
  // property rests at gwr_NoAction (this control always saves 0).
  ReadLong(bag, "SkinTheme", gwr_NoAction);
  skinTheme_ = gwr_NoAction;
  skinThemeFile_ = ReadString(bag, "SkinThemeFile", kDefaultThemeFile);
  skinThemeData_ = ReadString(bag, "SkinThemeData", u"");
  bodyTheme_ = ReadLong(bag, "BodyTheme", gwr_Onyx);
  LoadSkinTheme(u"", skinThemeData_);
  borderSize_ = ReadLong(bag, "BorderSize", kDefaultBorderSize);
  titleBarSize_ = ReadLong(bag, "TitleBarSize", kDefaultTitleBarSize);
  buttonSize_ = ReadLong(bag, "ButtonSize", kDefaultButtonSize);
  surface_->setBackColor(static_cast<OleColor>(
      ReadLong(bag, "BackColor", static_cast<std::int32_t>(kDefaultBackColor))));
  backgroundShow_ = ReadBool(bag, "BackgroundShow", true);
  allowSystemMenu_ = ReadBool(bag, "AllowSystemMenu", true);
  skinState_ = ReadLong(bag, "SkinState", gwr_Normal);
}

}  // namespace glavo
