#include "cell/caption_text.h"

#include <cmath>

#include "cell/leading_number.h"

namespace glavo {

std::u16string DecodeCaptionText(std::u16string_view text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.substr(i, 2) == u"~$") {
      const double value = LeadingNumber(text.substr(i + 2, 5));
      const double code = std::nearbyint(value);
      if (code >= 0 && code <= 65535) out.push_back(static_cast<char16_t>(code));
      i += 7;
    } else {
      out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

LogFont CaptionLogFont(const std::u16string& face, float size, double pixelsPerPoint, bool bold,
                       bool italic, bool underline, bool strikeOut, int escapement,
                       int orientation) {
  LogFont lf;
  const double pixels = std::floor(static_cast<double>(size) * pixelsPerPoint);
  lf.height = std::isfinite(pixels) && std::fabs(pixels) < 1e6 ? -static_cast<int>(pixels) : 0;
  lf.escapement = escapement;
  lf.orientation = orientation;
  lf.weight = bold ? 700 : 0;
  lf.italic = italic;
  lf.underline = underline;
  lf.strikeOut = strikeOut;
  lf.quality = 4;
  for (char16_t c : face) {
    if (lf.faceName.size() == 31) break;
    lf.faceName.push_back(c < 128 ? static_cast<char>(c) : '?');
  }
  return lf;
}

unsigned CaptionFlags(CellCaptionAlignment alignment) {
  switch (alignment) {
    case CellCaptionAlignment::kLeft: return dt::kLeft | dt::kVCenter | dt::kWordBreak;
    case CellCaptionAlignment::kRight: return dt::kRight | dt::kVCenter | dt::kWordBreak;
    case CellCaptionAlignment::kCenter: return dt::kCenter | dt::kVCenter | dt::kWordBreak;
    default: return 0;
  }
}

}  // namespace glavo
