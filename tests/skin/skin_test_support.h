// Shared pieces of the skin scenario tests: a skinned form on the simulated
// desktop and a listener that records the public events in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "stage/skin_stage.h"

namespace glavo::test {

class EventLog final : public GlavoSkinEvents {
 public:
  void Click(SkinPartsGwr& p) override { Add("Click(" + std::to_string(p) + ")"); }
  void DblClick(SkinPartsGwr& p) override { Add("DblClick(" + std::to_string(p) + ")"); }
  void KeyDown(std::int16_t& k, std::int16_t& s) override {
    Add("KeyDown(" + std::to_string(k) + "," + std::to_string(s) + ")");
    if (onKeyDown) onKeyDown(k, s);
  }
  void KeyPress(std::int16_t& k) override { Add("KeyPress(" + std::to_string(k) + ")"); }
  void KeyUp(std::int16_t& k, std::int16_t& s) override {
    Add("KeyUp(" + std::to_string(k) + "," + std::to_string(s) + ")");
  }
  void MouseDown(SkinPartsGwr& p, std::int16_t& b, std::int16_t&, float&, float&) override {
    Add("MouseDown(" + std::to_string(p) + "," + std::to_string(b) + ")");
  }
  void MouseMove(SkinPartsGwr& p, std::int16_t&, std::int16_t&, float&, float&) override {
    Add("MouseMove(" + std::to_string(p) + ")");
  }
  void MouseUp(SkinPartsGwr& p, std::int16_t& b, std::int16_t&, float&, float&) override {
    Add("MouseUp(" + std::to_string(p) + "," + std::to_string(b) + ")");
  }

  // Events other than MouseMove, in order.
  std::vector<std::string> events;
  int mouseMoves = 0;
  std::function<void(std::int16_t&, std::int16_t&)> onKeyDown;
  // Called on each Click, with the part, before the skin acts on it.
  std::function<void(SkinPartsGwr)> onClick;

 private:
  void Add(const std::string& e) {
    if (e.rfind("MouseMove", 0) == 0) {
      ++mouseMoves;
      return;
    }
    events.push_back(e);
    if (onClick && e.rfind("Click(", 0) == 0) onClick(static_cast<SkinPartsGwr>(std::stoi(e.substr(6))));
  }
};

// A placed skin on an 800x600 form at (240, 150) of a 1280x800 screen with a
// 40-pixel taskbar, its first timer tick done.
class SkinScenario {
 public:
  explicit SkinScenario(Rect form = {240, 150, 1040, 750}) : stage(Size{1280, 800}, form) {
    stage.skin().setListener(&log);
    stage.place();
    stage.tick(20);
    log.events.clear();
  }

  GlavoSkin& skin() { return stage.skin(); }
  sim::SimForm& form() { return stage.form(); }
  sim::SimDesktop& desktop() { return stage.desktop(); }
  Rect formPixels() { return form().pixelBounds(); }
  Rect partBounds(SkinPartsGwr p) { return skin().part(p).surface().bounds(); }

  // Presses the left button at `from`, moves to each point, releases.
  void drag(Point from, std::initializer_list<Point> path) {
    desktop().moveCursor(from);
    desktop().pressButton(mouse::kLeft);
    for (Point p : path) desktop().moveCursor(p);
    desktop().releaseButton(mouse::kLeft);
  }
  void clickAt(Point p, std::int16_t button = mouse::kLeft) {
    desktop().moveCursor(p);
    desktop().click(button);
  }
  // Lets the pointer rest outside the form, then enter `p`, so hover polls count.
  void enter(Point p) {
    desktop().hover(Point{5, 5}, 5);
    desktop().hover(p, 5);
  }

  stage::SkinStage stage;
  EventLog log;
};

}  // namespace glavo::test
