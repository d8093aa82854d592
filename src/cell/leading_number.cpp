#include "cell/leading_number.h"

#include <cmath>
#include <string>

#include "graphics/rounding.h"

namespace glavo {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 99;
}

double ReadRadix(const std::u16string& s, std::size_t pos, int radix) {
  double value = 0;
  for (; pos < s.size() && DigitValue(s[pos]) < radix; ++pos) value = value * radix + DigitValue(s[pos]);
  // &H and &O read 32-bit two's-complement values: &HFFFFFFFF is -1.
  if (value >= 2147483648.0 && value <= 4294967295.0) value -= 4294967296.0;
  return value;
}

// Copies the longest prefix that reads as a decimal number into `ascii`.
std::string DecimalPrefix(const std::u16string& s) {
  std::string ascii;
  std::size_t pos = 0;
  auto takeDigits = [&] {
    bool any = false;
    while (pos < s.size() && IsDigit(s[pos])) {
      ascii.push_back(static_cast<char>(s[pos++]));
      any = true;
    }
    return any;
  };
  if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ascii.push_back(static_cast<char>(s[pos++]));
  bool digits = takeDigits();
  if (pos < s.size() && s[pos] == u'.') {
    ascii.push_back('.');
    ++pos;
    digits = takeDigits() || digits;
  }
  if (!digits) return {};
  if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E')) {
    const std::size_t mark = ascii.size();
    const std::size_t save = pos++;
    ascii.push_back('e');
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ascii.push_back(static_cast<char>(s[pos++]));
    if (!takeDigits()) {
      ascii.resize(mark);
      pos = save;
    }
  }
  return ascii;
}

}  // namespace

double LeadingNumber(std::u16string_view text) {
  std::u16string s;
  for (char16_t c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }
  if (s.size() >= 2 && s[0] == u'&') {
    if (s[1] == u'H' || s[1] == u'h') return ReadRadix(s, 2, 16);
    if (s[1] == u'O' || s[1] == u'o') return ReadRadix(s, 2, 8);
    return 0;
  }
  const std::string ascii = DecimalPrefix(s);
  return ascii.empty() ? 0.0 : std::strtod(ascii.c_str(), nullptr);
}

std::optional<std::int32_t> LeadingInt32(std::u16string_view text) {
  try {
    return RoundToInt32(LeadingNumber(text));
  } catch (const OverflowError&) {
    return std::nullopt;
  }
}

}  // namespace glavo
