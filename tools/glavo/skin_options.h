// Command-line options shared by the skin subcommands of the glavo tool.
#pragma once

#include <string>
#include <vector>

#include "draw/types.h"
#include "skin/skin_enums.h"

namespace glavo::tool {

// A bad argument, reported in one line; the command then exits with 2.
struct ArgumentError {
  std::string argument;
  std::string problem;
};

int ReportArgumentError(const char* command, const ArgumentError& e);
// The value after option argv[i]; advances i.
std::string NextArgument(int argc, char** argv, int& i);
// "WxH" with both sides in [minSide, 16384].
Size ParseSize(const std::string& option, const std::string& text, int minSide);
BodyThemesGwr ParseTheme(const std::string& text);
SkinPartsGwr ParsePart(const std::string& option, const std::string& text);
std::vector<std::string> SplitList(const std::string& text);
// The first line of a theme file; ArgumentError when it cannot be read.
std::u16string ReadThemeFile(const std::string& path);

}  // namespace glavo::tool
