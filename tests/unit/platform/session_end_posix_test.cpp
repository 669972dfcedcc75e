// The session's end (SIGTERM, SIGHUP) reaches a loop asleep on the wake descriptor.
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>

#include "platform/sdl/session_end.h"

namespace tinto::sdl {
namespace {

bool Readable(int fd, int timeout_ms) {
  pollfd p{.fd = fd, .events = POLLIN, .revents = 0};
  return poll(&p, 1, timeout_ms) == 1 && (p.revents & POLLIN) != 0;
}

TEST(SessionEnd, ASignalIsNotedAndWakesASleeperOnTheWakeDescriptor) {
  SessionEndSignals signals;
  ASSERT_GE(signals.WakeFd(), 0);
  EXPECT_FALSE(signals.Requested());
  EXPECT_FALSE(Readable(signals.WakeFd(), 0));
  ASSERT_EQ(raise(SIGHUP), 0);  // handled: the test goes on
  EXPECT_TRUE(signals.Requested());
  EXPECT_TRUE(Readable(signals.WakeFd(), 1000));
  ASSERT_EQ(raise(SIGTERM), 0);  // a second one while the first is unread
  EXPECT_TRUE(Readable(signals.WakeFd(), 0));
}

}  // namespace
}  // namespace tinto::sdl
