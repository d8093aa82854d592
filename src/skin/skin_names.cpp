#include "skin/skin_names.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace glavo {
namespace {

constexpr std::array<std::string_view, kSkinPartCount> kPartNames = {
    "TitleBar", "RightBar", "LeftBar", "BottomBar", "RightCorner", "LeftCorner",
    "Back",     "cmdClose", "cmdMax",  "cmdMin",    "cmdHelp",     "cmdIcon"};
constexpr std::array<std::string_view, kSkinPartCount> kPartShortNames = {
    "title", "right", "left", "bottom", "rightcorner", "leftcorner",
    "back",  "close", "max",  "min",    "help",        "icon"};
constexpr std::array<std::string_view, kBodyThemeCount> kThemeNames = {
    "Onyx",    "AJAX",  "Graphite", "Vista",       "iTunes", "GoogleChrome", "TintedGlass",
    "Office2007", "Candy", "Safari", "MediaPlayer", "SilverLight"};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::optional<int> Number(std::string_view s, int count) {
  int value = -1;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || value < 0 || value >= count) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::string_view SkinPartName(SkinPartsGwr part) {
  return part >= 0 && part < kSkinPartCount ? kPartNames[part] : std::string_view("?");
}

std::string_view BodyThemeName(BodyThemesGwr theme) {
  return theme >= 0 && theme < kBodyThemeCount ? kThemeNames[theme] : std::string_view("?");
}

std::optional<BodyThemesGwr> FindBodyTheme(std::string_view nameOrNumber) {
  if (auto n = Number(nameOrNumber, kBodyThemeCount)) return static_cast<BodyThemesGwr>(*n);
  std::string name = Lower(nameOrNumber);
  if (name.rfind("gwr_", 0) == 0) name.erase(0, 4);
  for (int i = 0; i < kBodyThemeCount; ++i) {
    if (Lower(kThemeNames[i]) == name) return static_cast<BodyThemesGwr>(i);
  }
  return std::nullopt;
}

std::optional<SkinPartsGwr> FindSkinPart(std::string_view nameText) {
  if (auto n = Number(nameText, kSkinPartCount)) return static_cast<SkinPartsGwr>(*n);
  std::string name = Lower(nameText);
  for (int i = 0; i < kSkinPartCount; ++i) {
    if (Lower(kPartNames[i]) == name || kPartShortNames[i] == name) {
      return static_cast<SkinPartsGwr>(i);
    }
  }
  return std::nullopt;
}

}  // namespace glavo
