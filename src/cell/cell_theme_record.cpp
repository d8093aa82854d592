#include "cell/cell_theme_record.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#include "cell/leading_number.h"

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

// Whether the piece is a number as a whole (blanks allowed), which is what
// a Boolean conversion accepts besides the two words.
bool IsWholeNumber(std::u16string_view piece) {
  std::string ascii;
  for (char16_t c : piece) {
    if (c == u' ' || c == u'\t') continue;
    if (c > 127) return false;
    ascii.push_back(static_cast<char>(c));
  }
  if (ascii.empty()) return false;
  char* end = nullptr;
  std::strtod(ascii.c_str(), &end);
  return end == ascii.c_str() + ascii.size();
}

std::filesystem::path PathOf(const std::u16string& fileName) { return std::filesystem::path(fileName); }

}  // namespace

std::vector<std::u16string> SplitRecord(std::u16string_view text) {
  std::vector<std::u16string> pieces;
  if (text.empty()) return pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(kRecordSeparator, start);
    if (at == std::u16string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, at - start));
    start = at + kRecordSeparator.size();
  }
}

std::u16string JoinRecord(const std::vector<std::u16string>& pieces) {
  std::u16string out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) out += kRecordSeparator;
    out += pieces[i];
  }
  return out;
}

std::u16string FormatRecordLong(std::int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string FormatRecordBool(bool value) { return value ? u"True" : u"False"; }

std::optional<bool> ParseRecordBool(std::u16string_view piece) {
  if (EqualsIgnoringCase(piece, u"true")) return true;
  if (EqualsIgnoringCase(piece, u"false")) return false;
  if (IsWholeNumber(piece)) return LeadingNumber(piece) != 0;
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
  const std::filesystem::path target = PathOf(fileName);
  std::filesystem::path temp = target;
  temp += ".tmp" + std::to_string(std::random_device{}());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (char16_t c : line) out.put(c < 256 ? static_cast<char>(c) : '?');
    out.write("\r\n", 2);
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    // Some platforms refuse to rename over an existing file.
    std::error_code removeError;
    if (std::filesystem::is_regular_file(target, removeError)) {
      std::filesystem::remove(target, removeError);
      ec.clear();
      std::filesystem::rename(temp, target, ec);
    }
  }
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace glavo
