#include "skin/leading_number.h"

#include <cmath>
#include <string>

#include "graphics/rounding.h"

namespace glavo {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The text without its blanks: they are ignored wherever they stand.
std::u16string Squeeze(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    if (!IsBlank(c)) out.push_back(c);
  }
  return out;
}

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 99;
}

double ReadRadix(const std::u16string& s, std::size_t pos, int radix) {
  double value = 0;
  for (; pos < s.size() && DigitValue(s[pos]) < radix; ++pos) value = value * radix + DigitValue(s[pos]);
  return value;
}

double ReadDecimal(const std::u16string& s) {
  std::string ascii;
  std::size_t pos = 0;
  auto take = [&](auto accept) {
    while (pos < s.size() && accept(s[pos])) ascii.push_back(static_cast<char>(s[pos++]));
  };
  auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ascii.push_back(static_cast<char>(s[pos++]));
  std::size_t digitsStart = ascii.size();
  take(isDigit);
  if (pos < s.size() && s[pos] == u'.') {
    ascii.push_back('.');
    ++pos;
    take(isDigit);
  }
  bool anyDigit = ascii.find_first_of("0123456789", digitsStart) != std::string::npos;
  if (!anyDigit) return 0;
  if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E' || s[pos] == u'd' || s[pos] == u'D')) {
    std::size_t save = pos;
    std::string exponent = "e";
    ++pos;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) exponent.push_back(static_cast<char>(s[pos++]));
    bool expDigits = false;
    while (pos < s.size() && isDigit(s[pos])) {
      exponent.push_back(static_cast<char>(s[pos++]));
      expDigits = true;
    }
    if (expDigits) ascii += exponent;
    else pos = save;
  }
  return std::strtod(ascii.c_str(), nullptr);
}

}  // namespace

double LeadingNumber(std::u16string_view text) {
  std::u16string s = Squeeze(text);
  if (s.size() >= 2 && s[0] == u'&') {
    if (s[1] == u'H' || s[1] == u'h') return ReadRadix(s, 2, 16);
    if (s[1] == u'O' || s[1] == u'o') return ReadRadix(s, 2, 8);
    return 0;
  }
  return ReadDecimal(s);
}

std::optional<std::int32_t> LeadingInt32(std::u16string_view text) {
  double value = LeadingNumber(text);
  if (!std::isfinite(value)) return std::nullopt;
  double r = RoundHalfEven(value);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

}  // namespace glavo
