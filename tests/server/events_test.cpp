// Events of GlavoSkin reach advised sinks with by-reference arguments, and
// what a sink writes back is what the control acts on. Change notifications
// after a let are the VB container's (tests/wine/vb_container_test.cpp).
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

// The lines of `run` between the marker "-- <section>" and the next marker.
std::vector<std::string> Section(const WineResult& run, const std::string& section) {
  std::vector<std::string> out;
  bool inside = false;
  for (const auto& line : run.lines()) {
    if (line.rfind("-- ", 0) == 0) {
      inside = line == "-- " + section;
      continue;
    }
    if (inside) out.push_back(line);
  }
  return out;
}

class EventsTest : public ClientRunTest {
 protected:
  void SetUp() override { Start("events"); }
};

TEST_P(EventsTest, ClassInfoNamesTheEventInterfaceAndSinksConnect) {
  auto v = Values(*run_, "default");
  EXPECT_EQ(v["source"], "__GlavoSkin");
  for (const auto& line : LinesStartingWith(*run_, "advise=")) EXPECT_EQ(line, "advise=0x00000000");
}

// 4003 = VT_I4|VT_BYREF (the part), 4002 = VT_I2|VT_BYREF, 4004 = VT_R4|VT_BYREF.
TEST_P(EventsTest, MouseEventsNameThePartUnderThePointer) {
  EXPECT_EQ(Section(*run_, "title bar press"),
            (std::vector<std::string>{
                "event 6 MouseDown 4003:0 4002:1 4002:0 4004:100 4004:12",
                "event 8 MouseUp 4003:0 4002:1 4002:0 4004:100 4004:12",
                "event 1 Click 4003:0",
            }));
  // The background part starts inside the borders; X and Y are relative to
  // the part that reports them.
  auto background = Section(*run_, "background click");
  ASSERT_EQ(background.size(), 4u) << run_->output;
  EXPECT_EQ(background[0].rfind("event 7 MouseMove 4003:6 4002:0 4002:0 ", 0), 0u);
  EXPECT_EQ(background[1].rfind("event 6 MouseDown 4003:6 4002:1 4002:0 ", 0), 0u);
  EXPECT_EQ(background[2].rfind("event 8 MouseUp 4003:6 4002:1 4002:0 ", 0), 0u);
  EXPECT_EQ(background[3], "event 1 Click 4003:6");
}

TEST_P(EventsTest, KeyEventsCarryCodeShiftAndAscii) {
  EXPECT_EQ(Section(*run_, "keys"), (std::vector<std::string>{
                                        "event 3 KeyDown 4002:65 4002:0",
                                        "event 4 KeyPress 4002:97",
                                        "event 5 KeyUp 4002:65 4002:0",
                                    }));
}

TEST_P(EventsTest, UnadvisedSinksHearNothing) {
  auto v = Values(*run_, "events after");
  EXPECT_EQ(v["unadvise"], "0");
  auto second = Values(*run_, "second");
  EXPECT_EQ(second["unadvise"], "0x80040200") << "CONNECT_E_NOCONNECTION";
}

TEST_P(EventsTest, ZeroingKeyCodeInTheSinkCancelsAltEnter) {
  // Without a cancelling handler Alt+Enter maximizes (the maximize action
  // reports its button); the handler zeroes KeyCode and it does not.
  EXPECT_EQ(Section(*run_, "shortcuts cancel=0"),
            (std::vector<std::string>{"advise=0x00000000", "event 3 KeyDown 4002:13 4002:4", "event 1 Click 4003:8",
                                      "plain SkinState=2"}));
  EXPECT_EQ(Section(*run_, "shortcuts cancel=1"),
            (std::vector<std::string>{"advise=0x00000000", "event 3 KeyDown 4002:13 4002:4",
                                      "cancelled SkinState=0"}));
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, EventsTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
