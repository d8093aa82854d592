// What the studio knows about the fields of a skin theme string: the name,
// kind, range and meaning of each of a record's eighteen values, the twenty
// looks in the order the string holds them, and the four numbers after them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace glavo::studio {

enum class FieldKind { kNumber, kColor, kBool, kFillStyle, kBorderStyle };

struct FieldInfo {
  std::string_view name;
  FieldKind kind;
  std::int64_t min;  // numbers only; colours and Booleans have their own rules
  std::int64_t max;
  std::string_view meaning;
};

inline constexpr std::array<FieldInfo, 18> kRecordFieldInfo = {{
    {"BlendSize", FieldKind::kNumber, 0, 100, "divisor of the fill's gradient steps (0 acts as 1)"},
    {"BorderColor1", FieldKind::kColor, 0, 0, "outer border colour"},
    {"BorderColor2", FieldKind::kColor, 0, 0, "inner border colour"},
    {"BorderRoundH", FieldKind::kNumber, 0, 1000, "height of the corner ellipse, pixels"},
    {"BorderRoundW", FieldKind::kNumber, 0, 1000, "width of the corner ellipse, pixels"},
    {"BorderSize", FieldKind::kNumber, 0, 50, "border width in pixels and its gradient steps"},
    {"BorderStyle", FieldKind::kBorderStyle, 0, 7, "how the border is drawn"},
    {"CaptionColor", FieldKind::kColor, 0, 0, "caption text and glyph colour"},
    {"CaptionShadow", FieldKind::kBool, 0, 1, "the caption casts a shadow"},
    {"CaptionShadowColor", FieldKind::kColor, 0, 0, "colour of the caption's shadow"},
    {"CellColor1", FieldKind::kColor, 0, 0, "first fill colour"},
    {"CellColor2", FieldKind::kColor, 0, 0, "second fill colour"},
    {"CellColor3", FieldKind::kColor, 0, 0, "third fill colour (highlights)"},
    {"CellColor4", FieldKind::kColor, 0, 0, "fourth fill colour (highlights)"},
    {"CellStyle", FieldKind::kFillStyle, 0, 24, "the fill recipe"},
    {"FlipCell", FieldKind::kNumber, 0, 3, "0 upright, 1 mirrored left to right, 2 top to bottom, 3 both"},
    {"MaskColor", FieldKind::kColor, 0, 0, "colour behind the rounded corners"},
    {"SplitSize", FieldKind::kNumber, 0, 100, "where the fill splits, percent of the height"},
}};

// Record positions (from 0) the studio reads itself.
inline constexpr int kPosCaptionColor = 7;
inline constexpr int kPosCellColor1 = 10;

struct MetricInfo {
  std::string_view name;
  FieldKind kind;
  std::int64_t min;
  std::int64_t max;
  std::string_view meaning;
};

// Fields 20 to 23; the ranges are the ones the control's lets clamp to.
inline constexpr std::array<MetricInfo, 4> kMetricInfo = {{
    {"TitleBarSize", FieldKind::kNumber, 6, 100, "height of the title bar, pixels"},
    {"BorderSize", FieldKind::kNumber, 1, 20, "thickness of the borders and corners, pixels"},
    {"ButtonSize", FieldKind::kNumber, 14, 100, "width and height of the caption buttons, pixels"},
    {"BackColor", FieldKind::kColor, 0, 0, "the control's own background colour"},
}};

struct LookSlot {
  std::string_view part;   // short part name, as the render's hover takes it
  std::string_view label;  // what the page shows
  std::string_view state;  // "normal", "over" or "down"
};

inline constexpr std::array<LookSlot, 20> kLookSlots = {{
    {"title", "Title bar", "normal"},       {"right", "Right border", "normal"},
    {"left", "Left border", "normal"},      {"bottom", "Bottom border", "normal"},
    {"rightcorner", "Right corner", "normal"}, {"leftcorner", "Left corner", "normal"},
    {"back", "Background", "normal"},       {"close", "Close button", "normal"},
    {"max", "Maximize button", "normal"},   {"min", "Minimize button", "normal"},
    {"help", "Help button", "normal"},      {"icon", "Icon", "normal"},
    {"close", "Close button", "over"},      {"max", "Maximize button", "over"},
    {"min", "Minimize button", "over"},     {"help", "Help button", "over"},
    {"close", "Close button", "down"},      {"max", "Maximize button", "down"},
    {"min", "Minimize button", "down"},     {"help", "Help button", "down"},
}};

// The names of the system colours the host knows, by index (0x800000nn);
// an empty name is an index without a colour.
inline constexpr std::array<std::string_view, 31> kSystemColorNames = {
    "Scroll bar",         "Desktop",           "Active title bar",   "Inactive title bar",
    "Menu",               "Window",            "Window frame",       "Menu text",
    "Window text",        "Title bar text",    "Active border",      "Inactive border",
    "Application workspace", "Highlight",      "Highlight text",     "Button face",
    "Button shadow",      "Grey text",         "Button text",        "Inactive title text",
    "Button highlight",   "3D dark shadow",    "3D light",           "Tooltip text",
    "Tooltip background", "",                  "Hot-tracked item",   "Active title gradient",
    "Inactive title gradient", "Menu highlight", "Menu bar"};

// An OLE colour the control can show: RGB, or a system colour the host
// knows (0x800000nn).
bool IsKnownColor(std::int64_t value);

}  // namespace glavo::studio
