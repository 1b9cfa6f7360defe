// Freezing the screen at the start of pick mode, in the Windows layer itself: the whole-screen
// capture and the whole freeze of the real snapshot window (hide, capture, show, move, draw),
// beside a floor that does only the unavoidable transfers: one bare whole-screen blit into a DIB
// section, and one bare blit of that picture into a screen-sized window. Also the memory the
// frozen picture holds, and gives back when the window hides.
//   tests/e2e/run_e2e.sh BUILD/e2e/lumarin_freeze_bench.exe DIST 96
#include <windows.h>

#include <cstdio>
#include <vector>

#include "interleaved_timing.h"
#include "win32/handles.h"
#include "win32/screen_capture.h"
#include "win32/snapshot_window.h"

namespace {

using bench::Step;

constexpr int rounds = 60;
constexpr int warmUp = 5;

void freeze(Lmr::win32::SnapshotWindow& snapshot) {
  snapshot.hide();
  snapshot.captureScreen();
  snapshot.show();
  snapshot.moveTo(snapshot.screenRect());
  snapshot.drawPicture();
}

}  // namespace

int main() {
  SetProcessDPIAware();
  const Lmr::Rect32 screen = Lmr::win32::virtualScreenRect();
  Lmr::win32::SnapshotWindow snapshot;
  snapshot.create();

  Lmr::win32::WindowDc screenDc(nullptr);
  Lmr::win32::DibSurface floorPicture(screen.Width, screen.Height);
  HWND floorWindow = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP,
                                     screen.X, screen.Y, screen.Width, screen.Height, nullptr, nullptr, nullptr,
                                     nullptr);
  const auto floorCapture = [&](int) {
    BitBlt(floorPicture.dc(), 0, 0, screen.Width, screen.Height, screenDc.get(), screen.X, screen.Y, SRCCOPY);
    GdiFlush();
  };
  const auto floorDraw = [&](int) {
    Lmr::win32::WindowDc window(floorWindow);
    BitBlt(window.get(), 0, 0, screen.Width, screen.Height, floorPicture.dc(), 0, 0, SRCCOPY);
    GdiFlush();
  };
  const auto nothingShown = [&](int) {
    ShowWindow(floorWindow, SW_HIDE);
    snapshot.hide();
  };
  // The frozen picture's memory is given back when the window hides, so every freeze captures
  // into new memory, and shows a window it had hidden: the second pair of floors does the same.
  const auto floorCaptureIntoNew = [&](int) {
    Lmr::win32::DibSurface fresh(screen.Width, screen.Height);
    BitBlt(fresh.dc(), 0, 0, screen.Width, screen.Height, screenDc.get(), screen.X, screen.Y, SRCCOPY);
    GdiFlush();
  };
  const auto floorShowAndDraw = [&](int run) {
    ShowWindow(floorWindow, SW_SHOWNOACTIVATE);
    floorDraw(run);
  };
  std::vector<Step> steps{
      {"floor: whole-screen blit into a DIB section", floorCapture, nothingShown},
      {"floor: that picture into a screen-sized window", floorDraw,
       [&](int run) {
         nothingShown(run);
         ShowWindow(floorWindow, SW_SHOWNOACTIVATE);
       }},
      {"floor: a new DIB section and the blit into it", floorCaptureIntoNew, nothingShown},
      {"floor: the window shown, the picture into it", floorShowAndDraw, nothingShown},
      {"whole-screen capture", [&](int) { Lmr::Rect32 rect; Lmr::win32::CopyEntireScreenToBitmap(rect); },
       nothingShown},
      {"whole freeze (hide, capture, show, move, draw)", [&](int) { freeze(snapshot); }, nothingShown},
  };
  bench::timeInterleaved(steps, rounds, warmUp);

  std::printf("virtual screen %d,%d %dx%d\n", screen.X, screen.Y, screen.Width, screen.Height);
  for (const Step& step : steps) print(step);
  const double capture = bench::medianOf(steps, "floor: whole-screen blit into a DIB section");
  const double draw = bench::medianOf(steps, "floor: that picture into a screen-sized window");
  const double captureNew = bench::medianOf(steps, "floor: a new DIB section and the blit into it");
  const double showAndDraw = bench::medianOf(steps, "floor: the window shown, the picture into it");
  const double ours = bench::medianOf(steps, "whole-screen capture");
  const double freezing = bench::medianOf(steps, "whole freeze (hide, capture, show, move, draw)");
  std::printf("capture / floor blit: %.2f (/ blit into new memory: %.2f)\n", ours / capture, ours / captureNew);
  std::printf("whole freeze / both floor blits: %.2f (/ new memory and a window shown: %.2f)\n",
              freezing / (capture + draw), freezing / (captureNew + showAndDraw));

  nothingShown(0);
  bench::pumpMessages();
  const double before = bench::residentKiB(), privateBefore = bench::privateKiB();
  freeze(snapshot);
  const double shown = bench::residentKiB(), privateShown = bench::privateKiB();
  snapshot.hide();
  bench::pumpMessages();
  std::printf("resident memory: %.0f KiB before a freeze, %.0f KiB with the picture up, %.0f KiB once hidden\n",
              before, shown, bench::residentKiB());
  std::printf("private memory: %.0f KiB before, %.0f KiB with the picture up, %.0f KiB once hidden\n",
              privateBefore, privateShown, bench::privateKiB());
  DestroyWindow(floorWindow);
  return 0;
}
