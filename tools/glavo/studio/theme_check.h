// The studio's strict reading of a skin theme string. The control reads any
// text leniently (a bad value becomes 0 or is skipped); the studio instead
// names every field that the control would not read as written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glavo::studio {

struct FieldProblem {
  int field = -1;     // 0..23, or -1 for the text as a whole
  int position = -1;  // 0..17 inside a record, or -1 for the whole field
  std::string message;
};

using Record = std::array<std::int32_t, 18>;  // CaptionShadow as 0 or 1

struct Theme {
  std::array<Record, 20> looks{};
  std::array<std::int32_t, 4> metrics{};  // TitleBarSize, BorderSize, ButtonSize, BackColor
};

struct ThemeCheck {
  std::vector<FieldProblem> problems;  // at most kMaxProblems
  std::optional<Theme> theme;          // set when there are no problems
};

inline constexpr std::size_t kMaxProblems = 40;

ThemeCheck CheckTheme(std::string_view text);
// One look on its own; its problems are added to `problems`.
std::optional<Record> CheckRecord(std::string_view text, std::vector<FieldProblem>& problems);

// The theme string of `theme`, as the control writes it.
std::string FormatTheme(const Theme& theme);
std::string FormatRecord(const Record& record);

}  // namespace glavo::studio
