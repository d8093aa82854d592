// The property page's window: its controls, their layout, and what each
// control changes on the page and in the preview.
#include "server/property_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <uxtheme.h>

#include <string>

#include "platform/win32/window_class.h"
#include "server/dispatch_property.h"
#include "skin/skin_names.h"

namespace glavo::server {
namespace {

constexpr wchar_t kPageClass[] = L"GlavoSkinPropertyPage";

enum ControlId : int {
  kTheme = 100,
  kSizeEdit = 110,   // + index
  kSizeSpin = 120,   // + index
  kFlag = 130,       // + index
  kLoadFile = 150,
  kSaveFile = 151,
  kFileName = 152,
};

struct Range {
  long low, high;
};
constexpr Range kSizeRanges[SkinPropertyPage::kSizeCount] = {{6, 100}, {1, 20}, {14, 100}};
constexpr const wchar_t* kSizeLabels[SkinPropertyPage::kSizeCount] = {L"&Title bar height:", L"&Border width:",
                                                                      L"B&utton size:"};
constexpr const wchar_t* kFlagLabels[SkinPropertyPage::kFlagCount] = {
    L"&Close", L"Ma&ximize", L"Mi&nimize", L"&Help", L"&Icon", L"Bac&kground",
    L"Allow &resize", L"Allow &full screen", L"Allow system &menu"};

HWND Make(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id,
          DWORD exStyle = 0) {
  HWND control = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win32::WindowModule(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

std::wstring FileNameOnly(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The system's file dialog for a theme file; false when the user cancelled.
bool AskThemeFile(HWND owner, bool save, wchar_t (&path)[MAX_PATH]) {
  path[0] = L'\0';
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"Skin themes (*.gwr)\0*.gwr\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = L"gwr";
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  return save ? GetSaveFileNameW(&dialog) != FALSE : GetOpenFileNameW(&dialog) != FALSE;
}

}  // namespace

LRESULT CALLBACK SkinPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* page = win32::WindowObject<SkinPropertyPage>(window, message, lParam);
  if (page && message == WM_COMMAND) {
    page->Command(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  // The page takes the look of the frame's tab behind it (themed or not),
  // and its labels and check boxes are drawn on that.
  if (message == WM_ERASEBKGND) {
    DrawThemeParentBackground(window, reinterpret_cast<HDC>(wParam), nullptr);
    return 1;
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

STDMETHODIMP SkinPropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) {
  if (!rect) return E_POINTER;
  if (window_) return S_OK;
  INITCOMMONCONTROLSEX common{sizeof(common), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  if (!win32::EnsureWindowClass(kPageClass, &PageProc, 0)) return E_FAIL;
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD, rect->left,
                            rect->top, rect->right - rect->left, rect->bottom - rect->top, parent, nullptr,
                            win32::WindowModule(), this);
  if (!window_) return E_FAIL;
  try {
    CreateControls();
    ShowValues();
  } catch (...) {
    Deactivate();
    return E_FAIL;
  }
  return S_OK;
}

STDMETHODIMP SkinPropertyPage::Deactivate() {
  preview_.reset();
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
  return S_OK;
}

void SkinPropertyPage::CreateControls() {
  const DWORD group = BS_GROUPBOX;
  Make(window_, L"BUTTON", L"Look", group, 8, 4, 228, 168, 0);
  Make(window_, L"STATIC", L"T&heme:", SS_LEFT, 20, 30, 80, 16, 0);
  HWND theme = Make(window_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 108, 26, 116, 300, kTheme);
  for (int i = 0; i < 12; ++i) {
    SendMessageW(theme, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Wide(BodyThemeName(static_cast<BodyThemesGwr>(i))).c_str()));
  }
  for (int i = 0; i < kSizeCount; ++i) {
    const int y = 68 + i * 32;
    Make(window_, L"STATIC", kSizeLabels[i], SS_LEFT, 20, y + 4, 86, 16, 0);
    HWND edit = Make(window_, L"EDIT", L"", ES_NUMBER | ES_RIGHT | WS_TABSTOP, 108, y, 52, 22, kSizeEdit + i,
                     WS_EX_CLIENTEDGE);
    HWND spin = Make(window_, UPDOWN_CLASSW, L"",
                     UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0, kSizeSpin + i);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageW(spin, UDM_SETRANGE32, kSizeRanges[i].low, kSizeRanges[i].high);
    Make(window_, L"STATIC", L"pixels", SS_LEFT, 172, y + 4, 50, 16, 0);
  }
  Make(window_, L"BUTTON", L"Preview", group, 244, 4, 220, 168, 0);
  preview_ = std::make_unique<ThemePreview>(window_, RECT{254, 24, 454, 162},
                                            caption_.empty() ? u"GlavoSkin" : caption_);
  Make(window_, L"BUTTON", L"Caption buttons shown", group, 8, 178, 456, 46, 0);
  constexpr int kButtonWidths[6] = {62, 78, 76, 56, 54, 96};
  for (int i = 0, x = 20; i < 6; x += kButtonWidths[i], ++i) {
    Make(window_, L"BUTTON", kFlagLabels[i], BS_AUTOCHECKBOX | WS_TABSTOP, x, 198, kButtonWidths[i] - 4, 18,
         kFlag + i);
  }
  Make(window_, L"BUTTON", L"Behaviour", group, 8, 228, 456, 46, 0);
  for (int i = 6; i < kFlagCount; ++i) {
    Make(window_, L"BUTTON", kFlagLabels[i], BS_AUTOCHECKBOX | WS_TABSTOP, 20 + (i - 6) * 148, 248, 140, 18,
         kFlag + i);
  }
  Make(window_, L"BUTTON", L"&Load theme file...", BS_PUSHBUTTON | WS_TABSTOP, 8, 280, 128, 24, kLoadFile);
  Make(window_, L"BUTTON", L"&Save theme file...", BS_PUSHBUTTON | WS_TABSTOP, 142, 280, 128, 24, kSaveFile);
  Make(window_, L"STATIC", L"", SS_LEFT | SS_PATHELLIPSIS, 280, 285, 184, 16, kFileName);
}

// Puts the page's values into its controls and the preview, without
// marking the page changed.
void SkinPropertyPage::ShowValues() {
  showing_ = true;
  SendDlgItemMessageW(window_, kTheme, CB_SETCURSEL, values_.lookFromFile ? -1 : values_.bodyTheme, 0);
  for (int i = 0; i < kSizeCount; ++i) SetDlgItemInt(window_, kSizeEdit + i, values_.sizes[i], TRUE);
  for (int i = 0; i < kFlagCount; ++i) CheckDlgButton(window_, kFlag + i, values_.flags[i] ? BST_CHECKED : BST_UNCHECKED);
  ShowFileName();
  if (preview_) {
    GlavoSkin& skin = preview_->skin();
    if (values_.lookFromFile) {
      skin.LoadSkinTheme(std::u16string(values_.themeFile.begin(), values_.themeFile.end()));
    } else {
      skin.SetBodyTheme(values_.bodyTheme);
    }
    skin.SetTitleBarSize(values_.sizes[0]);
    skin.SetBorderSize(values_.sizes[1]);
    skin.SetButtonSize(values_.sizes[2]);
    for (int i = 0; i < kFlagCount; ++i) PreviewFlag(i, values_.flags[i]);
  }
  showing_ = false;
}

// The label has no background of its own: the page repaints under it.
void SkinPropertyPage::ShowFileName() {
  HWND label = GetDlgItem(window_, kFileName);
  SetWindowTextW(label, values_.lookFromFile ? FileNameOnly(values_.themeFile).c_str() : L"");
  RECT r{};
  GetWindowRect(label, &r);
  MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
  InvalidateRect(window_, &r, TRUE);
}

void SkinPropertyPage::PreviewFlag(int index, bool value) {
  if (!preview_) return;
  GlavoSkin& skin = preview_->skin();
  switch (index) {
    case 0: skin.SetShowCloseButton(value); break;
    case 1: skin.SetShowMaximizeButton(value); break;
    case 2: skin.SetShowMinimizeButton(value); break;
    case 3: skin.SetShowHelpButton(value); break;
    case 4: skin.SetShowIconButton(value); break;
    case 5: skin.SetBackgroundShow(value); break;
    case 6: skin.SetAllowResize(value); break;
    case 7: skin.SetAllowFullScreen(value); break;
    default: skin.SetAllowSystemMenu(value); break;
  }
}

void SkinPropertyPage::TakeSizesFromPreview() {
  if (!preview_) return;
  const GlavoSkin& skin = preview_->skin();
  values_.sizes = {skin.TitleBarSize(), skin.BorderSize(), skin.ButtonSize()};
  showing_ = true;
  for (int i = 0; i < kSizeCount; ++i) SetDlgItemInt(window_, kSizeEdit + i, values_.sizes[i], TRUE);
  showing_ = false;
}

void SkinPropertyPage::Command(int id, int code) {
  if (showing_) return;
  try {
    if (id == kTheme && code == CBN_SELCHANGE) {
      const LRESULT chosen = SendDlgItemMessageW(window_, kTheme, CB_GETCURSEL, 0, 0);
      if (chosen < 0) return;
      values_.bodyTheme = static_cast<long>(chosen);
      values_.lookFromFile = false;
      ShowFileName();
      if (preview_) preview_->skin().SetBodyTheme(values_.bodyTheme);
      TakeSizesFromPreview();
      MarkDirty();
    } else if (id >= kSizeEdit && id < kSizeEdit + kSizeCount && code == EN_CHANGE) {
      BOOL ok = FALSE;
      const int value = static_cast<int>(GetDlgItemInt(window_, id, &ok, TRUE));
      if (!ok) return;
      const int index = id - kSizeEdit;
      values_.sizes[index] = value;
      if (preview_) {
        GlavoSkin& skin = preview_->skin();
        if (index == 0) skin.SetTitleBarSize(value);
        if (index == 1) skin.SetBorderSize(value);
        if (index == 2) skin.SetButtonSize(value);
      }
      MarkDirty();
    } else if (id >= kFlag && id < kFlag + kFlagCount && code == BN_CLICKED) {
      const int index = id - kFlag;
      values_.flags[index] = IsDlgButtonChecked(window_, id) == BST_CHECKED;
      PreviewFlag(index, values_.flags[index]);
      MarkDirty();
    } else if (id == kLoadFile && code == BN_CLICKED) {
      LoadThemeFile();
    } else if (id == kSaveFile && code == BN_CLICKED) {
      SaveThemeFile();
    }
  } catch (...) {
    // A preview that cannot follow leaves the page's values as they are.
  }
}

void SkinPropertyPage::LoadThemeFile() {
  wchar_t path[MAX_PATH];
  if (!AskThemeFile(window_, false, path)) return;
  values_.themeFile = path;
  values_.lookFromFile = true;
  SendDlgItemMessageW(window_, kTheme, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ShowFileName();
  if (preview_) preview_->skin().LoadSkinTheme(std::u16string(values_.themeFile.begin(), values_.themeFile.end()));
  TakeSizesFromPreview();
  MarkDirty();
}

// Writes the controls' look, with the page's changes applied first, through
// the SkinThemeFile and SkinTheme lets.
void SkinPropertyPage::SaveThemeFile() {
  wchar_t path[MAX_PATH];
  if (!AskThemeFile(window_, true, path) || objects_.empty()) return;
  if (FAILED(Apply())) return;
  if (site_) site_->OnStatusChange(PROPPAGESTATUS_CLEAN);
  IDispatch* object = objects_.front().Get();
  if (SUCCEEDED(PutStringProperty(object, L"SkinThemeFile", path))) {
    PutLongProperty(object, L"SkinTheme", 1);  // gwr_SaveTheme
  }
}

}  // namespace glavo::server
