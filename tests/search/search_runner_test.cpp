#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>
#include "enddb/database.h"
#include "search/search_runner.h"
#include "tests/search/worker.h"

namespace {

// A search far too deep to finish: it ends only when stopped.
int endlessSearch(SearchEngine& search) { return search.searchPosition(InitialPosition, 40, Evaluation::Material, false); }

TEST(SearchRunner, WorkRunsOnTheWorkerAndResultsArriveOnTheHomeThreadInOrder) {
  Worker worker;
  const std::thread::id home = std::this_thread::get_id();
  std::vector<int> delivered;
  std::atomic<int> onHome{0};
  for (int i = 0; i < 5; ++i)
    worker.runner.start([&, i](SearchEngine&) { EXPECT_NE(std::this_thread::get_id(), home) << "job " << i; },
                        [&, i] {
                          if (std::this_thread::get_id() == home) ++onHome;
                          delivered.push_back(i);
                        });
  EXPECT_TRUE(worker.runner.busy());
  ASSERT_TRUE(worker.home.pumpUntil([&] { return delivered.size() == 5; }));
  EXPECT_EQ(delivered, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(onHome.load(), 5);
  EXPECT_FALSE(worker.runner.busy());
}

TEST(SearchRunner, StoppingARunningSearchEndsItSoonAndOnlyFinishEarlyDelivers) {
  for (const bool cancel : {false, true}) {
    Worker worker;
    std::atomic<bool> started{false};
    bool stopped = false, delivered = false;
    const int job = worker.runner.start(
        [&](SearchEngine& search) {
          started = true;
          endlessSearch(search);
          stopped = search.stopped();
        },
        [&] { delivered = true; });
    while (!started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto asked = std::chrono::steady_clock::now();
    if (cancel) worker.runner.cancel(job);
    else worker.runner.finishEarly(job);
    ASSERT_TRUE(worker.home.pumpUntil([&] { return !worker.runner.busy(); }, 5)) << "cancel " << cancel;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
    EXPECT_LT(seconds, 1.0) << "cancel " << cancel;  // milliseconds in practice
    worker.runner.shutdown();  // joins: the work has ended
    EXPECT_TRUE(stopped) << "cancel " << cancel;
    EXPECT_EQ(delivered, !cancel);
  }
}

// Move now while the computer's search still waits behind another job (an analysis).
TEST(SearchRunner, FinishEarlyOfAQueuedJobStopsItSoonOnceItStarts) {
  Worker worker;
  std::atomic<bool> firstStarted{false};
  bool secondStopped = false;
  std::vector<int> delivered;
  const int first = worker.runner.start(
      [&](SearchEngine& search) {
        firstStarted = true;
        endlessSearch(search);
      },
      [&] { delivered.push_back(1); });
  const int second = worker.runner.start(
      [&](SearchEngine& search) {
        endlessSearch(search);
        secondStopped = search.stopped();
      },
      [&] { delivered.push_back(2); });
  while (!firstStarted) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  worker.runner.finishEarly(second);  // queued: it must still count
  worker.runner.finishEarly(first);
  EXPECT_TRUE(worker.home.pumpUntil([&] { return delivered.size() == 2; }, 3)) << "the second search ran on";
  EXPECT_EQ(delivered, (std::vector<int>{1, 2}));
  EXPECT_TRUE(secondStopped);
}

TEST(SearchRunner, ACanceledQueuedJobNeverRunsAndTheNextStartsWithoutTheStop) {
  Worker worker;
  std::atomic<bool> started{false};
  bool secondRan = false, thirdStopped = true, thirdDelivered = false;
  const int first = worker.runner.start(
      [&](SearchEngine& search) {
        started = true;
        endlessSearch(search);
      },
      [] {});
  const int second = worker.runner.start([&](SearchEngine&) { secondRan = true; }, [] {});
  worker.runner.start(
      [&](SearchEngine& search) {
        search.searchPosition(InitialPosition, 4);
        thirdStopped = search.stopped();
      },
      [&] { thirdDelivered = true; });
  worker.runner.cancel(second);
  while (!started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  worker.runner.cancel(first);
  ASSERT_TRUE(worker.home.pumpUntil([&] { return thirdDelivered; }));
  EXPECT_FALSE(secondRan);
  EXPECT_FALSE(thirdStopped) << "a stop meant for a canceled job reached the next one";
}

// Starts, stops and cancels at random moments: every job is delivered exactly once unless it
// was canceled, whatever the interleaving (the thread build checks the hand-overs).
TEST(SearchRunner, RandomCancelsAndEarlyFinishesNeverLoseOrRepeatADelivery) {
  Worker worker;
  std::mt19937 random(99);
  constexpr int Jobs = 60;
  std::vector<int> deliveries(Jobs, 0), ids(Jobs, 0);
  std::vector<bool> canceled(Jobs, false);
  for (int i = 0; i < Jobs; ++i) {
    const int depth = 2 + (int)(random() % 8);
    ids[i] = worker.runner.start(
        [depth](SearchEngine& search) {
          search.searchPosition(InitialPosition, depth);
        },
        [&deliveries, i] { ++deliveries[i]; });
    const int earlier = (int)(random() % (i + 1));
    switch (random() % 4) {
      case 0:
        worker.runner.cancel(ids[earlier]);
        canceled[earlier] = true;
        break;
      case 1:
        worker.runner.finishEarly(ids[earlier]);
        break;
      default:
        break;
    }
    if (random() % 3 == 0) worker.home.pump();
    if (random() % 5 == 0) std::this_thread::sleep_for(std::chrono::microseconds(random() % 2000));
  }
  ASSERT_TRUE(worker.home.pumpUntil([&] { return !worker.runner.busy(); }));
  for (int i = 0; i < Jobs; ++i) {
    if (canceled[i]) EXPECT_LE(deliveries[i], 1) << "job " << i;  // it may have been delivered before
    else EXPECT_EQ(deliveries[i], 1) << "job " << i;
  }
}

TEST(SearchRunner, InlineRunnerDeliversBeforeStartReturns) {
  InlineRunner runner(endgameDatabase);
  int order = 0, worked = 0, delivered = 0;
  EXPECT_EQ(runner.start([&](SearchEngine&) { worked = ++order; }, [&] { delivered = ++order; }), 0);
  EXPECT_EQ(worked, 1);
  EXPECT_EQ(delivered, 2);
}

}  // namespace
