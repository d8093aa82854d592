// The framework's rule for Click and DblClick, one for every input path: a
// release raises Click when the press before it was on the same surface,
// the release is inside that surface, and the press was not the second of
// a double click (that press raises DblClick instead). Every button clicks;
// which button it was is the control's business (a cell keeps the kind of
// click it reports from its last left or right press).
#pragma once

namespace glavo {

class ClickTracker {
 public:
  // A press on the surface; true when it raises DblClick.
  bool press(bool secondOfDouble);
  // The release; true when it raises Click.
  bool release(bool inside);
  // The press no longer counts (the surface lost the pointer's capture).
  void cancel() { armed_ = afterDouble_ = false; }
  bool pressed() const { return armed_; }

 private:
  bool armed_ = false;
  bool afterDouble_ = false;
};

}  // namespace glavo
