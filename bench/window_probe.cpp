// Watches a region of the X screen to time, from outside, how a window of the desktop program
// answers while it works (see window_responsiveness.sh):
//   window_probe uncover X Y W H        covers the region with a window of its own, takes it
//                                       away and prints the milliseconds until the program
//                                       has painted over all of it again
//   window_probe clear X Y W H CMD      runs the shell command CMD (a click on a button) and
//                                       prints the milliseconds until the region is one
//                                       plain colour (the button gone)
//   window_probe ticks X Y W H SECONDS  samples the region (a clock) every 10 ms and prints
//                                       the longest time between two of its changes
// Prints "timeout" when nothing happened within 10 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned long kCover = 0xff00ff;  // a colour no window of the program paints
constexpr auto kTimeout = std::chrono::seconds(10);

struct Area {
  int x, y;
  unsigned w, h;
};

std::vector<unsigned long> Grab(Display* d, const Area& r) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), r.x, r.y, r.w, r.h, AllPlanes, ZPixmap);
  std::vector<unsigned long> pixels;
  if (!image) return pixels;
  pixels.reserve(static_cast<size_t>(r.w) * r.h);
  for (unsigned j = 0; j < r.h; ++j)
    for (unsigned i = 0; i < r.w; ++i) pixels.push_back(XGetPixel(image, i, j) & 0xffffff);
  XDestroyImage(image);
  return pixels;
}

bool AnyCover(const std::vector<unsigned long>& pixels) {
  for (unsigned long p : pixels)
    if (p == kCover) return true;
  return false;
}

double Ms(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

int Uncover(Display* d, const Area& r) {
  XSetWindowAttributes a{};
  a.override_redirect = True;
  a.background_pixel = kCover;
  Window cover = XCreateWindow(d, DefaultRootWindow(d), r.x, r.y, r.w, r.h, 0, CopyFromParent,
                               InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &a);
  XMapRaised(d, cover);
  XSync(d, False);
  const auto shown = Clock::now();
  while (!AnyCover(Grab(d, r)))
    if (Clock::now() - shown > kTimeout) return std::puts("timeout"), 1;
  XUnmapWindow(d, cover);
  XSync(d, False);
  const auto t0 = Clock::now();
  while (AnyCover(Grab(d, r))) {
    if (Clock::now() - t0 > kTimeout) return std::puts("timeout"), 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::printf("%.0f\n", Ms(t0));
  XDestroyWindow(d, cover);
  return 0;
}

bool Plain(const std::vector<unsigned long>& pixels) {
  for (unsigned long p : pixels)
    if (p != pixels.front()) return false;
  return true;
}

int Clear(Display* d, const Area& r, const char* command) {
  if (Plain(Grab(d, r))) return std::puts("already plain"), 1;
  // Timed from before the command starts: the time xdotool takes to start counts too.
  const auto t0 = Clock::now();
  if (std::system(command) != 0) return std::puts("command failed"), 1;
  const double clicked = Ms(t0);
  while (!Plain(Grab(d, r))) {
    if (Clock::now() - t0 > kTimeout) return std::puts("timeout"), 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::printf("%.0f (the click sent after %.0f)\n", Ms(t0), clicked);
  return 0;
}

int Ticks(Display* d, const Area& r, double seconds) {
  const auto start = Clock::now();
  auto last = Grab(d, r);
  auto lastChange = start;
  double longest = 0;
  int changes = 0;
  while (Ms(start) < seconds * 1000) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    auto now = Grab(d, r);
    if (now == last) continue;
    if (changes++ > 0) longest = std::max(longest, Ms(lastChange));
    lastChange = Clock::now();
    last = std::move(now);
  }
  longest = std::max(longest, Ms(lastChange));  // the gap still open at the end counts too
  std::printf("%d changes, longest gap %.0f ms\n", changes, longest);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fputs("usage: window_probe uncover|clear|ticks X Y W H [CMD|SECONDS]\n", stderr);
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) return std::fputs("window_probe: no display\n", stderr), 2;
  const Area r{std::atoi(argv[2]), std::atoi(argv[3]),
                 static_cast<unsigned>(std::atoi(argv[4])),
                 static_cast<unsigned>(std::atoi(argv[5]))};
  const std::string mode = argv[1];
  int rc = 2;
  if (mode == "uncover") rc = Uncover(d, r);
  else if (mode == "clear" && argc > 6) rc = Clear(d, r, argv[6]);
  else if (mode == "ticks" && argc > 6) rc = Ticks(d, r, std::atof(argv[6]));
  XCloseDisplay(d);
  return rc;
}
