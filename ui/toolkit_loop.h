// The controller's event loop served by the toolkit: the worker's calls through Fl::awake,
// timers through Fl::add_timeout.
#pragma once
#include <map>
#include <memory>
#include "ui/controller/window_ports.h"

class ToolkitLoop : public EventLoop {
public:
  ToolkitLoop() = default;
  ToolkitLoop(const ToolkitLoop&) = delete;
  ToolkitLoop& operator=(const ToolkitLoop&) = delete;
  ~ToolkitLoop() override;  // timers not yet fired never fire

  void post(std::function<void()> call) override;
  int after(double seconds, std::function<void()> call) override;
  void cancel(int timer) override;

private:
  struct Timer {
    ToolkitLoop* owner;
    int id;
    std::function<void()> call;
  };
  std::map<int, std::unique_ptr<Timer>> timers;
  int lastTimer = 0;

  static void onTimer(void* timer);
};
