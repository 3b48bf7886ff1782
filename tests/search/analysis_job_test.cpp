// The analysis without end on the worker: reports reach the home thread while it runs, and
// none arrives once the job is canceled or asked to finish.
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <thread>
#include "enddb/database.h"
#include "search/multi_line.h"
#include "search/search_runner.h"
#include "tests/search/worker.h"

TEST(AnalysisJob, ReportsArriveAboutFourTimesASecondWithDeeperLines) {
  Worker worker;
  std::vector<AnalysisSnapshot> seen;
  bool delivered = false;
  const int job = worker.runner.startWithReports(
      [&seen](SearchEngine& engine, const SearchRunner::Report& report) {
        analyseWithoutEnd(engine, InitialPosition, 3, [&](const AnalysisSnapshot& snapshot) {
          report([&seen, snapshot] { seen.push_back(snapshot); });
        });
      },
      [&delivered] { delivered = true; });
  ASSERT_TRUE(worker.home.pumpUntil([&] { return seen.size() >= 4; }, 5));
  worker.runner.cancel(job);
  ASSERT_TRUE(worker.home.pumpUntil([&] { return !worker.runner.busy(); }));
  for (const AnalysisSnapshot& snapshot : seen) {
    ASSERT_EQ(snapshot.lines.size(), 3u);
    EXPECT_GT(snapshot.nodes, 0u);
    EXPECT_GT(snapshot.nps, 0);
  }
  EXPECT_GE(seen.back().depth, seen.front().depth);
  EXPECT_FALSE(delivered) << "a canceled job is never delivered";
}

TEST(AnalysisJob, NoReportArrivesAfterTheJobIsCanceledOrAskedToFinish) {
  for (const bool cancel : {true, false}) {
    Worker worker;
    std::atomic<int> made{0};
    int arrived = 0;
    bool delivered = false;
    const int job = worker.runner.startWithReports(
        [&](SearchEngine& engine, const SearchRunner::Report& report) {
          analyseWithoutEnd(engine, InitialPosition, 3, [&](const AnalysisSnapshot&) {
            ++made;
            report([&arrived] { ++arrived; });
          });
        },
        [&delivered] { delivered = true; });
    // Reports made but not yet pumped when the job stops are stale: none of them may arrive.
    while (made.load() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (cancel)
      worker.runner.cancel(job);
    else
      worker.runner.finishEarly(job);
    const auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(worker.home.pumpUntil([&] { return !worker.runner.busy(); }));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count(), 1.0);
    EXPECT_EQ(arrived, 0) << (cancel ? "canceled" : "finished early");
    EXPECT_EQ(delivered, !cancel);
  }
}
