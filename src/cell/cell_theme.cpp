// A cell's current look as a theme record, and applying one.
#include "cell/cell_theme_record.h"
#include "cell/glavo_cell.h"
#include "cell/leading_number.h"

namespace glavo {

namespace {

std::u16string Long(std::int32_t v) { return FormatRecordLong(v); }
template <typename Option>
std::u16string Number(Option o) { return FormatRecordLong(OptionNumber(o)); }
std::u16string Color(OleColor c) { return FormatRecordLong(static_cast<std::int32_t>(c)); }

}  // namespace

std::u16string GlavoCell::SaveCellTheme(const std::u16string& fileName) {
  // Alphabetical order of the property names.
  const std::u16string record = JoinRecord({
      Long(blendSize_), Color(borderColor1_), Color(borderColor2_), Long(borderRoundH_),
      Long(borderRoundW_), Long(borderSize_), Number(borderStyle_), Color(captionColor_),
      FormatRecordBool(captionShadow_), Color(captionShadowColor_), Color(cellColor1_),
      Color(cellColor2_), Color(cellColor3_), Color(cellColor4_), Number(cellStyle_),
      Number(flipCell_), Color(surface_->maskColor()), Long(splitSize_)});
  if (!fileName.empty()) WriteLineFile(fileName, record);  // failure is not reported
  return record;
}

void GlavoCell::LoadCellTheme(const std::u16string& fileName, const std::u16string& themeString) {
  std::u16string text;
  if (!fileName.empty()) text = ReadFirstLine(fileName).value_or(u"");
  if (!themeString.empty()) text = themeString;
  const std::vector<std::u16string> pieces = SplitRecord(text);

  auto number = [&](std::size_t position, auto apply) {
    if (position > pieces.size()) return;
    if (auto v = LeadingInt32(pieces[position - 1])) apply(*v);
  };
  auto color = [&](std::size_t position, OleColor& field) {
    number(position, [&](std::int32_t v) { field = static_cast<OleColor>(v); });
  };
  auto whole = [&](std::size_t position, auto& field) {
    using Field = std::remove_reference_t<decltype(field)>;
    number(position, [&](std::int32_t v) { field = Field{v}; });
  };
  whole(1, blendSize_);
  color(2, borderColor1_);
  color(3, borderColor2_);
  whole(4, borderRoundH_);
  whole(5, borderRoundW_);
  whole(6, borderSize_);
  whole(7, borderStyle_);
  color(8, captionColor_);
  if (pieces.size() >= 9) {
    if (auto v = ParseRecordBool(pieces[8])) captionShadow_ = *v;
  }
  color(10, captionShadowColor_);
  color(11, cellColor1_);
  color(12, cellColor2_);
  color(13, cellColor3_);
  color(14, cellColor4_);
  whole(15, cellStyle_);
  whole(16, flipCell_);
  number(17, [&](std::int32_t v) { surface_->setMaskColor(static_cast<OleColor>(v)); });
  whole(18, splitSize_);
  PaintCell();
}

}  // namespace glavo
