// A worker thread whose results come home through a queue the test pumps.
#pragma once
#include "enddb/database.h"
#include "search/search_runner.h"
#include "tests/support/home_queue.h"

struct Worker {
  HomeQueue home;
  ThreadRunner runner{endgameDatabase, [this](std::function<void()> call) { home.post(std::move(call)); }};
  ~Worker() {
    runner.shutdown();
    home.pump();  // posted calls may still name the runner's jobs; they find nothing to deliver
  }
};
