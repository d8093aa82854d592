// The control's property page, opened by the property browser's "(Custom)"
// (ISpecifyPropertyPages) or by OleCreatePropertyFrame: a built-in theme
// with a live preview of the frame, the three sizes, the caption buttons
// shown, the three behaviour flags, and loading and saving a theme file.
// Apply goes through the controls' own property lets.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <wrl/client.h>

#include "server/com_headers.h"
#include "server/com_object.h"
#include "server/theme_preview.h"

namespace glavo::server {

// {D2DCDE7E-0DB2-4234-A463-4BA9FA5C1C29}
inline constexpr CLSID kPropertyPageClsid = {
    0xD2DCDE7E, 0x0DB2, 0x4234, {0xA4, 0x63, 0x4B, 0xA9, 0xFA, 0x5C, 0x1C, 0x29}};

HRESULT CreatePropertyPage(REFIID riid, void** out);

class SkinPropertyPage final : public ComObject<IPropertyPage, IID_IPropertyPage> {
 public:
  SkinPropertyPage();
  ~SkinPropertyPage();

  STDMETHODIMP SetPageSite(IPropertyPageSite* site) override;
  STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override;
  STDMETHODIMP Deactivate() override;
  STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override;
  STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override;
  STDMETHODIMP Show(UINT command) override;
  STDMETHODIMP Move(LPCRECT rect) override;
  STDMETHODIMP IsPageDirty() override;
  STDMETHODIMP Apply() override;
  STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

  // The properties the page edits, in the order Apply sets them.
  static constexpr int kSizeCount = 3;
  static constexpr int kFlagCount = 9;
  static constexpr std::array<const wchar_t*, kSizeCount> kSizeNames = {L"TitleBarSize", L"BorderSize",
                                                                        L"ButtonSize"};
  static constexpr std::array<const wchar_t*, kFlagCount> kFlagNames = {
      L"ShowCloseButton", L"ShowMaximizeButton", L"ShowMinimizeButton", L"ShowHelpButton", L"ShowIconButton",
      L"BackgroundShow",  L"AllowResize",        L"AllowFullScreen",    L"AllowSystemMenu"};

 private:
  struct Values {
    long bodyTheme = 0;
    std::array<long, kSizeCount> sizes{30, 3, 24};
    std::array<bool, kFlagCount> flags{};
    std::wstring themeFile;   // a file loaded on the page, applied on Apply
    bool lookFromFile = false;  // the file, not bodyTheme, was chosen last
  };

  // The page window (property_page_window.cpp).
  static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void ShowValues();
  void ShowFileName();
  void Command(int id, int code);
  void LoadThemeFile();
  void SaveThemeFile();
  // What the preview's skin now has for the three sizes.
  void TakeSizesFromPreview();
  void PreviewFlag(int index, bool value);
  void MarkDirty();

  void ReadValues(IDispatch* object);
  HRESULT ApplyTo(IDispatch* object);

  Microsoft::WRL::ComPtr<IPropertyPageSite> site_;
  std::vector<Microsoft::WRL::ComPtr<IDispatch>> objects_;
  std::u16string caption_;
  Values values_;
  bool dirty_ = false;
  bool showing_ = false;  // the page is writing values into its controls
  HWND window_ = nullptr;
  std::unique_ptr<ThemePreview> preview_;
};

}  // namespace glavo::server
