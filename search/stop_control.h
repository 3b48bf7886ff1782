// When a search must stop: asked from another thread, or past a deadline on wallClock().
// The searching thread polls; a hold defers both until it ends, so that a move is never
// played unsearched.
#pragma once
#include <atomic>
#include "engine/clock.h"

class StopControl {
public:
  // Asks a running search to stop soon; safe from any thread.
  void requestStop() { stopRequest.store(true, std::memory_order_relaxed); }
  // A time on wallClock() at which the search stops by itself; 0: none.
  void setDeadline(double seconds) { deadline = seconds; }
  // While held, a stop request or the deadline waits until the hold ends, and counts then.
  void holdStops(bool held) {
    stopsHeld = held;
    if (!held) poll();
  }
  // Forgets a stop: the next search runs until asked again.
  void clearStop() {
    stopRequest.store(false, std::memory_order_relaxed);
    stopping = false;
    asked = false;
  }
  // Ready for a new search after one that stopped; a stop asked for meanwhile still counts.
  void rearm() {
    stopping = false;
    asked = false;
  }
  bool stopped() const { return stopping; }
  // This search was stopped by a request, not (only) by its deadline.
  bool stopAsked() const { return asked; }
  // A call the searching thread makes from poll() at most every `interval` seconds, so that
  // a long search can report while it runs; null: none.
  using Tick = void (*)(void* context);
  void setTicker(Tick call, void* context, double interval) {
    tick = call;
    tickContext = context;
    tickInterval = interval;
    nextTick = wallClock() + interval;
  }
  // Reads the request and the clock; the searching thread calls it every few thousand nodes.
  void poll() {
    if (tick) {
      const double now = wallClock();
      if (now >= nextTick) {
        nextTick = now + tickInterval;
        tick(tickContext);
      }
    }
    if (stopsHeld) return;
    if (stopRequest.load(std::memory_order_relaxed)) {
      stopRequest.store(false, std::memory_order_relaxed);  // taken: the next search runs again
      stopping = true;
      asked = true;
    }
    if (deadline > 0 && wallClock() >= deadline) stopping = true;
  }

private:
  std::atomic<bool> stopRequest{false};
  bool stopping = false;
  bool asked = false;
  bool stopsHeld = false;
  double deadline = 0;
  Tick tick = nullptr;
  void* tickContext = nullptr;
  double tickInterval = 0;
  double nextTick = 0;
};
