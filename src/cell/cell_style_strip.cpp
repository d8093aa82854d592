#include "cell/cell_style_strip.h"

namespace glavo {

void PaintStripCell(GlavoCell& cell, int index) {
  cell.InitProperties();
  cell.surface().move(0, 0, kStripCellWidth, kStripCellHeight);
  // Colours as a built-in look holds them, with a visible border and round
  // corners; no caption, so fonts play no part in the comparison.
  cell.LoadCellTheme(u"", u"6##4210752##16766876##8##8##3##1##16777215##False##0##12874308##"
                          u"7223300##16772054##14854232##0##0##0##50");
  if (index < kStripFillStyles) {
    cell.SetCellStyle(index);
  } else {
    cell.SetCellStyle(OptionNumber(CellFillStyle::kVertical));
    cell.SetBorderStyle(index - kStripFillStyles);
  }
  cell.surface().setVisible(true);
  cell.Refresh();
}

}  // namespace glavo
