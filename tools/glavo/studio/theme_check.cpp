#include "theme_check.h"

#include <charconv>

#include "theme_fields.h"

namespace glavo::studio {
namespace {

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      pieces.push_back(text.substr(start));
      return pieces;
    }
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 24;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  return "'" + shown + "'";
}

// Plain decimal as the control writes it: an optional minus and digits.
std::optional<std::int64_t> Decimal(std::string_view text) {
  if (text.empty() || text.size() > 12 || text[0] == '+') return std::nullopt;
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int32_t> Boolean(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (lower == "true") return 1;
  if (lower == "false") return 0;
  return std::nullopt;
}

// The value of one field, or the sentence that says what is wrong with it.
std::optional<std::int32_t> ReadValue(std::string_view text, std::string_view name, FieldKind kind,
                                      std::int64_t min, std::int64_t max, std::string& problem) {
  if (kind == FieldKind::kBool) {
    if (auto b = Boolean(text)) return b;
    problem = std::string(name) + " must be True or False, not " + Quoted(text);
    return std::nullopt;
  }
  const auto value = Decimal(text);
  if (kind == FieldKind::kColor) {
    if (value && IsKnownColor(*value)) return static_cast<std::int32_t>(*value);
    problem = std::string(name) + " must be a colour from 0 to 16777215 or a system colour, not " +
              Quoted(text);
    return std::nullopt;
  }
  if (value && *value >= min && *value <= max) return static_cast<std::int32_t>(*value);
  problem = std::string(name) + " must be a whole number from " + std::to_string(min) + " to " +
            std::to_string(max) + ", not " + Quoted(text);
  return std::nullopt;
}

std::string LookName(int field) {
  return std::string(kLookSlots[field].label) + " (" + std::string(kLookSlots[field].state) + ")";
}

// Reads the eighteen values of a look into `record`; problems go to `problems`
// with `prefix` before each message.
void ReadRecord(std::string_view text, int field, const std::string& prefix, Record& record,
                std::vector<FieldProblem>& problems) {
  const auto pieces = Split(text, "##");
  if (pieces.size() != record.size()) {
    problems.push_back({field, -1, prefix + "has " + std::to_string(pieces.size()) +
                                       " values joined by ##; a look has 18"});
    return;
  }
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    const FieldInfo& info = kRecordFieldInfo[p];
    std::string problem;
    if (auto v = ReadValue(pieces[p], info.name, info.kind, info.min, info.max, problem)) {
      record[p] = *v;
    } else {
      problems.push_back({field, static_cast<int>(p), prefix + problem});
    }
  }
}

}  // namespace

ThemeCheck CheckTheme(std::string_view text) {
  ThemeCheck check;
  if (text.empty()) {
    check.problems.push_back({-1, -1, "the theme string is empty"});
    return check;
  }
  const auto fields = Split(text, "#$#");
  if (fields.size() != 24) {
    check.problems.push_back(
        {-1, -1, "a theme string has 24 fields joined by #$#; this text has " + std::to_string(fields.size())});
    return check;
  }
  Theme theme;
  for (int f = 0; f < 20; ++f) ReadRecord(fields[f], f, LookName(f) + ": ", theme.looks[f], check.problems);
  for (int m = 0; m < 4; ++m) {
    const MetricInfo& info = kMetricInfo[m];
    std::string problem;
    if (auto v = ReadValue(fields[20 + m], info.name, info.kind, info.min, info.max, problem)) {
      theme.metrics[m] = *v;
    } else {
      check.problems.push_back({20 + m, -1, problem});
    }
  }
  if (check.problems.size() > kMaxProblems) check.problems.resize(kMaxProblems);
  if (check.problems.empty()) check.theme = theme;
  return check;
}

std::optional<Record> CheckRecord(std::string_view text, std::vector<FieldProblem>& problems) {
  Record record{};
  const std::size_t before = problems.size();
  ReadRecord(text, -1, "", record, problems);
  if (problems.size() != before) return std::nullopt;
  return record;
}

std::string FormatRecord(const Record& record) {
  std::string out;
  for (std::size_t p = 0; p < record.size(); ++p) {
    if (p != 0) out += "##";
    if (kRecordFieldInfo[p].kind == FieldKind::kBool) out += record[p] ? "True" : "False";
    else out += std::to_string(record[p]);
  }
  return out;
}

std::string FormatTheme(const Theme& theme) {
  std::string out;
  for (const Record& r : theme.looks) out += FormatRecord(r) + "#$#";
  for (std::size_t m = 0; m < theme.metrics.size(); ++m) {
    if (m != 0) out += "#$#";
    out += std::to_string(theme.metrics[m]);
  }
  return out;
}

}  // namespace glavo::studio
