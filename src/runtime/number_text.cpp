#include "runtime/number_text.h"

#include <cstdlib>
#include <string>

namespace glavo {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 99;
}

NumberPrefix ReadRadix(std::u16string_view s, int radix) {
  std::size_t pos = 2;
  double value = 0;
  for (; pos < s.size() && DigitValue(s[pos]) < radix; ++pos) value = value * radix + DigitValue(s[pos]);
  if (pos == 2) return {};
  if (value >= 2147483648.0 && value <= 4294967295.0) value -= 4294967296.0;
  return {value, pos};
}

NumberPrefix ReadDecimal(std::u16string_view s) {
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
  // Only the characters checked above reach strtod, so none of its own
  // extensions (hex floats, inf, nan) can apply.
  return {std::strtod(ascii.c_str(), nullptr), pos};
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

NumberPrefix ReadNumberPrefix(std::u16string_view text) {
  if (text.size() >= 2 && text[0] == u'&') {
    if (text[1] == u'H' || text[1] == u'h') return ReadRadix(text, 16);
    if (text[1] == u'O' || text[1] == u'o') return ReadRadix(text, 8);
    return {};
  }
  return ReadDecimal(text);
}

std::optional<double> WholeNumber(std::u16string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  const std::u16string_view body = text.substr(first, last - first);
  const NumberPrefix number = ReadNumberPrefix(body);
  if (number.length == 0 || number.length != body.size()) return std::nullopt;
  return number.value;
}

}  // namespace glavo
