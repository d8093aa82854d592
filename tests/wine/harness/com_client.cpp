#include "com_client.h"

#include <cstdio>
#include <cwchar>
#include <sstream>

namespace com_client {

ResultFile::ResultFile(const std::wstring& path) : file_(_wfopen(path.c_str(), L"w")) {}

ResultFile::~ResultFile() {
  if (file_) std::fclose(file_);
}

void ResultFile::line(const std::string& text) {
  if (!file_) return;
  std::fputs(text.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

std::string RectText(const RECT& r) {
  char text[96];
  std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

void PostMouse(HWND window, UINT message, WPARAM keys, int x, int y) {
  PostMessageW(window, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void PostDoubleClick(HWND window, int x, int y) {
  PostMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  PostMouse(window, WM_LBUTTONUP, 0, x, y);
  PostMouse(window, WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
  PostMouse(window, WM_LBUTTONUP, 0, x, y);
}

IClassFactory* FactoryFromDll(const std::wstring& dll, REFCLSID clsid, std::wstring* why) {
  std::wstring problem;
  HMODULE module = LoadLibraryW(dll.c_str());
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  auto get = module ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")))
                    : nullptr;
  IClassFactory* factory = nullptr;
  HRESULT hr = E_FAIL;
  if (!module) {
    problem = L"cannot load " + dll + L" (" + std::to_wstring(GetLastError()) + L")";
  } else if (!get) {
    problem = L"DllGetClassObject is not exported";
  } else if (FAILED(hr = get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    problem = L"DllGetClassObject " + std::to_wstring(static_cast<unsigned long>(hr));
  }
  if (why) *why = problem;
  return factory;
}

void* CreateFromDll(const std::wstring& dll, REFCLSID clsid, REFIID iid, std::wstring* why) {
  void* object = nullptr;
  IClassFactory* factory = FactoryFromDll(dll, clsid, why);
  if (!factory) return nullptr;
  const HRESULT hr = factory->CreateInstance(nullptr, iid, &object);
  factory->Release();
  if (FAILED(hr) && why) *why = L"CreateInstance " + std::to_wstring(static_cast<unsigned long>(hr));
  return object;
}

Called CallByName(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
  if (result) VariantInit(result);
  Called called;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  called.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(called.hr)) return called;
  DISPID named = DISPID_PROPERTYPUT;
  const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  std::vector<VARIANTARG> reversed(args.rbegin(), args.rend());  // Invoke takes them last to first
  DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  EXCEPINFO exception{};
  UINT argError = 0;
  called.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &argError);
  if (called.hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    char text[512] = "";
    if (exception.bstrDescription) {
      WideCharToMultiByte(CP_UTF8, 0, exception.bstrDescription, -1, text, sizeof text, nullptr, nullptr);
    }
    called.error = Hex(exception.scode) + " \"" + text + "\"";
    called.described = text[0] != 0;
  }
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return called;
}

HRESULT Get(IDispatch* object, const wchar_t* name, VARIANT& out) {
  return CallByName(object, name, DISPATCH_PROPERTYGET, {}, &out).hr;
}

HRESULT Put(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  const WORD flags = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  return CallByName(object, name, flags, {value}).hr;
}

HRESULT PutLong(IDispatch* object, const wchar_t* name, long value) { return Put(object, name, Long(value)); }

long GetLong(IDispatch* object, const wchar_t* name, long otherwise) {
  VARIANT value;
  const bool ok = SUCCEEDED(Get(object, name, value)) && SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4));
  const long n = ok ? value.lVal : otherwise;
  VariantClear(&value);
  return n;
}

VARIANT Long(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

VARIANT Bool(bool b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT Text(const std::wstring& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return v;
}

std::wstring TextOf(const VARIANT& value, const std::wstring& otherwise) {
  if (value.vt != VT_BSTR) return otherwise;
  return value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : L"";
}

namespace {

// Other than printable ASCII as \uXXXX, so the text survives any console.
std::wstring QuotedText(const wchar_t* text) {
  std::wstring out = L"\"";
  for (const wchar_t* p = text ? text : L""; *p; ++p) {
    wchar_t escape[8] = {*p, 0};
    if (*p < 32 || *p >= 127) std::swprintf(escape, 8, L"\\u%04X", static_cast<unsigned>(*p));
    out += escape;
  }
  return out + L"\"";
}

std::wstring ObjectText(IUnknown* object) {
  IFont* font = Query<IFont>(object, IID_IFont);
  if (!font) return L"object";
  BSTR name = nullptr;
  CY size = {};
  BOOL bold = FALSE, italic = FALSE;
  font->get_Name(&name);
  font->get_Size(&size);
  font->get_Bold(&bold);
  font->get_Italic(&italic);
  std::wostringstream out;
  out << L"font(" << (name ? name : L"") << L"," << size.int64 / 10000.0 << L"," << (bold ? L"True" : L"False")
      << L"," << (italic ? L"True" : L"False") << L")";
  SysFreeString(name);
  font->Release();
  return out.str();
}

// In US English, whatever the system's locale: the suites hold the text.
std::wstring NumberText(const VARIANT& value) {
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeTypeEx(&text, const_cast<VARIANT*>(&value), 0x0409, 0, VT_BSTR))) {
    return L"vt" + std::to_wstring(value.vt);
  }
  std::wstring out = TextOf(text);
  VariantClear(&text);
  return out;
}

}  // namespace

std::wstring Describe(const VARIANT& value) {
  switch (value.vt) {
    case VT_EMPTY: return L"Empty";
    case VT_BOOL: return value.boolVal ? L"True" : L"False";
    case VT_BSTR: return QuotedText(value.bstrVal);
    case VT_DISPATCH:
    case VT_UNKNOWN: return ObjectText(value.punkVal);
    default: return NumberText(value);
  }
}

std::wstring Theme(IDispatch* skin) {
  VARIANT result;
  CallByName(skin, L"SaveSkinTheme", DISPATCH_METHOD, {}, &result);
  std::wstring text = TextOf(result);
  VariantClear(&result);
  return text;
}

Advised::Advised(IUnknown* object, REFIID iid, IUnknown* sink, DWORD cookie) : cookie_(cookie) {
  IConnectionPointContainer* points = nullptr;
  if (FAILED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) return;
  if (SUCCEEDED(points->FindConnectionPoint(iid, &point_))) {
    advised_ = cookie ? S_OK : point_->Advise(sink, &cookie_);
    connected_ = SUCCEEDED(advised_);
  }
  points->Release();
}

Advised::~Advised() {
  if (connected_) unadvise();
  if (point_) point_->Release();
}

HRESULT Advised::unadvise() {
  connected_ = false;
  return point_ ? point_->Unadvise(cookie_) : E_FAIL;
}

}  // namespace com_client
