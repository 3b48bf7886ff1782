// Asks a window to close the way a window manager does (WM_DELETE_WINDOW); the window
// tests have no window manager. Usage: close_window <window id>
#include <X11/Xlib.h>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Display* display = nullptr;
  for (int attempt = 0; attempt < 30 && !display; ++attempt) {
    display = XOpenDisplay(nullptr);
    if (!display) usleep(100000);
  }
  if (!display) return 1;
  const Window window = std::strtoul(argv[1], nullptr, 0);
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
