#include "stage/skin_render.h"

#include "stage/skin_stage.h"

namespace glavo::stage {
namespace {

constexpr int kHoverMs = 30;
// Room around the form so that the pointer can rest outside it; kept small,
// since every render composites the whole screen. Below the form the room
// also clears the stage's 40-pixel taskbar.
constexpr int kMargin = 16;
constexpr int kBelow = 48;

}  // namespace

raster::Bitmap RenderSkin(const SkinRenderOptions& o, std::vector<PartPlace>* layout) {
  const Size screen{o.width + 2 * kMargin, o.height + kMargin + kBelow};
  SkinStage stage(screen, Rect{kMargin, kMargin, kMargin + o.width, kMargin + o.height}, o.caption);
  stage.place();
  stage.skin().LoadSkinTheme(u"", o.theme);
  stage.skin().SetCaption(o.caption);
  sim::SimDesktop& desktop = stage.desktop();
  // The pointer first rests outside, so that entering a part counts.
  desktop.hover(Point{kMargin / 2, kMargin / 2}, kHoverMs);
  if (o.pressed) {
    desktop.hover(stage.partPoint(*o.pressed), kHoverMs);
    desktop.pressButton(mouse::kLeft);
    // Held down while the pointer moves on to the hovered part.
    desktop.setCapture(nullptr);
  }
  if (o.hover) desktop.hover(stage.partPoint(*o.hover), kHoverMs);
  if (o.pressed) {
    // The pressed part keeps its down look; hover polling must not undo it.
    stage.skin().part(*o.pressed).SetCellState(2);
  }
  stage.tick(kHoverMs);
  if (layout) {
    layout->clear();
    for (int p = 0; p < kSkinPartCount; ++p) {
      const auto part = static_cast<SkinPartsGwr>(p);
      const ControlSurface& s = stage.skin().part(part).surface();
      layout->push_back({part, s.bounds(), s.visible()});
    }
  }
  return stage.render();
}

std::u16string FromUtf8(const std::string& s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = c;
    int extra = 0;
    if (c >= 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    }
    ++i;
    for (int k = 0; k < extra && i < s.size(); ++k, ++i) {
      cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
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

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace glavo::stage
