// Resizing the form by each lower corner with real pointer input: the
// pointer is moved and the button pressed through SendInput, so the system
// itself generates the mouse messages, each measured from where the part is
// when the message is taken from the queue.
#include <cstdlib>
#include <string>

#include "activex_host.h"

namespace activex_host {
namespace {

// A lower corner, and the way the pointer moves to grow the form with it:
// the corners drag every edge a bar drags, and which part a point belongs
// to is the portable suites' (BorderDrag).
struct Border {
  const char* name;
  int dirX;  // -1: drags the left edge, 1: the right edge; both drag the bottom edge
};

constexpr Border kBorders[] = {{"LeftCorner", -1}, {"RightCorner", 1}};

// Long enough for every move to be handled on its own rather than folded
// into the next one.
constexpr int kSettleMs = 40;

void SendMouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // The centre of the pixel, in the 0..65535 range across the screen.
    input.mi.dx = MulDiv(2 * at.x + 1, 65536, 2 * GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(2 * at.y + 1, 65536, 2 * GetSystemMetrics(SM_CYSCREEN));
  }
  SendInput(1, &input, sizeof input);
  Pump(kSettleMs);
}

bool CursorAt(POINT at) {
  POINT cursor{};
  GetCursorPos(&cursor);
  return cursor.x == at.x && cursor.y == at.y;
}

// Wine moves the X server's pointer too; a motion event of the X pointer
// that still comes from before that move can put the cursor back, as no
// real pointer ever does. The move is made again until the cursor stays.
void PointerTo(POINT at) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
    if (CursorAt(at)) return;
  }
}

POINT Along(POINT from, const Border& b, int pixels) { return POINT{from.x + b.dirX * pixels, from.y + pixels}; }

// A screen point inside the part, one pixel in from the edges it drags.
POINT Grip(HWND control, const Border& b) {
  RECT client{};
  GetClientRect(control, &client);
  POINT p{b.dirX < 0 ? 1 : client.right - 2, client.bottom - 2};
  ClientToScreen(control, &p);
  return p;
}

// How far the dragged edges moved outwards, across and down.
struct Growth {
  int x = 0, y = 0;
};

Growth GrowthOf(const Border& b, const RECT& start, const RECT& now) {
  return Growth{b.dirX > 0 ? now.right - start.right : start.left - now.left, now.bottom - start.bottom};
}

// The edges the part does not drag stay where they were.
bool OtherEdgesStay(const Border& b, const RECT& start, const RECT& now) {
  return now.top == start.top && (b.dirX < 0 ? now.right == start.right : now.left == start.left);
}

// One press-move-release on a border part of the form at `start`.
class Drag {
 public:
  Drag(HWND form, HWND control, const RECT& start, const Border& b) : form_(form), border_(b) {
    PointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, 2});
    SetWindowPos(form, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top,
                 SWP_NOZORDER);
    Pump(200);
    grip_ = Grip(control, b);
    PointerTo(grip_);
    // A press soon after the previous drag's at the same place would be
    // taken as a double click, which starts no drag.
    Pump(static_cast<int>(GetDoubleClickTime()) + 100);
    // The parts have no windows: the control's window takes the press and
    // hands it to the part under the pointer.
    const bool controlUnder = WindowFromPoint(grip_) == control;
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!controlUnder) trouble_ += " the control is not under the grip";
    if (cursor.x != grip_.x || cursor.y != grip_.y) trouble_ += " the pointer is not at the grip";
    if (GetCapture() != control) trouble_ += " the press did not reach the control";
  }
  ~Drag() { SendMouse(MOUSEEVENTF_LEFTUP); }
  Drag(const Drag&) = delete;
  Drag& operator=(const Drag&) = delete;

  // `count` moves of `pixels` each (negative: shrinking), with the button down.
  RECT Steps(int count, int pixels) {
    for (int i = 0; i < count; ++i) {
      offset_ += pixels;
      PointerTo(Along(grip_, border_, offset_));
    }
    // Under Wine a motion event of the X pointer can come late, after the
    // form has come to rest, and put the cursor back, or reach the control
    // measured from where a moving form's window was before the step; no
    // real pointer does either. The hand resting at the end of the drag
    // reports its place once more, as many times as that happens (a few at
    // most). A control that lost a move's distance stays short: the extra
    // report at an unchanged place asks for no movement of its own.
    const POINT end = Along(grip_, border_, offset_);
    RECT settled = SettledRect();
    for (int attempt = 0; attempt < 3; ++attempt) {
      const RECT before = settled;
      PointerTo(end);
      settled = SettledRect();
      if (EqualRect(&before, &settled) && CursorAt(end)) break;
    }
    return settled;
  }
  // The form once the last move has been handled: on a loaded machine the
  // input can still be on its way after the settling pause. A form that
  // does not follow stays where it is and is reported as such.
  RECT SettledRect() const {
    RECT last = ScreenRect(form_);
    for (int wait = 0, still = 0; wait < 25 && still < 3; ++wait) {
      Pump(kSettleMs);
      const RECT now = ScreenRect(form_);
      still = EqualRect(&now, &last) ? still + 1 : 0;
      last = now;
    }
    return last;
  }
  // What kept the input from being real, or "".
  const std::string& trouble() const { return trouble_; }

 private:
  HWND form_;
  Border border_;
  POINT grip_{};
  int offset_ = 0;
  std::string trouble_;
};

// `count` moves of `pixels` each grow the dragged edges by their sum, within
// `slack` pixels, and leave the other edges where they were.
void CheckMoves(Report& report, HWND form, HWND control, const RECT& start, const Border& b, const char* kind,
                int count, int pixels, int slack) {
  Drag drag(form, control, start, b);
  const RECT now = drag.Steps(count, pixels);
  const Growth g = GrowthOf(b, start, now);
  const int want = count * pixels;
  const bool ok = drag.trouble().empty() && std::abs(g.x - want) <= slack && std::abs(g.y - want) <= slack &&
                  OtherEdgesStay(b, start, now);
  report.check((std::string("drag_") + b.name + "_" + kind).c_str(), ok,
               std::to_string(count) + " x " + std::to_string(pixels) + " px grew " + std::to_string(g.x) + " x " +
                   std::to_string(g.y) + " px, form " + RectText(now) + drag.trouble());
}

}  // namespace

void CheckRealDrags(Report& report, HWND form, HWND control) {
  SetForegroundWindow(form);
  const RECT start = ScreenRect(form);
  for (const Border& b : kBorders) {
    // Many small moves keep the edge with the pointer; one large move grows
    // by exactly its distance.
    CheckMoves(report, form, control, start, b, "small_moves", 12, 5, 1);
    CheckMoves(report, form, control, start, b, "large_move", 1, 50, 0);
  }
  SetWindowPos(form, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top, SWP_NOZORDER);
  Pump(200);
}

}  // namespace activex_host
