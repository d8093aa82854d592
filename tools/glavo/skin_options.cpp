#include "skin_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "cell/cell_theme_record.h"
#include "skin/skin_names.h"
#include "stage/skin_render.h"

namespace glavo::tool {

int ReportArgumentError(const char* command, const ArgumentError& e) {
  std::fprintf(stderr, "glavo %s: %s: %s\n", command, e.argument.c_str(), e.problem.c_str());
  return 2;
}

std::string NextArgument(int argc, char** argv, int& i) {
  if (i + 1 >= argc) throw ArgumentError{argv[i], "needs a value"};
  return argv[++i];
}

Size ParseSize(const std::string& option, const std::string& text, int minSide) {
  const auto x = text.find_first_of("xX");
  auto number = [](const std::string& s) -> long {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 6) return -1;
    return std::strtol(s.c_str(), nullptr, 10);
  };
  const long w = x == std::string::npos ? -1 : number(text.substr(0, x));
  const long h = x == std::string::npos ? -1 : number(text.substr(x + 1));
  if (w < minSide || h < minSide || w > 16384 || h > 16384) {
    throw ArgumentError{option, "expected WxH with sides from " + std::to_string(minSide) +
                                    " to 16384, got '" + text + "'"};
  }
  return Size{static_cast<int>(w), static_cast<int>(h)};
}

BodyThemesGwr ParseTheme(const std::string& text) {
  if (auto theme = FindBodyTheme(text)) return *theme;
  throw ArgumentError{"--theme", "unknown theme '" + text +
                                     "' (expected Onyx, AJAX, Graphite, Vista, iTunes, GoogleChrome, "
                                     "TintedGlass, Office2007, Candy, Safari, MediaPlayer, "
                                     "SilverLight or 0-11)"};
}

SkinPartsGwr ParsePart(const std::string& option, const std::string& text) {
  if (auto part = FindSkinPart(text)) return *part;
  throw ArgumentError{option, "unknown part '" + text +
                                  "' (expected close, max, min, help, icon, title, back, left, "
                                  "right, bottom, leftcorner, rightcorner)"};
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!item.empty()) out.push_back(item);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

std::u16string ReadThemeFile(const std::string& path) {
  auto line = ReadFirstLine(stage::FromUtf8(path));
  if (!line) throw ArgumentError{"--theme-file", "cannot read '" + path + "'"};
  return *line;
}

}  // namespace glavo::tool
