#include "skinned_form.h"

#include "skin/skin_names.h"

namespace glavo::bench {
namespace {

// The desktop leaves a margin right and below the form for drags.
constexpr int kDesktopMargin = 400;
constexpr int kFormLeft = 16;
constexpr int kFormTop = 16;

}  // namespace

SkinnedForm::SkinnedForm(Size client, int theme)
    : stage_(Size{client.cx + kDesktopMargin, client.cy + kDesktopMargin},
             Rect{kFormLeft, kFormTop, kFormLeft + client.cx, kFormTop + client.cy},
             u"Quarterly report \u2014 Glavowrap") {
  stage_.place();
  stage_.skin().SetBodyTheme(theme);
  stage_.tick(20);
}

void SkinnedForm::PaintAll() {
  for (int p = 0; p < kSkinPartCount; ++p) skin().part(static_cast<SkinPartsGwr>(p)).Refresh();
}

void SkinnedForm::SnapshotBounds(PartBounds& out) {
  for (int p = 0; p < kSkinPartCount; ++p) {
    out[p] = skin().part(static_cast<SkinPartsGwr>(p)).surface().bounds();
  }
}

long long SkinnedForm::ResizedPartPixels(const PartBounds& before) {
  long long pixels = 0;
  for (int p = 0; p < kSkinPartCount; ++p) {
    const GlavoCell& cell = skin().part(static_cast<SkinPartsGwr>(p));
    const Rect now = cell.surface().bounds();
    const bool resized = now.width() != before[p].width() || now.height() != before[p].height();
    if (resized && cell.surface().visible()) {
      pixels += static_cast<long long>(now.width()) * now.height();
    }
  }
  return pixels;
}

std::string ThemeName(int theme) {
  return std::string(BodyThemeName(static_cast<BodyThemesGwr>(theme)));
}

std::string SizeName(Size s) { return std::to_string(s.cx) + "x" + std::to_string(s.cy); }

}  // namespace glavo::bench
