// The cell theme record: one look of a cell as eighteen values joined by
// "##", and the one-line record files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glavo {

inline constexpr int kRecordFields = 18;
inline constexpr std::u16string_view kRecordSeparator = u"##";

// Splits at every "##"; an empty text gives no pieces.
std::vector<std::u16string> SplitRecord(std::u16string_view text);
std::u16string JoinRecord(const std::vector<std::u16string>& pieces);

std::u16string FormatRecordLong(std::int32_t value);
std::u16string FormatRecordBool(bool value);
// A Boolean piece: "True"/"False" in any case, or a piece that is a number
// as a whole (0 is False; "&H10" counts, "inf" or "0x1" do not); nothing for
// anything else.
std::optional<bool> ParseRecordBool(std::u16string_view piece);

// The first line of a text file: up to the first carriage return (a line
// feed right after it is part of the line end) or the end of the file.
// Bytes read as Latin-1. Nothing when the file cannot be read.
std::optional<std::u16string> ReadFirstLine(const std::u16string& fileName);
// Writes `line` and a CRLF to the file, whole or not at all, as
// WriteWholeFile does: links are written through, permissions kept and
// read-only files refused. Returns false (and leaves any existing file as
// it was) on failure.
bool WriteLineFile(const std::u16string& fileName, std::u16string_view line);

}  // namespace glavo
