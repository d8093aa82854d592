// Checks of the canvas the control draws with on Windows: our raster for
// shapes and blits, GDI for text into a copy of the same pixels, and the
// hand-over to a window's device context; resizing is checked on both kinds
// of canvas.
#include "win32_checks.h"

#include <cstdint>
#include <string>

#include "platform/win32/memory_dc.h"
#include "platform/win32/raster_canvas.h"

namespace win32_check {
namespace {

using glavo::win32::MemoryDc;
using glavo::win32::RasterCanvas;

glavo::LogFont Face(const char* name, int height) {
  glavo::LogFont lf;
  lf.height = height;
  lf.quality = 4;
  lf.faceName = name;
  return lf;
}

// Stripes under the text, so a copy that lost or shifted pixels shows.
void PaintBackground(glavo::DeviceContext& dc) {
  for (int x = 0; x < dc.width(); x += 4) {
    dc.fillRect(glavo::Rect{x, 0, x + 2, dc.height()}, 0x3366CC);
    dc.fillRect(glavo::Rect{x + 2, 0, x + 4, dc.height()}, 0xF0E0D0);
  }
}

void DrawCaption(glavo::DeviceContext& dc, const char* face, int bkMode, glavo::Rect rect, unsigned format) {
  const glavo::FontHandle font = dc.createFont(Face(face, -15));
  const glavo::FontHandle previous = dc.selectFont(font);
  dc.setTextColor(0x102030);
  dc.setBkColor(0x80FF80);
  dc.setBkMode(bkMode);
  dc.drawText(u"Glavo Wrap \u0445 gj", rect, format);
  dc.selectFont(previous);
  dc.deleteFont(font);
}

// The pixels of both, top row first, alpha aside; the count that differ.
int Differing(MemoryDc& gdi, RasterCanvas& raster) {
  const std::uint32_t* a = gdi.shownPixels();
  const std::uint32_t* b = raster.shownPixels();
  int differing = 0;
  for (int i = 0; i < gdi.width() * gdi.height(); ++i) differing += ((a[i] ^ b[i]) & 0xFFFFFFu) != 0;
  return differing;
}

void CheckTextLikeGdi(Report report) {
  struct Case {
    const char* name;
    const char* face;
    int bkMode;
    unsigned format;
  };
  const Case cases[] = {
      {"raster.text-transparent-like-gdi", "Arial", glavo::kBkTransparent, glavo::dt::kCenter | glavo::dt::kVCenter | glavo::dt::kSingleLine},
      {"raster.text-opaque-like-gdi", "Tahoma", glavo::kBkOpaque, glavo::dt::kLeft | glavo::dt::kWordBreak},
      {"raster.text-noclip-like-gdi", "Arial", glavo::kBkTransparent, glavo::dt::kNoClip | glavo::dt::kSingleLine},
      {"raster.symbol-glyph-like-gdi", "Webdings", glavo::kBkTransparent, glavo::dt::kCenter | glavo::dt::kSingleLine},
  };
  // Equal to GDI, which clips to the rectangle unless told not to; and not
  // equal because neither drew anything.
  RasterCanvas blank(160, 40);
  PaintBackground(blank.dc());
  for (const Case& c : cases) {
    MemoryDc gdi(160, 40);
    RasterCanvas raster(160, 40);
    PaintBackground(gdi.dc());
    PaintBackground(raster.dc());
    DrawCaption(gdi.dc(), c.face, c.bkMode, glavo::Rect{10, 4, 70, 30}, c.format);
    DrawCaption(raster.dc(), c.face, c.bkMode, glavo::Rect{10, 4, 70, 30}, c.format);
    const int differing = Differing(gdi, raster);
    report(c.name, differing == 0 && Differing(gdi, blank) > 0, std::to_string(differing) + " pixels differ");
  }
}

void CheckScratchFollowsTheCanvas(Report report) {
  // Text first on a small canvas, then on a larger one: the copy the text is
  // drawn on grows with it, and text at the far end still appears.
  MemoryDc gdi(900, 120);
  RasterCanvas raster(40, 20);
  DrawCaption(raster.dc(), "Arial", glavo::kBkTransparent, glavo::Rect{0, 0, 40, 20}, 0);
  raster.resize(900, 120);
  PaintBackground(gdi.dc());
  PaintBackground(raster.dc());
  DrawCaption(gdi.dc(), "Arial", glavo::kBkOpaque, glavo::Rect{780, 90, 900, 120}, glavo::dt::kRight);
  DrawCaption(raster.dc(), "Arial", glavo::kBkOpaque, glavo::Rect{780, 90, 900, 120}, glavo::dt::kRight);
  const int differing = Differing(gdi, raster);
  report("raster.text-after-growing", differing == 0, std::to_string(differing) + " pixels differ");
}

// Both kinds of canvas: a resize gives the new size, cleared, and never
// less than one pixel. `name` prefixes each check's name.
void CheckResize(Report report, glavo::win32::WindowCanvas& canvas, const std::string& name) {
  canvas.dc().fillRect(glavo::Rect{0, 0, canvas.width(), canvas.height()}, 0xFFFFFF);
  canvas.resize(12, 9);
  report((name + "size").c_str(), canvas.width() == 12 && canvas.height() == 9 && canvas.dc().width() == 12 &&
                                      canvas.dc().height() == 9, "");
  const std::uint32_t* p = canvas.shownPixels();
  bool black = true;
  for (int i = 0; i < 12 * 9 && black; ++i) black = (p[i] & 0xFFFFFFu) == 0;
  report((name + "clears-to-black").c_str(), black, "");
  canvas.resize(0, -3);
  report((name + "keeps-one-pixel").c_str(), canvas.width() == 1 && canvas.height() == 1 && canvas.dc().width() == 1 &&
                                                 canvas.dc().height() == 1, "");
}

void CheckResizeBothKinds(Report report) {
  MemoryDc gdi(10, 10);
  RasterCanvas raster(10, 10);
  CheckResize(report, gdi, "resize.");
  CheckResize(report, raster, "raster.resize-");
}

// What a window's paint hands over: the area asked for, nothing else.
void CheckPresent(Report report) {
  RasterCanvas canvas(64, 48);
  PaintBackground(canvas.dc());
  canvas.dc().fillRect(glavo::Rect{20, 10, 30, 20}, 0x0000FF);
  MemoryDc target(64, 48);
  target.dc().fillRect(glavo::Rect{0, 0, 64, 48}, 0x00FF00);
  canvas.present(target.hdc(), RECT{16, 8, 40, 30});
  const std::uint32_t* shown = target.shownPixels();
  const std::uint32_t* drawn = canvas.shownPixels();
  int wrong = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const bool inside = x >= 16 && x < 40 && y >= 8 && y < 30;
      const std::uint32_t want = inside ? drawn[y * 64 + x] : 0x0000FF00u;
      wrong += ((shown[y * 64 + x] ^ want) & 0xFFFFFFu) != 0;
    }
  }
  report("raster.present-copies-the-area", wrong == 0, std::to_string(wrong) + " pixels wrong");
}

}  // namespace

void CheckRasterCanvas(Report report) {
  CheckTextLikeGdi(report);
  CheckScratchFollowsTheCanvas(report);
  CheckResizeBothKinds(report);
  CheckPresent(report);
}

}  // namespace win32_check
