#include "platform/win32/win32_dc.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win32/dib_info.h"
#include "platform/win32/win32_symbol_text.h"

namespace glavo::win32 {
namespace {

BITMAP SelectedBitmapInfo(HDC hdc) {
  BITMAP bm{};
  HGDIOBJ bitmap = GetCurrentObject(hdc, OBJ_BITMAP);
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof bm, &bm) == 0) bm = BITMAP{};
  return bm;
}

LOGFONTW ToLogFontW(const LogFont& lf) {
  LOGFONTW out{};
  out.lfHeight = lf.height;
  out.lfWidth = lf.width;
  out.lfEscapement = lf.escapement;
  out.lfOrientation = lf.orientation;
  out.lfWeight = lf.weight;
  out.lfItalic = lf.italic ? 1 : 0;
  out.lfUnderline = lf.underline ? 1 : 0;
  out.lfStrikeOut = lf.strikeOut ? 1 : 0;
  out.lfCharSet = lf.charSet;
  out.lfQuality = lf.quality;
  // Face names are ANSI in the font description; widen byte by byte as the
  // ANSI entry point would for the Latin range.
  const std::size_t n = std::min<std::size_t>(lf.faceName.size(), LF_FACESIZE - 1);
  for (std::size_t i = 0; i < n; ++i) {
    out.lfFaceName[i] = static_cast<WCHAR>(static_cast<unsigned char>(lf.faceName[i]));
  }
  return out;
}

const WCHAR* AsWide(std::u16string_view text) {
  static_assert(sizeof(WCHAR) == sizeof(char16_t));
  return text.empty() ? L"" : reinterpret_cast<const WCHAR*>(text.data());
}

}  // namespace

Win32Dc::Win32Dc(HDC hdc)
    : hdc_(hdc),
      originalPen_(GetCurrentObject(hdc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(hdc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(hdc, OBJ_FONT)) {}

Win32Dc::~Win32Dc() {
  SelectObject(hdc_, originalPen_);
  SelectObject(hdc_, originalBrush_);
  SelectObject(hdc_, originalFont_);
  if (pen_ != nullptr) DeleteObject(pen_);
  if (brushOwned_ && brush_ != nullptr) DeleteObject(brush_);
  for (HFONT font : fonts_) DeleteObject(font);
}

// A window's context draws on the window's client area; a memory context on
// its selected bitmap.
int Win32Dc::width() const {
  RECT client{};
  if (HWND window = WindowFromDC(hdc_); window != nullptr && GetClientRect(window, &client)) {
    return client.right - client.left;
  }
  return SelectedBitmapInfo(hdc_).bmWidth;
}

int Win32Dc::height() const {
  RECT client{};
  if (HWND window = WindowFromDC(hdc_); window != nullptr && GetClientRect(window, &client)) {
    return client.bottom - client.top;
  }
  return std::abs(SelectedBitmapInfo(hdc_).bmHeight);
}

void Win32Dc::replacePen(HPEN pen) {
  SelectObject(hdc_, pen);
  if (pen_ != nullptr) DeleteObject(pen_);
  pen_ = pen;
}

void Win32Dc::replaceBrush(HBRUSH brush, bool owned) {
  SelectObject(hdc_, brush);
  if (brushOwned_ && brush_ != nullptr) DeleteObject(brush_);
  brush_ = brush;
  brushOwned_ = owned;
}

void Win32Dc::setPen(Rgb color, int width) {
  HPEN pen = CreatePen(PS_SOLID, std::max(width, 0), color & 0xFFFFFFu);
  if (pen != nullptr) replacePen(pen);
}

void Win32Dc::setBrush(Rgb color, bool solid) {
  if (!solid) {
    replaceBrush(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
    return;
  }
  HBRUSH brush = CreateSolidBrush(color & 0xFFFFFFu);
  if (brush != nullptr) replaceBrush(brush, true);
}

void Win32Dc::moveTo(int x, int y) { MoveToEx(hdc_, x, y, nullptr); }
void Win32Dc::lineTo(int x, int y) { LineTo(hdc_, x, y); }

void Win32Dc::rectangle(int left, int top, int right, int bottom) {
  Rectangle(hdc_, left, top, right, bottom);
}

void Win32Dc::roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
  RoundRect(hdc_, left, top, right, bottom, ellipseWidth, ellipseHeight);
}

void Win32Dc::ellipse(int left, int top, int right, int bottom) {
  Ellipse(hdc_, left, top, right, bottom);
}

void Win32Dc::fillRect(const Rect& r, Rgb color) {
  HBRUSH brush = CreateSolidBrush(color & 0xFFFFFFu);
  if (brush == nullptr) return;
  const RECT rc{r.left, r.top, r.right, r.bottom};
  FillRect(hdc_, &rc, brush);
  DeleteObject(brush);
}

Rgb Win32Dc::getPixel(int x, int y) const { return GetPixel(hdc_, x, y); }

void Win32Dc::setPixel(int x, int y, Rgb color) { SetPixelV(hdc_, x, y, color & 0xFFFFFFu); }

BitmapHandle Win32Dc::selectedBitmap() const {
  return reinterpret_cast<BitmapHandle>(GetCurrentObject(hdc_, OBJ_BITMAP));
}

int Win32Dc::getDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                       void* bits) {
  if (startScan < 0 || lines <= 0) return 0;
  BITMAPINFO info = DibInfo(header.width, header.height, header.bitCount);
  return GetDIBits(hdc_, reinterpret_cast<HBITMAP>(bitmap), static_cast<UINT>(startScan),
                   static_cast<UINT>(lines), bits, &info, DIB_RGB_COLORS);
}

int Win32Dc::setDIBits(BitmapHandle bitmap, int startScan, int lines, const DibHeader& header,
                       const void* bits) {
  if (startScan < 0 || lines <= 0) return 0;
  const BITMAPINFO info = DibInfo(header.width, header.height, header.bitCount);
  return SetDIBits(hdc_, reinterpret_cast<HBITMAP>(bitmap), static_cast<UINT>(startScan),
                   static_cast<UINT>(lines), bits, &info, DIB_RGB_COLORS);
}

int Win32Dc::setDIBitsToDevice(int x, int y, int w, int h, int srcX, int srcY, int startScan,
                               int lines, const void* bits, const DibHeader& header) {
  if (w <= 0 || h <= 0 || startScan < 0 || lines <= 0) return 0;
  const BITMAPINFO info = DibInfo(header.width, header.height, header.bitCount);
  return SetDIBitsToDevice(hdc_, x, y, static_cast<DWORD>(w), static_cast<DWORD>(h), srcX, srcY,
                           static_cast<UINT>(startScan), static_cast<UINT>(lines), bits, &info,
                           DIB_RGB_COLORS);
}

int Win32Dc::setStretchBltMode(int mode) { return SetStretchBltMode(hdc_, mode); }

ColorAdjustment Win32Dc::getColorAdjustment() const {
  COLORADJUSTMENT ca{};
  ca.caSize = sizeof ca;
  // Where the system keeps no adjustment (Wine), report the neutral one.
  if (!GetColorAdjustment(hdc_, &ca)) return ColorAdjustment{};
  ColorAdjustment out;
  out.size = ca.caSize;
  out.flags = ca.caFlags;
  out.illuminantIndex = ca.caIlluminantIndex;
  out.redGamma = ca.caRedGamma;
  out.greenGamma = ca.caGreenGamma;
  out.blueGamma = ca.caBlueGamma;
  out.referenceBlack = ca.caReferenceBlack;
  out.referenceWhite = ca.caReferenceWhite;
  out.contrast = ca.caContrast;
  out.brightness = ca.caBrightness;
  out.colorfulness = ca.caColorfulness;
  out.redGreenTint = ca.caRedGreenTint;
  return out;
}

void Win32Dc::setColorAdjustment(const ColorAdjustment& in) {
  COLORADJUSTMENT ca{};
  ca.caSize = sizeof ca;
  ca.caFlags = in.flags;
  ca.caIlluminantIndex = in.illuminantIndex;
  ca.caRedGamma = in.redGamma;
  ca.caGreenGamma = in.greenGamma;
  ca.caBlueGamma = in.blueGamma;
  ca.caReferenceBlack = in.referenceBlack;
  ca.caReferenceWhite = in.referenceWhite;
  ca.caContrast = in.contrast;
  ca.caBrightness = in.brightness;
  ca.caColorfulness = in.colorfulness;
  ca.caRedGreenTint = in.redGreenTint;
  SetColorAdjustment(hdc_, &ca);
}

HDC Win32Dc::sourceHdc(DeviceContext& src) {
  auto* win = dynamic_cast<Win32Dc*>(&src);
  return win != nullptr ? win->hdc_ : nullptr;
}

bool Win32Dc::stretchBlt(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy,
                         int sw, int sh, std::uint32_t rop) {
  HDC from = sourceHdc(src);
  if (from == nullptr) return false;
  return StretchBlt(hdc_, dx, dy, dw, dh, from, sx, sy, sw, sh, rop) != FALSE;
}

bool Win32Dc::alphaBlend(int dx, int dy, int dw, int dh, DeviceContext& src, int sx, int sy,
                         int sw, int sh, const BlendFunction& blend) {
  HDC from = sourceHdc(src);
  if (from == nullptr) return false;
  const BLENDFUNCTION bf{blend.blendOp, blend.blendFlags, blend.constantAlpha, blend.alphaFormat};
  return AlphaBlend(hdc_, dx, dy, dw, dh, from, sx, sy, sw, sh, bf) != FALSE;
}

FontHandle Win32Dc::createFont(const LogFont& lf) {
  const LOGFONTW desc = ToLogFontW(lf);
  HFONT font = CreateFontIndirectW(&desc);
  if (font == nullptr) return 0;
  fonts_.insert(font);
  return reinterpret_cast<FontHandle>(font);
}

FontHandle Win32Dc::selectFont(FontHandle font) {
  if (font == 0) return 0;
  return reinterpret_cast<FontHandle>(SelectObject(hdc_, reinterpret_cast<HGDIOBJ>(font)));
}

bool Win32Dc::deleteFont(FontHandle font) {
  HFONT handle = reinterpret_cast<HFONT>(font);
  // Stock objects ignore DeleteObject, which reports success.
  if (handle != nullptr && handle == GetStockObject(SYSTEM_FONT)) return true;
  if (font == 0 || font == selectedFont()) return false;
  if (fonts_.erase(handle) == 0) return false;  // not ours: its owner deletes it
  return DeleteObject(handle) != FALSE;
}

FontHandle Win32Dc::selectedFont() const {
  return reinterpret_cast<FontHandle>(GetCurrentObject(hdc_, OBJ_FONT));
}

int Win32Dc::setGraphicsMode(int mode) { return SetGraphicsMode(hdc_, mode); }
Rgb Win32Dc::setTextColor(Rgb color) { return SetTextColor(hdc_, color & 0xFFFFFFu); }
int Win32Dc::setBkMode(int mode) { return SetBkMode(hdc_, mode); }
Rgb Win32Dc::setBkColor(Rgb color) { return SetBkColor(hdc_, color & 0xFFFFFFu); }

int Win32Dc::drawText(std::u16string_view text, Rect& rect, unsigned format) {
  if (const auto symbols = MissingSymbolFont(hdc_)) {
    return DrawSymbolText(hdc_, *symbols, text, rect, format);
  }
  RECT rc{rect.left, rect.top, rect.right, rect.bottom};
  const int height =
      DrawTextW(hdc_, AsWide(text), static_cast<int>(text.size()), &rc, format);
  rect = Rect{rc.left, rc.top, rc.right, rc.bottom};
  return height;
}

Size Win32Dc::textExtent(std::u16string_view text) {
  if (const auto symbols = MissingSymbolFont(hdc_)) return SymbolTextExtent(*symbols, text);
  SIZE size{};
  if (!GetTextExtentPoint32W(hdc_, AsWide(text), static_cast<int>(text.size()), &size)) {
    return Size{};
  }
  return Size{size.cx, size.cy};
}

TextMetrics Win32Dc::textMetrics() {
  if (const auto symbols = MissingSymbolFont(hdc_)) return symbols->metrics;
  TEXTMETRICW tm{};
  if (!GetTextMetricsW(hdc_, &tm)) return TextMetrics{};
  return TextMetrics{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading,
                     tm.tmAveCharWidth};
}

}  // namespace glavo::win32
