// A cell on the simulated desktop, inside a form window, with an event
// recorder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cell/field_text.h"
#include "cell/glavo_cell.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"
#include "platform/sim/soft_gdi.h"

namespace glavo::testing {

class EventRecorder : public GlavoCellEvents {
 public:
  std::vector<std::string> events;
  std::int16_t rewriteButton = 0;  // MouseDown: replaces Button when non-zero

  void Click() override { events.push_back("Click"); }
  void DblClick() override { events.push_back("DblClick"); }
  void KeyDown(std::int16_t& k, std::int16_t& s) override { events.push_back("KeyDown " + std::to_string(k) + " " + std::to_string(s)); }
  void KeyPress(std::int16_t& k) override { events.push_back("KeyPress " + std::to_string(k)); }
  void KeyUp(std::int16_t& k, std::int16_t& s) override { events.push_back("KeyUp " + std::to_string(k) + " " + std::to_string(s)); }
  void MouseDown(std::int16_t& b, std::int16_t&, float&, float&) override {
    events.push_back("MouseDown " + std::to_string(b));
    if (rewriteButton != 0) b = rewriteButton;
  }
  void MouseMove(std::int16_t&, std::int16_t&, float& x, float& y) override {
    events.push_back("MouseMove " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
  }
  void MouseUp(std::int16_t& b, std::int16_t&, float&, float&) override { events.push_back("MouseUp " + std::to_string(b)); }
  void MouseIn() override { events.push_back("MouseIn"); }
  void MouseOut() override { events.push_back("MouseOut"); }
  void RightClick() override { events.push_back("RightClick"); }
  void RightDblClick() override { events.push_back("RightDblClick"); }

  std::vector<std::string> take() {
    auto out = std::move(events);
    events.clear();
    return out;
  }
};

// The form sits at (100, 100) on the screen; the cell at (10, 20) in it.
class CellTest : public ::testing::Test {
 protected:
  static constexpr int kFormX = 100, kFormY = 100, kCellX = 10, kCellY = 20;

  sim::SimDesktop desktop{800, 600};
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{kFormX, kFormY, kFormX + 400, kFormY + 300});
  std::unique_ptr<GlavoCell> cell;
  EventRecorder recorder;

  void SetUp() override { Make(60, 30); }

  void Make(int w, int h) {
    cell.reset();
    cell = std::make_unique<GlavoCell>(form->createChild());
    cell->InitProperties();
    cell->setListener(&recorder);
    cell->surface().move(kCellX, kCellY, w, h);
    cell->surface().setVisible(true);
  }
  sim::SimSurface& surface() { return static_cast<sim::SimSurface&>(cell->surface()); }
  Rgb At(int x, int y) { return raster::RgbFromPixel(surface().image().at(x, y)); }
  // A screen point inside the cell.
  Point Inside(int x = 5, int y = 5) const { return Point{kFormX + kCellX + x, kFormY + kCellY + y}; }
  Point Outside() const { return Point{5, 5}; }
  // A flat look: plain style 12 in one colour, no border, square corners.
  void Flat(Rgb color) {
    const std::u16string c = DecimalText(static_cast<std::int32_t>(color));
    cell->LoadCellTheme(u"", u"1##0##0##0##0##1##0##0##False##0##" + c + u"##" + c + u"##0##0##12##0##0##50");
  }
};

}  // namespace glavo::testing
