// Events of GlavoSkin reach advised sinks with by-reference arguments, and
// what a sink writes back is what the control acts on. Which part reports
// what, and with which coordinates, is the core's (tests/skin); change
// notifications after a let are the VB container's
// (tests/wine/vb_container_test.cpp).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

using EventsTest = ClientRunTest;

// The whole run, in order. Arguments are vt:value, 4003 = VT_I4|VT_BYREF
// (the part), 4002 = VT_I2|VT_BYREF, 4004 = VT_R4|VT_BYREF; X and Y are
// relative to the background part, which starts inside the borders.
TEST_P(EventsTest, SinksHearEveryEventInOrderAndTheirWritesReachTheControl) {
  ASSERT_NO_FATAL_FAILURE(Start("events"));
  const std::vector<std::string> expected = {
      "default source=__GlavoSkin",
      "advise=0x00000000",
      "-- background click",
      "event 7 MouseMove 4003:6 4002:0 4002:0 4004:197 4004:121",
      "event 6 MouseDown 4003:6 4002:1 4002:0 4004:197 4004:121",
      "event 8 MouseUp 4003:6 4002:1 4002:0 4004:197 4004:121",
      "event 1 Click 4003:6",
      "-- keys",
      "event 3 KeyDown 4002:65 4002:0",
      "event 4 KeyPress 4002:97",
      "event 5 KeyUp 4002:65 4002:0",
      // An unadvised sink hears nothing; a second unadvise is
      // CONNECT_E_NOCONNECTION.
      "-- unadvised",
      "events after unadvise=0",
      "second unadvise=0x80040200",
      // Without a cancelling handler Alt+Enter maximizes (the maximize
      // action reports its button); the handler zeroes KeyCode and it does
      // not.
      "-- shortcuts cancel=0",
      "advise=0x00000000",
      "event 3 KeyDown 4002:13 4002:4",
      "event 1 Click 4003:8",
      "plain SkinState=2",
      "-- shortcuts cancel=1",
      "advise=0x00000000",
      "event 3 KeyDown 4002:13 4002:4",
      "cancelled SkinState=0",
  };
  EXPECT_EQ(run_->lines(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, EventsTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
