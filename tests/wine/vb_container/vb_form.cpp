#include "vb_form.h"

#include <olectl.h>

#include <cmath>

namespace vb_container {

using com_client::Bool;
using com_client::Long;
using com_client::Text;
namespace {

constexpr int kErrSetNotSupportedAtRunTime = 382;

std::vector<std::wstring> Members(const std::wstring& lacking) {
  std::vector<std::wstring> all = {L"BorderStyle", L"ShowInTaskbar", L"Caption", L"WindowState", L"hwnd",
                                   L"Icon",        L"Left",          L"Top",     L"Width",       L"Height",
                                   L"ScaleWidth",  L"ScaleHeight"};
  std::vector<std::wstring> kept;
  for (auto& name : all) {
    if (name != lacking) kept.push_back(name);
  }
  return kept;
}

const wchar_t* FormClass() {
  static const wchar_t* name = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"VbContainerForm";
    RegisterClassW(&cls);
    return L"VbContainerForm";
  }();
  return name;
}

}  // namespace

VbForm::VbForm(CallLog& log, const Options& options)
    : NamedDispatch(log, "form", Members(options.lacking)), options_(options) {
  window_ = CreateWindowExW(0, FormClass(), options.caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            options.left, options.top, options.width, options.height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  ApplyBorderStyle(options.borderStyle);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  PICTDESC desc{};
  desc.cbSizeofstruct = sizeof(desc);
  desc.picType = PICTYPE_ICON;
  desc.icon.hicon = LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
  OleCreatePictureIndirect(&desc, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&icon_));
}

VbForm::~VbForm() {
  if (icon_) icon_->Release();
  if (IsWindow(window_)) DestroyWindow(window_);
}

SIZE VbForm::clientSize() const {
  RECT r{};
  GetClientRect(window_, &r);
  return SIZE{r.right, r.bottom};
}

// 0 none, 1 fixed single, 2 sizable, 3 fixed dialog; the window keeps its
// outer rectangle, so the client area grows when the frame goes.
void VbForm::ApplyBorderStyle(int style) {
  options_.borderStyle = style;
  LONG_PTR bits = GetWindowLongPtrW(window_, GWL_STYLE);
  bits &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME);
  if (style == 1 || style == 3) bits |= WS_CAPTION;
  if (style == 2) bits |= WS_CAPTION | WS_THICKFRAME;
  SetWindowLongPtrW(window_, GWL_STYLE, bits);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

VARIANT VbForm::Twips(long pixels) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R4;
  v.fltVal = static_cast<float>(pixels * 15);
  return v;
}

long VbForm::Pixels(const VARIANT& twips) {
  VARIANT copy;
  VariantInit(&copy);
  VariantChangeType(&copy, const_cast<VARIANT*>(&twips), 0, VT_R8);
  return std::lround(copy.dblVal / 15);
}

HRESULT VbForm::Get(const std::wstring& name, VARIANT& out, EXCEPINFO*) {
  RECT r{};
  GetWindowRect(window_, &r);
  const SIZE client = clientSize();
  if (name == L"BorderStyle") {
    out = Long(options_.borderStyle);
  } else if (name == L"ShowInTaskbar") {
    out = Bool(showInTaskbar_);
  } else if (name == L"Caption") {
    out = Text(options_.caption);
  } else if (name == L"WindowState") {
    out = Long(IsIconic(window_) ? 1 : IsZoomed(window_) ? 2 : 0);
  } else if (name == L"hwnd") {
    out = Long(static_cast<long>(reinterpret_cast<LONG_PTR>(window_)));
  } else if (name == L"Icon") {
    out.vt = VT_DISPATCH;
    out.pdispVal = icon_;
    if (icon_) icon_->AddRef();
  } else if (name == L"Left") {
    out = Twips(r.left);
  } else if (name == L"Top") {
    out = Twips(r.top);
  } else if (name == L"Width") {
    out = Twips(r.right - r.left);
  } else if (name == L"Height") {
    out = Twips(r.bottom - r.top);
  } else if (name == L"ScaleWidth") {
    out = Twips(client.cx);
  } else if (name == L"ScaleHeight") {
    out = Twips(client.cy);
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }
  return S_OK;
}

HRESULT VbForm::Put(const std::wstring& name, const VARIANT& value, EXCEPINFO* exception) {
  VARIANT number;
  VariantInit(&number);
  const bool numeric = SUCCEEDED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4));
  RECT r{};
  GetWindowRect(window_, &r);
  if (name == L"BorderStyle" || name == L"ShowInTaskbar") {
    if (options_.runMode) {
      return Raise(exception, kErrSetNotSupportedAtRunTime, L"Can't set property at run time");
    }
    if (!numeric) return DISP_E_TYPEMISMATCH;
    if (name == L"BorderStyle") {
      ApplyBorderStyle(number.lVal);
    } else {
      showInTaskbar_ = number.lVal != 0;
    }
  } else if (name == L"Caption") {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    options_.caption.assign(text.bstrVal, SysStringLen(text.bstrVal));
    SetWindowTextW(window_, text.bstrVal);
    VariantClear(&text);
  } else if (name == L"WindowState") {
    if (!numeric) return DISP_E_TYPEMISMATCH;
    ShowWindow(window_, number.lVal == 1 ? SW_MINIMIZE : number.lVal == 2 ? SW_MAXIMIZE : SW_RESTORE);
  } else if (name == L"Icon") {
    // kept as it is: the scenarios never change it
  } else if (name == L"Left" || name == L"Top" || name == L"Width" || name == L"Height") {
    if (!numeric) return DISP_E_TYPEMISMATCH;
    const long px = Pixels(value);
    long x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
    (name == L"Left" ? x : name == L"Top" ? y : name == L"Width" ? w : h) = px;
    SetWindowPos(window_, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (name == L"hwnd" || name == L"ScaleWidth" || name == L"ScaleHeight") {
    return Raise(exception, 383, L"Property is read-only");
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }
  return S_OK;
}

}  // namespace vb_container
