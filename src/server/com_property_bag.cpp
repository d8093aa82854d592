#include "server/com_property_bag.h"

#include <string>

#include "server/bstr.h"
#include "server/font_bridge.h"

namespace glavo::server {
namespace {

std::wstring KeyName(std::string_view key) { return Utf8ToWide(key); }

std::optional<PropertyValue> NumberFromVariant(const VARIANT& v) {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&v), 0, VT_R8))) return std::nullopt;
  return PropertyValue(converted.dblVal);
}

}  // namespace

std::optional<PropertyValue> ValueFromVariant(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return std::nullopt;
    case VT_BOOL:
      return PropertyValue(v.boolVal != VARIANT_FALSE);
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_INT: {
      VARIANT converted;
      VariantInit(&converted);
      if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&v), 0, VT_I4))) return std::nullopt;
      return PropertyValue(static_cast<std::int32_t>(converted.lVal));
    }
    case VT_UI4: case VT_UINT:
      // OLE colours arrive unsigned; the core keeps them in 32 bits.
      return PropertyValue(static_cast<std::int32_t>(v.ulVal));
    case VT_BSTR:
      return PropertyValue(FromBstr(v.bstrVal));
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      FontRef font = FontFromOle(v.punkVal);
      if (!font) return std::nullopt;
      return PropertyValue(font);
    }
    default:
      return NumberFromVariant(v);
  }
}

HRESULT VariantFromValue(const PropertyValue& value, VARIANT& out) {
  VariantInit(&out);
  if (auto p = std::get_if<std::int32_t>(&value)) {
    out.vt = VT_I4;
    out.lVal = *p;
  } else if (auto d = std::get_if<double>(&value)) {
    out.vt = VT_R8;
    out.dblVal = *d;
  } else if (auto b = std::get_if<bool>(&value)) {
    out.vt = VT_BOOL;
    out.boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (auto s = std::get_if<std::u16string>(&value)) {
    out.vt = VT_BSTR;
    out.bstrVal = ToBstr(*s);
    if (!out.bstrVal) return E_OUTOFMEMORY;
  } else if (auto f = std::get_if<FontRef>(&value); f && *f) {
    IFontDisp* font = nullptr;
    HRESULT hr = CreateOleFont(**f, &font);
    if (FAILED(hr)) return hr;
    out.vt = VT_DISPATCH;
    out.pdispVal = font;
  } else {
    return S_FALSE;  // nothing to store
  }
  return S_OK;
}

std::optional<PropertyValue> ComPropertyBag::read(std::string_view key) const {
  std::wstring name = KeyName(key);
  VARIANT v;
  VariantInit(&v);
  if (FAILED(bag_->Read(name.c_str(), &v, log_))) return std::nullopt;
  auto value = ValueFromVariant(v);
  VariantClear(&v);
  return value;
}

void ComPropertyBag::write(std::string_view key, const PropertyValue& value) {
  VARIANT v;
  HRESULT hr = VariantFromValue(value, v);
  if (hr == S_OK) {
    std::wstring name = KeyName(key);
    hr = bag_->Write(name.c_str(), &v);
  }
  VariantClear(&v);
  if (FAILED(hr) && SUCCEEDED(writeStatus_)) writeStatus_ = hr;
}

}  // namespace glavo::server
