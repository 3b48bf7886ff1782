// Measures how soon the program's window answers, from outside, as a user would see it:
//   window_probe repaint <window> X Y W H   covers the area, uncovers it, and times its repaint
//   window_probe click <window> X Y         clicks there and times the first change below it
//   window_probe key <window> X Y W H KEY.. presses the keys together (such as Control_L m) and
//                                            times the first change of the area
// Coordinates are the window's. Prints the milliseconds; exits 1 when nothing happened in 5 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

Display* display = nullptr;

double nowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The screen's pixels of an area, whatever window shows them.
std::string grab(int x, int y, int w, int h) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, w, h, AllPlanes, ZPixmap);
  if (!image) return "";
  std::string pixels;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) pixels += std::to_string(XGetPixel(image, i, j)) + ",";
  XDestroyImage(image);
  return pixels;
}

// Polls until the area shows `wanted` (or, with `differ`, anything else); milliseconds or -1.
double waitFor(int x, int y, int w, int h, const std::string& wanted, bool differ, double start) {
  while (nowMs() - start < 5000) {
    const std::string now = grab(x, y, w, h);
    if ((now == wanted) != differ) return nowMs() - start;
    usleep(2000);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return 2;
  for (int attempt = 0; attempt < 30 && !display; ++attempt) {
    display = XOpenDisplay(nullptr);
    if (!display) usleep(100000);
  }
  if (!display) return 1;
  const Window window = std::strtoul(argv[2], nullptr, 0);
  int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
  Window child;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &x, &y, &child);
  double ms = -1;
  if (std::strcmp(argv[1], "repaint") == 0 && argc == 7) {
    const int w = std::atoi(argv[5]), h = std::atoi(argv[6]);
    const std::string before = grab(x, y, w, h);
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    attributes.background_pixel = 0x00FF00;
    Window cover = XCreateWindow(display, DefaultRootWindow(display), x, y, w, h, 0, CopyFromParent, InputOutput,
                                 CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(display, cover);
    XSync(display, False);
    if (waitFor(x, y, w, h, before, true, nowMs()) < 0) return 1;  // the cover never showed
    const double start = nowMs();
    XDestroyWindow(display, cover);
    XSync(display, False);
    ms = waitFor(x, y, w, h, before, false, start);
  } else if (std::strcmp(argv[1], "click") == 0) {
    const int w = 60, h = 30;  // just below the point, where a menu drops down
    const std::string before = grab(x, y + 12, w, h);
    const double start = nowMs();
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    ms = waitFor(x, y + 12, w, h, before, true, start);
  } else if (std::strcmp(argv[1], "key") == 0 && argc >= 8) {
    const int w = std::atoi(argv[5]), h = std::atoi(argv[6]);
    const std::string before = grab(x, y, w, h);
    const double start = nowMs();
    for (int i = 7; i < argc; ++i)
      XTestFakeKeyEvent(display, XKeysymToKeycode(display, XStringToKeysym(argv[i])), True, CurrentTime);
    for (int i = argc - 1; i >= 7; --i)
      XTestFakeKeyEvent(display, XKeysymToKeycode(display, XStringToKeysym(argv[i])), False, CurrentTime);
    XSync(display, False);
    ms = waitFor(x, y, w, h, before, true, start);
  } else {
    return 2;
  }
  XCloseDisplay(display);
  if (ms < 0) {
    std::printf("timeout\n");
    return 1;
  }
  std::printf("%.0f\n", ms);
  return 0;
}
