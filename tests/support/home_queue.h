// Stands in for the window's event loop in tests: calls that a worker thread posts wait
// here until the test's own thread pumps them.
#pragma once
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class HomeQueue {
public:
  void post(std::function<void()> call) {
    std::lock_guard<std::mutex> lock(mutex);
    calls.push_back(std::move(call));
  }
  // Runs what has arrived; returns how many calls ran.
  int pump() {
    std::deque<std::function<void()>> now;
    {
      std::lock_guard<std::mutex> lock(mutex);
      now.swap(calls);
    }
    for (auto& call : now) call();
    return (int)now.size();
  }
  // Pumps until `done` or the time is over.
  bool pumpUntil(const std::function<bool()>& done, double seconds = 10) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      if (pump() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }

private:
  std::mutex mutex;
  std::deque<std::function<void()>> calls;
};

