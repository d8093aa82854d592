// glavo cell-sheet: a contact sheet of every fill style and border style,
// painted by real cells on the software host.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "raster/bitmap.h"
#include "raster/png_file.h"

namespace glavo::tool {

namespace {

constexpr int kColumns = 5;
constexpr int kCellW = 184;
constexpr int kCellH = 44;
constexpr int kGapX = 24;
constexpr int kGapY = 40;
constexpr int kMargin = 28;
constexpr int kHeader = 44;

struct Look {
  Rgb c1, c2, c3, c4, border1, border2, caption, shadow;
};

// A few palettes so the sheet shows how the styles take colour.
constexpr Look kLooks[] = {
    {MakeRgb(58, 110, 180), MakeRgb(22, 52, 104), MakeRgb(190, 215, 245), MakeRgb(96, 150, 220),
     MakeRgb(16, 36, 72), MakeRgb(150, 185, 230), MakeRgb(255, 255, 255), MakeRgb(10, 25, 50)},
    {MakeRgb(70, 70, 76), MakeRgb(24, 24, 28), MakeRgb(150, 150, 160), MakeRgb(90, 90, 100),
     MakeRgb(8, 8, 10), MakeRgb(120, 120, 130), MakeRgb(240, 240, 240), MakeRgb(0, 0, 0)},
    {MakeRgb(224, 120, 40), MakeRgb(150, 60, 10), MakeRgb(255, 210, 160), MakeRgb(240, 160, 80),
     MakeRgb(90, 40, 5), MakeRgb(250, 190, 120), MakeRgb(255, 255, 255), MakeRgb(80, 30, 0)},
    {MakeRgb(60, 150, 90), MakeRgb(20, 90, 45), MakeRgb(180, 230, 190), MakeRgb(100, 190, 130),
     MakeRgb(10, 60, 25), MakeRgb(150, 210, 170), MakeRgb(255, 255, 255), MakeRgb(5, 40, 15)},
};

void Label(sim::SimSurface& sheet, int x, int y, const std::u16string& text, int px, bool bold) {
  DeviceContext& dc = sheet.dc();
  LogFont lf;
  lf.height = -px;
  lf.weight = bold ? 700 : 400;
  lf.quality = 4;
  lf.faceName = "Arial";
  const FontHandle font = dc.createFont(lf);
  const FontHandle old = dc.selectFont(font);
  dc.setBkMode(kBkTransparent);
  dc.setTextColor(MakeRgb(60, 64, 72));
  Rect r{x, y, x + 900, y + px * 2};
  dc.drawText(text, r, dt::kLeft | dt::kSingleLine | dt::kNoPrefix);
  dc.selectFont(old);
  dc.deleteFont(font);
}

std::u16string Text(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::unique_ptr<GlavoCell> MakeCell(sim::SimSurface& sheet, int x, int y, const Look& look) {
  auto cell = std::make_unique<GlavoCell>(sheet.createChild());
  cell->InitProperties();
  cell->surface().setFont(MakeFont(u"Arial", 9.75f, true));
  cell->surface().move(x, y, kCellW, kCellH);
  cell->SetMaskColor(0);
  cell->SetCellColor1(look.c1);
  cell->SetCellColor2(look.c2);
  cell->SetCellColor3(look.c3);
  cell->SetCellColor4(look.c4);
  cell->SetBorderColor1(look.border1);
  cell->SetBorderColor2(look.border2);
  cell->SetCaptionColor(look.caption);
  cell->SetCaptionShadowColor(look.shadow);
  cell->SetCaptionShadow(true);
  cell->SetBorderRoundW(8);
  cell->SetBorderRoundH(8);
  return cell;
}

}  // namespace

int CellSheetCommand(int argc, char** argv) {
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if ((name == "-o" || name == "--output") && i + 1 < argc) {
      output = argv[++i];
    } else {
      std::fprintf(stderr, "glavo cell-sheet: %s: unknown option (usage: glavo cell-sheet -o out.png)\n", name.c_str());
      return 2;
    }
  }
  if (output.empty()) {
    std::fprintf(stderr, "glavo cell-sheet: -o: is required\n");
    return 2;
  }
  const int fillRows = (kCellFillStyleCount + kColumns - 1) / kColumns;
  const int width = 2 * kMargin + kColumns * kCellW + (kColumns - 1) * kGapX;
  const int height = kMargin + kHeader + fillRows * (kCellH + kGapY) + kHeader + 2 * (kCellH + kGapY) + kMargin;
  sim::SimDesktop desktop(width, height);
  auto sheet = desktop.createWindow(Rect{0, 0, width, height});
  sheet->setBackColor(MakeRgb(244, 245, 247));
  std::vector<std::unique_ptr<GlavoCell>> cells;
  int y = kMargin;
  Label(*sheet, kMargin, y, u"Fill styles (CellStyle 0 to 24)", 18, true);
  y += kHeader;
  for (int style = 0; style < kCellFillStyleCount; ++style) {
    const int x = kMargin + (style % kColumns) * (kCellW + kGapX);
    const int cy = y + (style / kColumns) * (kCellH + kGapY);
    auto cell = MakeCell(*sheet, x, cy, kLooks[(style / kColumns) % 4]);
    cell->SetCellStyle(style);
    // The pattern styles show their repeats only with a BlendSize above 1.
    const bool patterned = style >= OptionNumber(CellFillStyle::kRowBands);
    if (patterned) cell->SetBlendSize(6);
    cell->SetCaption(Text("Style " + std::to_string(style)));
    cell->surface().setVisible(true);
    Label(*sheet, x + 2, cy + kCellH + 6,
          Text("CellStyle " + std::to_string(style) + (patterned ? ", BlendSize 6" : "")), 12, false);
    cells.push_back(std::move(cell));
  }
  y += fillRows * (kCellH + kGapY);
  Label(*sheet, kMargin, y, u"Border styles (BorderStyle 0 to 7, BorderSize 3)", 18, true);
  y += kHeader;
  for (int style = 0; style < kCellBorderStyleCount; ++style) {
    const int x = kMargin + (style % kColumns) * (kCellW + kGapX);
    const int cy = y + (style / kColumns) * (kCellH + kGapY);
    auto cell = MakeCell(*sheet, x, cy, kLooks[0]);
    cell->SetCellStyle(OptionNumber(CellFillStyle::kVertical));
    cell->SetCellColor1(MakeRgb(236, 240, 246));
    cell->SetCellColor2(MakeRgb(200, 212, 228));
    cell->SetCaptionColor(MakeRgb(30, 40, 60));
    cell->SetCaptionShadow(false);
    cell->SetBorderColor1(MakeRgb(30, 70, 140));
    cell->SetBorderColor2(MakeRgb(150, 190, 240));
    cell->SetBorderSize(3);
    cell->SetBorderStyle(style);
    cell->SetCaption(Text("Border " + std::to_string(style)));
    cell->surface().setVisible(true);
    Label(*sheet, x + 2, cy + kCellH + 6, Text("BorderStyle " + std::to_string(style)), 12, false);
    cells.push_back(std::move(cell));
  }
  const raster::Bitmap image = desktop.composite(0xFFF4F5F7);
  if (!raster::SavePng(image, output, false)) {
    std::fprintf(stderr, "glavo cell-sheet: -o: cannot write '%s'\n", output.c_str());
    return 2;
  }
  return 0;
}

}  // namespace glavo::tool
