#include "text/text_layout.h"

#include <algorithm>
#include <limits>

namespace glavo::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsBreak(char32_t c) { return c == U'\r' || c == U'\n'; }
bool IsSpace(const TextChar& c) { return c.code == U' '; }

TextLine MakeLine(const std::vector<TextChar>& text, std::size_t begin, std::size_t end,
                  const std::vector<long long>& widthBefore) {
  TextLine line;
  line.chars.assign(text.begin() + static_cast<std::ptrdiff_t>(begin),
                    text.begin() + static_cast<std::ptrdiff_t>(end));
  line.width = static_cast<int>(
      std::min<long long>(widthBefore[end] - widthBefore[begin], std::numeric_limits<int>::max()));
  return line;
}

// Wraps one paragraph [begin, end) into lines; widthBefore[i] is the width of
// text[0, i).
void WrapParagraph(const std::vector<TextChar>& text, std::size_t begin, std::size_t end,
                   int maxWidth, const std::vector<long long>& widthBefore,
                   std::vector<TextLine>& lines) {
  std::size_t start = begin;
  do {
    std::size_t fitEnd = start;  // end of the last word that fits
    bool placed = false;
    std::size_t i = start;
    while (true) {
      std::size_t wordBegin = i;
      while (wordBegin < end && IsSpace(text[wordBegin])) ++wordBegin;
      std::size_t wordEnd = wordBegin;
      while (wordEnd < end && !IsSpace(text[wordEnd])) ++wordEnd;
      if (wordEnd == wordBegin) {  // only spaces remain: they end this line
        fitEnd = end;
        placed = true;
        break;
      }
      const bool fits = widthBefore[wordEnd] - widthBefore[start] <= maxWidth;
      if (!fits && placed) break;
      fitEnd = wordEnd;
      placed = true;
      i = wordEnd;
      if (!fits) break;  // an over-long first word keeps a line to itself
    }
    const bool wraps = fitEnd < end;
    std::size_t lineEnd = fitEnd;
    if (wraps) {
      while (lineEnd > start && IsSpace(text[lineEnd - 1])) --lineEnd;
    }
    lines.push_back(MakeLine(text, start, lineEnd, widthBefore));
    start = fitEnd;
    while (start < end && IsSpace(text[start])) ++start;
    if (!wraps) break;
  } while (start < end);
}

}  // namespace

std::u32string DecodeUtf16(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      out.push_back(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out.push_back(kReplacement);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::vector<TextChar> ApplyPrefixes(std::u32string_view text, bool noPrefix) {
  std::vector<TextChar> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (noPrefix || text[i] != U'&') {
      out.push_back({text[i], false});
    } else if (i + 1 < text.size()) {
      ++i;
      out.push_back({text[i], text[i] != U'&' && !IsBreak(text[i])});
    }
  }
  return out;
}

std::vector<TextLine> LayoutLines(const std::vector<TextChar>& text, bool singleLine,
                                  bool wordBreak, int maxWidth, const AdvanceFunction& advance) {
  std::vector<TextChar> chars;
  chars.reserve(text.size());
  for (const TextChar& c : text) {
    if (!(singleLine && IsBreak(c.code))) chars.push_back(c);
  }
  std::vector<long long> widthBefore(chars.size() + 1, 0);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    widthBefore[i + 1] = widthBefore[i] + (IsBreak(chars[i].code) ? 0 : advance(chars[i].code));
  }

  std::vector<TextLine> lines;
  std::size_t begin = 0;
  while (true) {
    std::size_t end = begin;
    while (end < chars.size() && !IsBreak(chars[end].code)) ++end;
    if (wordBreak && end > begin) {
      WrapParagraph(chars, begin, end, maxWidth, widthBefore, lines);
    } else {
      lines.push_back(MakeLine(chars, begin, end, widthBefore));
    }
    if (end >= chars.size()) break;
    // CRLF is one break; CR or LF alone is one break each.
    std::size_t next = end + 1;
    if (chars[end].code == U'\r' && next < chars.size() && chars[next].code == U'\n') ++next;
    if (next >= chars.size()) break;
    begin = next;
  }
  return lines;
}

}  // namespace glavo::text
