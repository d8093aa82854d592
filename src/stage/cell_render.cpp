#include "stage/cell_render.h"

#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"

namespace glavo::stage {

raster::Bitmap RenderCell(const CellRenderOptions& o) {
  sim::SimDesktop desktop(o.width, o.height);
  auto form = desktop.createWindow(Rect{0, 0, o.width, o.height});
  GlavoCell cell(form->createChild());
  cell.InitProperties();
  if (o.font) cell.surface().setFont(o.font);
  cell.surface().move(0, 0, o.width, o.height);
  if (o.caption) cell.SetCaption(*o.caption);
  if (o.symbol) {
    cell.SetSymbolNo(*o.symbol);
    cell.SetSymbolDraw(true);
  }
  // The record is the look of the chosen state; switching to that state
  // applies it.
  if (o.state == 0) cell.SetCellStateNormalData(o.record);
  if (o.state == 1) cell.SetCellStateOverData(o.record);
  if (o.state == 2) cell.SetCellStateDownData(o.record);
  cell.surface().setVisible(true);
  cell.SetCellState(o.state);
  // After the record, which carries a flip of its own.
  if (o.flip) cell.SetFlipCell(*o.flip);
  return static_cast<sim::SimSurface&>(cell.surface()).imageWithMask();
}

}  // namespace glavo::stage
