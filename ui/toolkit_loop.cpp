#include "ui/toolkit_loop.h"
#include <FL/Fl.H>

namespace {

// Runs a call from the worker on the window's thread.
void runPosted(void* call) {
  std::unique_ptr<std::function<void()>> owned(static_cast<std::function<void()>*>(call));
  (*owned)();
}

}  // namespace

ToolkitLoop::~ToolkitLoop() {
  for (auto& timer : timers) Fl::remove_timeout(onTimer, timer.second.get());
}

void ToolkitLoop::post(std::function<void()> call) {
  Fl::awake(runPosted, new std::function<void()>(std::move(call)));
}

int ToolkitLoop::after(double seconds, std::function<void()> call) {
  const int id = ++lastTimer;
  Timer* timer = new Timer{this, id, std::move(call)};
  timers[id].reset(timer);
  Fl::add_timeout(seconds, onTimer, timer);
  return id;
}

void ToolkitLoop::cancel(int id) {
  auto found = timers.find(id);
  if (found == timers.end()) return;
  Fl::remove_timeout(onTimer, found->second.get());
  timers.erase(found);
}

void ToolkitLoop::onTimer(void* data) {
  Timer* timer = static_cast<Timer*>(data);
  // The call may set or cancel timers: it leaves the table first.
  const std::function<void()> call = std::move(timer->call);
  timer->owner->timers.erase(timer->id);
  call();
}
