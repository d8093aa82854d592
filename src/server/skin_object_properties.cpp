// The dual interface _GlavoSkin: each method forwards to the skin.
#include <exception>

#include "server/bstr.h"
#include "server/error_info.h"
#include "server/font_bridge.h"
#include "server/skin_object.h"

namespace glavo::server {
namespace {

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
bool FromVariantBool(VARIANT_BOOL value) { return value != VARIANT_FALSE; }

}  // namespace

// Getters and setters come in these few shapes.
#define GLAVO_LONG_PROPERTY(Name)                                                      \
  STDMETHODIMP SkinObject::get_##Name(LONG* value) {                                  \
    if (!value) return E_POINTER;                                                      \
    return Call([&](GlavoSkin& skin) { *value = skin.Name(); });                       \
  }                                                                                    \
  STDMETHODIMP SkinObject::put_##Name(LONG value) {                                   \
    return Call([&](GlavoSkin& skin) { skin.Set##Name(static_cast<std::int32_t>(value)); }); \
  }

#define GLAVO_BOOL_PROPERTY(Name)                                                      \
  STDMETHODIMP SkinObject::get_##Name(VARIANT_BOOL* value) {                          \
    if (!value) return E_POINTER;                                                      \
    return Call([&](GlavoSkin& skin) { *value = ToVariantBool(skin.Name()); });        \
  }                                                                                    \
  STDMETHODIMP SkinObject::put_##Name(VARIANT_BOOL value) {                           \
    return Call([&](GlavoSkin& skin) { skin.Set##Name(FromVariantBool(value)); });     \
  }

#define GLAVO_STRING_PROPERTY(Name)                                                    \
  STDMETHODIMP SkinObject::get_##Name(BSTR* value) {                                  \
    if (!value) return E_POINTER;                                                      \
    *value = nullptr;                                                                  \
    return Call([&](GlavoSkin& skin) {                                                 \
      *value = ToBstr(skin.Name());                                                    \
      if (!*value) throw std::bad_alloc();                                             \
    });                                                                                \
  }                                                                                    \
  STDMETHODIMP SkinObject::put_##Name(BSTR value) {                                   \
    return Call([&](GlavoSkin& skin) { skin.Set##Name(FromBstr(value)); });            \
  }

#define GLAVO_ENUM_PROPERTY(Name, Type)                                                \
  STDMETHODIMP SkinObject::get_##Name(::Type* value) {                                \
    if (!value) return E_POINTER;                                                      \
    return Call([&](GlavoSkin& skin) { *value = static_cast<::Type>(skin.Name()); });  \
  }                                                                                    \
  STDMETHODIMP SkinObject::put_##Name(::Type value) {                                 \
    return Call([&](GlavoSkin& skin) { skin.Set##Name(static_cast<std::int32_t>(value)); }); \
  }

GLAVO_LONG_PROPERTY(BorderSize)
GLAVO_LONG_PROPERTY(TitleBarSize)
GLAVO_STRING_PROPERTY(Caption)
GLAVO_BOOL_PROPERTY(AllowResize)
GLAVO_BOOL_PROPERTY(AllowFullScreen)
GLAVO_BOOL_PROPERTY(ShowHelpButton)
GLAVO_BOOL_PROPERTY(ShowMaximizeButton)
GLAVO_BOOL_PROPERTY(ShowMinimizeButton)
GLAVO_BOOL_PROPERTY(ShowIconButton)
GLAVO_BOOL_PROPERTY(ShowCloseButton)
GLAVO_BOOL_PROPERTY(Enabled)
GLAVO_BOOL_PROPERTY(BackgroundShow)
GLAVO_ENUM_PROPERTY(SkinTheme, ThemeSettingsGwr)
GLAVO_STRING_PROPERTY(SkinThemeFile)
GLAVO_ENUM_PROPERTY(BodyTheme, BodyThemesGwr)
GLAVO_LONG_PROPERTY(ButtonSize)
GLAVO_BOOL_PROPERTY(AllowSystemMenu)
GLAVO_ENUM_PROPERTY(SkinState, SkinStatesGwr)

#undef GLAVO_LONG_PROPERTY
#undef GLAVO_BOOL_PROPERTY
#undef GLAVO_STRING_PROPERTY
#undef GLAVO_ENUM_PROPERTY

STDMETHODIMP SkinObject::get_BackColor(OLE_COLOR* value) {
  if (!value) return E_POINTER;
  return Call([&](GlavoSkin& skin) { *value = skin.BackColor(); });
}

STDMETHODIMP SkinObject::put_BackColor(OLE_COLOR value) {
  return Call([&](GlavoSkin& skin) { skin.SetBackColor(static_cast<OleColor>(value)); });
}

// The font object is handed out by reference: the same object comes back
// until the skin's font changes.
STDMETHODIMP SkinObject::get_Font(IFontDisp** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (!skin_) return E_UNEXPECTED;
  FontRef current = skin_->Font();
  if (!current) return S_OK;  // Nothing
  if (!font_ || current != fontSource_) {
    Microsoft::WRL::ComPtr<IFontDisp> created;
    HRESULT hr = CreateOleFont(*current, created.GetAddressOf());
    if (FAILED(hr)) return hr;
    HoldFont(created.Get(), current);
  }
  return font_.CopyTo(value);
}

void SkinObject::HoldFont(IFontDisp* font, FontRef source) {
  if (fontWatch_) fontWatch_->stop();
  fontWatch_.Reset();
  font_ = font;
  fontSource_ = std::move(source);
  // A font without change notifications is simply not followed.
  if (font_) FontWatch::Start(font_.Get(), [this] { FontObjectChanged(); }, fontWatch_);
}

// The font object we handed out was changed in place: the skin takes the
// new description, and the same object stays the skin's font.
void SkinObject::FontObjectChanged() {
  FontRef changed = FontFromOle(font_.Get());
  if (!changed || !skin_) return;
  if (Call([&](GlavoSkin& skin) { skin.SetFont(changed); }) == S_OK) fontSource_ = changed;
}

HRESULT SkinObject::SetFontObject(IFontDisp* value) {
  FontRef font = FontFromOle(value);
  if (!font) {
    return ReportError(CTL_E_INVALIDPROPERTYVALUE, L"Invalid property value: a font object is required",
                       IID__GlavoSkin);
  }
  HRESULT hr = Call([&](GlavoSkin& skin) { skin.SetFont(font); });
  if (SUCCEEDED(hr)) HoldFont(value, font);
  return hr;
}

STDMETHODIMP SkinObject::put_Font(IFontDisp* value) { return SetFontObject(value); }
STDMETHODIMP SkinObject::putref_Font(IFontDisp* value) { return SetFontObject(value); }

STDMETHODIMP SkinObject::SaveSkinTheme(BSTR FileName, BSTR* result) {
  if (!result) return E_POINTER;
  *result = nullptr;
  return Call([&](GlavoSkin& skin) {
    *result = ToBstr(skin.SaveSkinTheme(FromBstr(FileName)));
    if (!*result) throw std::bad_alloc();
  });
}

STDMETHODIMP SkinObject::LoadSkinTheme(BSTR FileName, BSTR SettingsStr) {
  return Call([&](GlavoSkin& skin) { skin.LoadSkinTheme(FromBstr(FileName), FromBstr(SettingsStr)); });
}

STDMETHODIMP SkinObject::Refresh() {
  return Call([&](GlavoSkin& skin) { skin.Refresh(); });
}

}  // namespace glavo::server
