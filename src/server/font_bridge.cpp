#include "server/font_bridge.h"

#include <cmath>

#include "server/bstr.h"

namespace glavo::server {

HRESULT CreateOleFont(const FontObject& font, IFontDisp** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  std::wstring name = ToWide(font.name);
  FONTDESC desc = {};
  desc.cbSizeofstruct = sizeof(desc);
  desc.lpstrName = name.data();
  // Point sizes travel as currency: 1/10000 of a point.
  desc.cySize.int64 = std::llround(static_cast<double>(font.size) * 10000.0);
  desc.sWeight = static_cast<SHORT>(font.bold ? FW_BOLD : FW_NORMAL);
  desc.sCharset = font.charset;
  desc.fItalic = font.italic;
  desc.fUnderline = font.underline;
  desc.fStrikethrough = font.strikethrough;
  return OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(out));
}

FontRef FontFromOle(IUnknown* object) {
  if (!object) return nullptr;
  Microsoft::WRL::ComPtr<IFont> font;
  if (FAILED(object->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.GetAddressOf())))) {
    return nullptr;
  }
  auto result = std::make_shared<FontObject>();
  BSTR name = nullptr;
  if (SUCCEEDED(font->get_Name(&name))) {
    result->name = FromBstr(name);
    SysFreeString(name);
  }
  CY size = {};
  if (SUCCEEDED(font->get_Size(&size))) result->size = static_cast<float>(size.int64 / 10000.0);
  BOOL flag = FALSE;
  if (SUCCEEDED(font->get_Bold(&flag))) result->bold = flag != FALSE;
  if (SUCCEEDED(font->get_Italic(&flag))) result->italic = flag != FALSE;
  if (SUCCEEDED(font->get_Underline(&flag))) result->underline = flag != FALSE;
  if (SUCCEEDED(font->get_Strikethrough(&flag))) result->strikethrough = flag != FALSE;
  SHORT charset = 0;
  if (SUCCEEDED(font->get_Charset(&charset))) result->charset = charset;
  return result;
}

}  // namespace glavo::server
