#include "server/theme_preview.h"

#include "platform/win32/detached_form.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_icon.h"

namespace glavo::server {
namespace {

constexpr wchar_t kPanelClass[] = L"GlavoSkinPreview";

}  // namespace

ThemePreview::ThemePreview(HWND parent, const RECT& place, const std::u16string& caption) {
  win32::EnsureWindowClass(kPanelClass, DefWindowProcW, 0);
  const int width = place.right - place.left, height = place.bottom - place.top;
  panel_ = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left, place.top,
                           width, height, parent, nullptr, win32::WindowModule(), nullptr);
  // The stand-in form is exactly the panel: the skin fills it as it fills
  // a borderless form. Designer mode: the timer stops after its first tick.
  auto form = std::make_unique<win32::DetachedForm>();
  form->setBound(FormBound::kWidth, width * 15.0);
  form->setBound(FormBound::kHeight, height * 15.0);
  form->setCaption(caption);
  // The icon button shows an icon, as on a form that has one.
  form->setIcon(win32::PictureFromIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(32512))));  // IDI_APPLICATION
  win32::WindowSurface::Ambient ambient;
  ambient.userMode = false;
  host_ = std::make_unique<win32::WindowedHost>(panel_, ambient, std::move(form));
  skin_ = std::make_unique<GlavoSkin>(host_->createSurface(), host_->environment());
  skin_->InitProperties();
  skin_->surface().setVisible(true);
}

ThemePreview::~ThemePreview() {
  skin_.reset();
  host_.reset();
  if (IsWindow(panel_)) DestroyWindow(panel_);
}

}  // namespace glavo::server
