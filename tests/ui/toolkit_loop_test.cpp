// The toolkit's timers and wake-ups as the controller uses them.
#include <gtest/gtest.h>
#include <FL/Fl.H>
#include <chrono>
#include <thread>
#include <vector>
#include "ui/toolkit_loop.h"

namespace {

// Runs the toolkit's loop until `done` or a second is over.
bool runUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!done() && std::chrono::steady_clock::now() < end) Fl::wait(0.01);
  return done();
}

TEST(ToolkitLoop, TimersFireOnceInTheirOrderAndACanceledOneNever) {
  ToolkitLoop loop;
  std::vector<int> fired;
  loop.after(0.02, [&] { fired.push_back(2); });
  const int canceled = loop.after(0.01, [&] { fired.push_back(0); });
  loop.after(0.0, [&] { fired.push_back(1); });
  loop.cancel(canceled);
  loop.cancel(canceled);  // twice, and an unknown number, change nothing
  loop.cancel(0);
  EXPECT_TRUE(runUntil([&] { return fired.size() == 2; }));
  Fl::wait(0.05);
  EXPECT_EQ(fired, (std::vector<int>{1, 2}));
}

TEST(ToolkitLoop, ATimersCallMayCancelOrSetTimersAndItsOwnNumberIsSpent) {
  ToolkitLoop loop;
  int first = 0, second = 0, third = 0;
  int secondTimer = 0, firstTimer = 0;
  firstTimer = loop.after(0.0, [&] {
    ++first;
    loop.cancel(firstTimer);  // already fired: nothing happens
    loop.cancel(secondTimer);
    loop.after(0.0, [&] { ++third; });
  });
  secondTimer = loop.after(0.03, [&] { ++second; });
  EXPECT_TRUE(runUntil([&] { return third == 1; }));
  Fl::wait(0.05);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
}

TEST(ToolkitLoop, TimersOfALoopThatWentNeverFire) {
  int fired = 0;
  {
    ToolkitLoop loop;
    loop.after(0.0, [&] { ++fired; });
  }
  Fl::wait(0.05);
  EXPECT_EQ(fired, 0);
}

TEST(ToolkitLoop, CallsPostedFromAnotherThreadRunOnTheLoopsThread) {
  Fl::lock();
  ToolkitLoop loop;
  const std::thread::id home = std::this_thread::get_id();
  std::thread::id ranOn;
  bool ran = false;
  std::thread worker([&] { loop.post([&] { ranOn = std::this_thread::get_id(); ran = true; }); });
  worker.join();
  EXPECT_TRUE(runUntil([&] { return ran; }));
  EXPECT_EQ(ranOn, home);
  Fl::unlock();
}

}  // namespace
