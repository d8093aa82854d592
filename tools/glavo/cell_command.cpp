// glavo cell: paints one cell on the software host and writes it as a PNG
// whose transparent pixels (where the cell's mask says so) have alpha 0.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "cell/cell_theme_record.h"
#include "raster/bitmap.h"
#include "raster/png_file.h"
#include "stage/cell_render.h"

namespace glavo::tool {

namespace {

constexpr int kMaxSide = 4096;

struct CellOptions {
  std::u16string record;
  int width = 0;
  int height = 0;
  std::optional<std::u16string> caption;
  FontRef font;
  std::optional<std::int32_t> symbol;
  std::optional<std::int32_t> flip;
  std::int32_t state = 0;
  std::string output;
};

// The bad argument, reported in one line.
struct ArgumentError {
  std::string argument;
  std::string problem;
};

std::u16string FromUtf8(const std::string& s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = c;
    int extra = 0;
    if (c >= 0xF0) { cp = c & 0x07; extra = 3; }
    else if (c >= 0xE0) { cp = c & 0x0F; extra = 2; }
    else if (c >= 0xC0) { cp = c & 0x1F; extra = 1; }
    ++i;
    for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::optional<long long> ParseInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != 0) return std::nullopt;
  return v;
}

std::int32_t Int32Argument(const std::string& name, const std::string& text) {
  const auto v = ParseInteger(text);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) throw ArgumentError{name, "expected a 32-bit integer, got '" + text + "'"};
  return static_cast<std::int32_t>(*v);
}

void ParseSize(const std::string& text, CellOptions& o) {
  const auto x = text.find_first_of("xX");
  const auto w = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(0, x));
  const auto h = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(x + 1));
  if (!w || !h || *w < 1 || *h < 1 || *w > kMaxSide || *h > kMaxSide) {
    throw ArgumentError{"--size", "expected WxH with sides from 1 to 4096, got '" + text + "'"};
  }
  o.width = static_cast<int>(*w);
  o.height = static_cast<int>(*h);
}

FontRef ParseFont(const std::string& text) {
  const std::string what = "expected \"Name,Size[,bold][,italic][,underline][,strikethrough][,symbol]\"";
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 2 || parts[0].empty()) throw ArgumentError{"--font", what + ", got '" + text + "'"};
  char* end = nullptr;
  const double size = std::strtod(parts[1].c_str(), &end);
  if (parts[1].empty() || *end != 0 || !(size > 0 && size <= 1000)) {
    throw ArgumentError{"--font", "font size must be a number from 0 to 1000, got '" + parts[1] + "'"};
  }
  auto font = MakeFont(FromUtf8(parts[0]), static_cast<float>(size));
  for (std::size_t i = 2; i < parts.size(); ++i) {
    const std::string& flag = parts[i];
    if (flag == "bold") font->bold = true;
    else if (flag == "italic") font->italic = true;
    else if (flag == "underline") font->underline = true;
    else if (flag == "strikethrough") font->strikethrough = true;
    else if (flag == "symbol") font->charset = 2;
    else throw ArgumentError{"--font", "unknown style '" + flag + "'"};
  }
  return font;
}

std::int32_t ParseState(const std::string& text) {
  if (text == "normal") return 0;
  if (text == "over") return 1;
  if (text == "down") return 2;
  throw ArgumentError{"--state", "expected normal, over or down, got '" + text + "'"};
}

void CheckRecord(const std::u16string& record) {
  const auto pieces = SplitRecord(record);
  if (pieces.size() != static_cast<std::size_t>(kRecordFields)) {
    throw ArgumentError{"--record", "expected 18 values joined by ##, got " + std::to_string(pieces.size())};
  }
  if (!ParseRecordBool(pieces[8])) throw ArgumentError{"--record", "value 9 (CaptionShadow) must be True or False"};
}

CellOptions ParseOptions(int argc, char** argv) {
  CellOptions o;
  bool haveRecord = false, haveSize = false;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "-h" || name == "--help") throw ArgumentError{"", ""};
    if (i + 1 >= argc) throw ArgumentError{name, name.rfind('-', 0) == 0 ? "needs a value" : "unexpected argument"};
    const std::string value = argv[++i];
    if (name == "--record") { o.record = FromUtf8(value); CheckRecord(o.record); haveRecord = true; }
    else if (name == "--size") { ParseSize(value, o); haveSize = true; }
    else if (name == "--caption") o.caption = FromUtf8(value);
    else if (name == "--font") o.font = ParseFont(value);
    else if (name == "--symbol") o.symbol = Int32Argument(name, value);
    else if (name == "--flip") o.flip = Int32Argument(name, value);
    else if (name == "--state") o.state = ParseState(value);
    else if (name == "-o" || name == "--output") o.output = value;
    else throw ArgumentError{name, "unknown option"};
  }
  if (!haveRecord) throw ArgumentError{"--record", "is required"};
  if (!haveSize) throw ArgumentError{"--size", "is required"};
  if (o.output.empty()) throw ArgumentError{"-o", "is required"};
  return o;
}

raster::Bitmap PaintCellImage(const CellOptions& o) {
  return stage::RenderCell({o.record, o.width, o.height, o.caption, o.font, o.symbol, o.flip, o.state});
}

void Usage(std::FILE* out) {
  std::fprintf(out,
               "usage: glavo cell --record \"<18 values joined by ##>\" --size WxH [--caption TEXT]\n"
               "                  [--font \"Arial,9.75,bold\"] [--symbol N] [--flip N]\n"
               "                  [--state normal|over|down] -o out.png\n");
}

}  // namespace

int CellCommand(int argc, char** argv) {
  CellOptions options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const ArgumentError& e) {
    if (e.argument.empty()) {
      Usage(stdout);
      return 0;
    }
    std::fprintf(stderr, "glavo cell: %s: %s\n", e.argument.c_str(), e.problem.c_str());
    return 2;
  }
  const raster::Bitmap image = PaintCellImage(options);
  if (!raster::SavePng(image, options.output, true)) {
    std::fprintf(stderr, "glavo cell: -o: cannot write '%s'\n", options.output.c_str());
    return 2;
  }
  return 0;
}

}  // namespace glavo::tool
