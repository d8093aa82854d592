#include "cell/cell_theme_record.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "cell/field_text.h"
#include "runtime/number_text.h"
#include "runtime/whole_file.h"

namespace glavo {

namespace {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The piece as a number, read as its numeric pieces are: blanks, tabs and
// line feeds are ignored wherever they stand, and the rest must be one
// number as a whole.
std::optional<double> WholePieceNumber(std::u16string_view piece) {
  std::u16string packed;
  for (char16_t c : piece) {
    if (c != u' ' && c != u'\t' && c != u'\n') packed.push_back(c);
  }
  return WholeNumber(packed);
}

std::filesystem::path PathOf(const std::u16string& fileName) { return std::filesystem::path(fileName); }

}  // namespace

std::vector<std::u16string> SplitRecord(std::u16string_view text) {
  return SplitAt(text, kRecordSeparator);
}

std::u16string JoinRecord(const std::vector<std::u16string>& pieces) {
  return JoinWith(pieces, kRecordSeparator);
}

std::u16string FormatRecordLong(std::int32_t value) { return DecimalText(value); }

std::u16string FormatRecordBool(bool value) { return value ? u"True" : u"False"; }

std::optional<bool> ParseRecordBool(std::u16string_view piece) {
  if (EqualsIgnoringCase(piece, u"true")) return true;
  if (EqualsIgnoringCase(piece, u"false")) return false;
  // A number too large for a double is an overflow, not True.
  if (auto number = WholePieceNumber(piece); number && std::isfinite(*number)) return *number != 0;
  return std::nullopt;
}

std::optional<std::u16string> ReadFirstLine(const std::u16string& fileName) {
  std::ifstream in(PathOf(fileName), std::ios::binary);
  if (!in) return std::nullopt;
  std::u16string line;
  char c = 0;
  while (in.get(c) && c != '\r') line.push_back(static_cast<unsigned char>(c));
  if (in.bad()) return std::nullopt;
  return line;
}

bool WriteLineFile(const std::u16string& fileName, std::u16string_view line) {
  std::string bytes;
  bytes.reserve(line.size() + 2);
  for (char16_t c : line) bytes.push_back(c < 256 ? static_cast<char>(c) : '?');
  bytes += "\r\n";
  return WriteWholeFile(PathOf(fileName), bytes);
}

}  // namespace glavo
