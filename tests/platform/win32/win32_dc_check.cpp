// glavo-win32-check [scene OUT.bgra TILES.txt]: checks of the Win32
// backend that need real GDI, run under Wine by the native test suite.
// Prints "ok <name>" or "FAIL <name>: <detail>" per check and exits with the
// number of failures. Shapes, pens, brushes and DIB transfers go straight
// to GDI: the scene it draws first when asked (compared in
// tests/wine/win32_gdi_test.cpp) holds their pixels.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/memory_dc.h"
#include "platform/win32/win32_color_table.h"
#include "platform/win32/win32_dc.h"
#include "win32_checks.h"

namespace {

using glavo::win32::MemoryDc;
using glavo::win32::Win32Dc;

int failures = 0;

void Report(const char* name, bool ok, const std::string& detail = {}) {
  if (ok) {
    std::printf("ok %s\n", name);
  } else {
    ++failures;
    std::printf("FAIL %s: %s\n", name, detail.c_str());
  }
}

glavo::LogFont Arial13() {
  glavo::LogFont lf;
  lf.height = -13;
  lf.quality = 4;
  lf.faceName = "Arial";
  return lf;
}

void CheckFontLifetime() {
  MemoryDc canvas(8, 8);
  glavo::DeviceContext& dc = canvas.dc();
  const glavo::FontHandle stock = dc.selectedFont();
  const glavo::FontHandle font = dc.createFont(Arial13());
  Report("font.created", font != 0 && GetObjectType(reinterpret_cast<HGDIOBJ>(font)) == OBJ_FONT);
  Report("font.select-returns-previous", dc.selectFont(font) == stock);
  Report("font.selected-refuses-delete", !dc.deleteFont(font));
  Report("font.still-alive", GetObjectType(reinterpret_cast<HGDIOBJ>(font)) == OBJ_FONT);
  dc.selectFont(stock);
  Report("font.deselected-deletes", dc.deleteFont(font));
  Report("font.gone", GetObjectType(reinterpret_cast<HGDIOBJ>(font)) == 0);
  Report("font.second-delete-refused", !dc.deleteFont(font));
  Report("font.null-refused", !dc.deleteFont(0));
  Report("font.stock-delete-is-harmless",
         dc.deleteFont(reinterpret_cast<glavo::FontHandle>(GetStockObject(SYSTEM_FONT))) &&
             GetObjectType(GetStockObject(SYSTEM_FONT)) == OBJ_FONT);
}

void CheckObjectsAreReleased() {
  HGDIOBJ pen = nullptr, brush = nullptr, font = nullptr, firstPen = nullptr;
  HDC hdc = CreateCompatibleDC(nullptr);
  const HGDIOBJ originalPen = GetCurrentObject(hdc, OBJ_PEN);
  {
    Win32Dc dc(hdc);
    dc.setPen(0x0000FF, 3);
    firstPen = GetCurrentObject(hdc, OBJ_PEN);
    dc.setPen(0x00FF00, 1);
    pen = GetCurrentObject(hdc, OBJ_PEN);
    Report("pen.replaced-is-deleted", GetObjectType(firstPen) == 0);
    dc.setBrush(0xFF0000, true);
    brush = GetCurrentObject(hdc, OBJ_BRUSH);
    dc.selectFont(dc.createFont(Arial13()));  // left selected on purpose
    font = GetCurrentObject(hdc, OBJ_FONT);
  }
  Report("dc.restores-original-pen", GetCurrentObject(hdc, OBJ_PEN) == originalPen);
  Report("dc.deletes-its-pen", GetObjectType(pen) == 0);
  Report("dc.deletes-its-brush", GetObjectType(brush) == 0);
  Report("dc.deletes-its-fonts", GetObjectType(font) == 0);
  DeleteDC(hdc);
}

void CheckText() {
  MemoryDc canvas(200, 60);
  glavo::DeviceContext& dc = canvas.dc();
  const glavo::FontHandle font = dc.createFont(Arial13());
  const glavo::FontHandle previous = dc.selectFont(font);
  const glavo::TextMetrics tm = dc.textMetrics();
  Report("textMetrics.arial-13", tm.height >= 13 && tm.height <= 17 && tm.ascent > tm.descent,
         std::to_string(tm.height));
  const glavo::Size wide = dc.textExtent(u"WWWW");
  const glavo::Size narrow = dc.textExtent(u"iiii");
  // DrawText measures a single line through its own path: both must agree.
  glavo::Rect line{0, 0, 0, 0};
  dc.drawText(u"WWWW", line, glavo::dt::kSingleLine | glavo::dt::kCalcRect);
  Report("textExtent.widths", wide.cx == line.right && wide.cx > narrow.cx && narrow.cx > 0 && wide.cy == tm.height,
         std::to_string(wide.cx) + " against " + std::to_string(line.right));
  glavo::Rect box{10, 5, 60, 5};
  const int height = dc.drawText(u"one two three four", box,
                                 glavo::dt::kWordBreak | glavo::dt::kCalcRect);
  Report("drawText.calcrect-wraps", box.bottom - box.top == height && height >= 2 * tm.height &&
                                        box.right <= 60,
         std::to_string(height));
  dc.selectFont(previous);
  dc.deleteFont(font);
}

void CheckColorAdjustment() {
  MemoryDc canvas(4, 4);
  glavo::DeviceContext& dc = canvas.dc();
  // Whether or not the system keeps a record, reading one gives a usable,
  // neutral adjustment that a brightness change can start from.
  const glavo::ColorAdjustment ca = dc.getColorAdjustment();
  Report("coloradjust.neutral", ca.size == 24 && ca.redGamma == 10000 && ca.brightness == 0 &&
                                    ca.referenceWhite == 10000,
         std::to_string(ca.size) + " " + std::to_string(ca.redGamma));
  Report("stretchmode.returns-previous", dc.setStretchBltMode(glavo::kStretchHalftone) != 0 &&
                                             dc.setStretchBltMode(glavo::kStretchColorOnColor) ==
                                                 glavo::kStretchHalftone);
}

void CheckColorTable() {
  glavo::win32::Win32ColorTable colors;
  glavo::Rgb out = 0x123;
  Report("color.rgb-passes", colors.translate(0x00336699, out) && out == 0x00336699);
  Report("color.system", colors.translate(0x8000000F, out) && out == GetSysColor(COLOR_BTNFACE));
  out = 0x123;
  Report("color.invalid-refused", !colors.translate(0x80FFFFFF, out) && out == 0x123);
}

}  // namespace

int main(int argc, char** argv) {
  const bool scene = argc == 4 && std::string(argv[1]) == "scene";
  if (argc != 1 && !scene) return 2;
  if (scene) win32_check::WriteScene(&Report, argv[2], argv[3]);
  CheckFontLifetime();
  CheckObjectsAreReleased();
  CheckText();
  CheckColorAdjustment();
  CheckColorTable();
  win32_check::CheckRasterCanvas(&Report);
  win32_check::CheckWholeFile(&Report);
  std::printf("done %d\n", failures);
  return failures;
}
