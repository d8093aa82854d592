// The real control in Wine's ATL container, used for a while in both
// bitnesses (buttons hovered and pressed, every border dragged, the system
// menu opened and closed, the title bar dragged, maximized and restored in
// both modes, minimized and restored, themes, caption and
// metrics changed, saved and loaded), its GDI objects, USER objects and
// private bytes sampled every few seconds: all must stay flat.
// GLAVO_SOAK_SECONDS sets the steady use after the warm-up (CI: 60); a run
// of nine minutes or more needs a larger ctest --timeout, or the test
// program run directly.
#ifdef GLAVO_SKIN_LAYOUT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "container_run.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

struct Sample {
  double seconds;
  double gdi, user, privateKb;
};

int SoakSeconds() {
  const char* s = std::getenv("GLAVO_SOAK_SECONDS");
  return s && std::atoi(s) > 0 ? std::atoi(s) : 60;
}

class Soak : public ::testing::TestWithParam<Bitness> {};

TEST_P(Soak, LongUseLeavesGdiUserObjectsAndPrivateBytesFlat) {
  const int seconds = SoakSeconds();
  const HostRun run = RunHost(GetParam(), "soak " + std::to_string(seconds), seconds + 240);
  ASSERT_TRUE(run.ran) << run.why;
  // Every round opened and closed the system menu and dragged the title
  // bar, both in modal loops the soak's script ends.
  ExpectChecks(run, {"gdi_count_sees_objects", "soak_ran", "system_menu", "title_drag"});
  std::vector<Sample> all;
  double warmed = -1;
  for (const std::string& line : run.lines) {
    Sample s{};
    if (std::sscanf(line.c_str(), "SAMPLE %lf %lf %lf %lf", &s.seconds, &s.gdi, &s.user, &s.privateKb) == 4) all.push_back(s);
    std::sscanf(line.c_str(), "WARMED %lf", &warmed);
  }
  // The rounds until every theme was shown once warm up: what is made once
  // and kept (fonts, theme pictures) exists after them.
  ASSERT_GE(warmed, 0) << "the run ended before every theme was shown";
  std::vector<Sample> steady;
  for (const auto& s : all) {
    if (s.seconds >= warmed) steady.push_back(s);
  }
  ASSERT_GE(steady.size(), 5u) << "too few samples";
  auto range = [&](double Sample::*value) {
    const auto [lo, hi] = std::minmax_element(steady.begin(), steady.end(),
                                              [&](const Sample& a, const Sample& b) { return a.*value < b.*value; });
    return (*hi).*value - (*lo).*value;
  };
  // Flat counts mean nothing unless they count something (that the GDI
  // count sees an object come and go, the host checked).
  EXPECT_GT(steady.front().user, 0);
  EXPECT_GT(steady.front().privateKb, 0);
  EXPECT_EQ(range(&Sample::gdi), 0) << "GDI objects changed while in steady use";
  EXPECT_EQ(range(&Sample::user), 0) << "USER objects changed while in steady use";
  // Private bytes move with the heap's own bookkeeping by a few hundred KB
  // either way; a leak of a megabyte over the steady rounds shows.
  EXPECT_LT(range(&Sample::privateKb), 1024) << "private bytes moved by a megabyte or more";
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, Soak, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
#endif  // GLAVO_SKIN_LAYOUT
