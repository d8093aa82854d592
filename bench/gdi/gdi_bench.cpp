// The frame benchmarks through the Win32 backend, so that the software
// raster can be compared with GDI's own DIB engine doing the same drawing:
// the skin paints into memory DIB sections of a container-less host, and
// input reaches the parts as the framework delivers it. Prints one line per
// benchmark, "<name> <median wall ms> <iterations> <CPU ms per iteration>";
// an argument filters the names by prefix. CPU time is the process's, so
// a loaded machine distorts it less than the wall clock.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/detached_host.h"
#include "skin/glavo_skin.h"
#include "skin/skin_names.h"

namespace glavo::bench {
namespace {

constexpr Size kFrameSizes[] = {{1280, 800}, {1920, 1080}};
constexpr double kTwips = 15;

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A skin on a form of `size` with built-in theme `theme`.
class GdiForm {
 public:
  GdiForm(Size size, int theme) {
    auto surface = host_.createSurface([](std::string_view) {});
    surface_ = surface.get();
    skin_ = std::make_unique<GlavoSkin>(std::move(surface), host_.environment());
    skin_->InitProperties();
    host_.environment().form.setBound(FormBound::kWidth, size.cx * kTwips);
    host_.environment().form.setBound(FormBound::kHeight, size.cy * kTwips);
    surface_->setVisible(true);
    surface_->move(0, 0, size.cx, size.cy);
    skin_->SetBodyTheme(theme);
    // The comparison is only fair when the frame really has the size asked.
    const Rect back = skin_->part(gwr_Back).surface().bounds();
    if (back.width() < size.cx / 2 || back.height() < size.cy / 2) {
      std::fprintf(stderr, "frame not laid out at %dx%d: Back is %dx%d\n", size.cx, size.cy, back.width(),
                   back.height());
      std::exit(1);
    }
  }
  GlavoSkin& skin() { return *skin_; }
  void PaintAll() {
    for (int p = 0; p < kSkinPartCount; ++p) skin_->part(static_cast<SkinPartsGwr>(p)).Refresh();
  }
  ControlEvents& Sink(SkinPartsGwr part) {
    return *static_cast<win32::DetachedSurface&>(skin_->part(part).surface()).eventSink();
  }

 private:
  win32::DetachedHost host_;
  win32::DetachedSurface* surface_ = nullptr;
  std::unique_ptr<GlavoSkin> skin_;
};

// The lower right corner held down and moved one pixel at a time, both
// ways in turn, as the native benchmark does.
class CornerDrag {
 public:
  explicit CornerDrag(GdiForm& form) : sink_(form.Sink(gwr_RightCorner)) {
    std::int16_t button = 1, shift = 0;
    float x = 0, y = 0;
    sink_.onMouseDown(button, shift, x, y);
  }
  void Step(bool grow) {
    last_ += grow ? 1.0f : -1.0f;
    std::int16_t button = 1, shift = 0;
    float x = last_, y = last_;
    sink_.onMouseMove(button, shift, x, y);
  }

 private:
  ControlEvents& sink_;
  float last_ = 0;
};

double CpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](FILETIME t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

// Median of per-iteration wall times and the mean CPU time; at least 5
// iterations and about a second. `prepare`, when given, runs untimed
// before each iteration.
void Measure(const std::string& name, const std::function<void()>& body,
             const std::function<void()>& prepare = nullptr) {
  if (prepare) prepare();
  body();
  GdiFlush();
  std::vector<double> times;
  double cpu = 0;
  const double start = NowMs();
  while (times.size() < 5 || (NowMs() - start < 1000 && times.size() < 500)) {
    if (prepare) {
      prepare();
      GdiFlush();
    }
    const double t0 = NowMs();
    const double cpu0 = CpuMs();
    body();
    GdiFlush();
    times.push_back(NowMs() - t0);
    cpu += CpuMs() - cpu0;
  }
  cpu /= static_cast<double>(times.size());
  std::sort(times.begin(), times.end());
  std::printf("%s %.4f %zu %.4f\n", name.c_str(), times[times.size() / 2], times.size(), cpu);
  std::fflush(stdout);
}

std::string Name(int theme) { return std::string(BodyThemeName(static_cast<BodyThemesGwr>(theme))); }
std::string SizeName(Size s) { return std::to_string(s.cx) + "x" + std::to_string(s.cy); }

void Run(const std::string& filter) {
  auto wanted = [&](const std::string& name) { return name.rfind(filter, 0) == 0; };
  for (int theme = 0; theme < kBodyThemeCount; ++theme) {
    for (Size size : kFrameSizes) {
      const std::string name = "BM_FramePaint/" + Name(theme) + "/" + SizeName(size);
      if (!wanted(name)) continue;
      GdiForm form(size, theme);
      Measure(name, [&] { form.PaintAll(); });
    }
    const std::string drag = "BM_DragStep/" + Name(theme) + "/1920x1080";
    if (wanted(drag)) {
      GdiForm form(Size{1920, 1080}, theme);
      CornerDrag corner(form);
      bool grow = true;
      Measure(drag, [&] {
        corner.Step(grow);
        grow = !grow;
      });
    }
    const std::string apply = "BM_ThemeApply/" + Name(theme);
    if (wanted(apply)) {
      // As the native benchmark: each timed apply starts from another theme.
      const int other = (theme + 1) % kBodyThemeCount;
      GdiForm form(Size{1280, 800}, other);
      Measure(apply, [&] { form.skin().SetBodyTheme(theme); }, [&] { form.skin().SetBodyTheme(other); });
    }
  }
}

}  // namespace
}  // namespace glavo::bench

int main(int argc, char** argv) {
  glavo::bench::Run(argc > 1 ? argv[1] : "");
  return 0;
}
