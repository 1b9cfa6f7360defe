// Times the magnifier in the Windows layer: a whole update of the real main window (capture,
// fish-eye view, present into the panel, swatch and readout texts) and its parts, beside a floor
// that does only the unavoidable transfers (the same screen blit into a DIB section and the same
// blit into the panel, with the screen's context held). Plain timing: interleaved runs, medians.
#include <windows.h>

#include <commctrl.h>
#include "win32/gdiplus_include.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/lumarin.h"
#include "fake_platform.h"
#include "pick/magnifier_view.h"
#include "win32/magnifier_surface.h"
#include "win32/main_window.h"
#include "win32/screen_capture.h"
#include "interleaved_timing.h"
#include "process_usage.h"

namespace {

using bench::Step;
using bench::medianOf;
using bench::print;
using bench::privateKiB;
using bench::pumpMessages;

constexpr int runs = 2000;
constexpr int warmUpRuns = 100;
constexpr int growthRuns = 10000;
// Two pick points over differently coloured halves of the backdrop, taken in turn, so that the
// readout texts change at every update as they do while the pointer moves.
constexpr Lmr::Point32 pickPoints[2] = {{760, 300}, {1060, 300}};

// A backdrop under the pick points: left half dark red, right half light blue.
LRESULT CALLBACK backdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  RECT left = client, right = client;
  left.right = right.left = client.right / 2;
  HBRUSH red = CreateSolidBrush(RGB(0x80, 0x10, 0x20)), blue = CreateSolidBrush(RGB(0x90, 0xC0, 0xF0));
  FillRect(dc, &left, red);
  FillRect(dc, &right, blue);
  DeleteObject(red);
  DeleteObject(blue);
  EndPaint(window, &paint);
  return 0;
}

HWND showBackdrop() {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = &backdropProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.lpszClassName = L"LumarinBenchBackdrop";
  RegisterClassExW(&type);
  HWND backdrop = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, type.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                                  600, 100, 600, 400, nullptr, nullptr, type.hInstance, nullptr);
  UpdateWindow(backdrop);
  return backdrop;
}

// The real window, magnifier surfaces and capture; the services an update does not touch come
// from the unit tests' recording platform.
struct BenchPlatform {
  Lmr::testing::FakePlatform rest;
  Lmr::win32::MainWindow window{GetModuleHandleW(nullptr)};
  Lmr::win32::MagnifierSurface magnifier{window};
  Lmr::win32::ScreenCapture screen;
  Lmr::Platform ports{rest, rest, rest, window, magnifier, rest, rest, rest, screen, rest.history, rest, rest.snapshot, rest};
};

// The magnifier and the readouts it feeds, made over the loaded window's own surfaces and
// controls, so that an update can be asked for at any point.
struct Magnifier {
  explicit Magnifier(BenchPlatform& platform)
      : readouts(platform.window, platform.rest, platform.rest, platform.rest, hist_frm),
        magnifier(platform.window, platform.screen, platform.magnifier, platform.rest, ready, mpt, readouts,
                  [] { return false; }) {
    magnifier.load(L"default.png");
  }
  std::vector<std::string> calls;
  Lmr::testing::FakeHistoryDialog history{calls};
  Lmr::ReadyFlag ready{true};
  Lmr::History hist_frm{history};
  Lmr::PickPoint mpt;
  Lmr::Readouts readouts;
  Lmr::Magnifier magnifier;
};

void pickAt(Magnifier& view, int run) { view.mpt.moveTo(pickPoints[run & 1]); }

unsigned pickedAt(Magnifier& view, int run) {
  pickAt(view, run);
  view.magnifier.updatePickPreview();
  return view.readouts.g_pick_clr() & 0xFFFFFFu;
}

int runBenchmarks() {
  BenchPlatform platform;
  Lmr::Lumarin lumarin(platform.ports);
  if (!lumarin.startedUp() || !lumarin.Lumarin_Load()) return 1;
  Magnifier view(platform);
  platform.window.show();
  SetWindowPos(platform.window.handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND backdrop = showBackdrop();
  pumpMessages();

  auto& screen = platform.screen;
  auto& magnifier = platform.magnifier;
  auto& window = platform.window;
  // A colour of its own for every run, so the three texts change each time.
  const auto swatchColour = [](int run) { return 0xFF000000u | ((static_cast<unsigned>(run) * 2654435761u) >> 8); };
  // The floor: nothing but the two transfers an update cannot do without.
  Lmr::win32::WindowDc floorScreen(nullptr);
  Lmr::win32::DibSurface floorCapture(Lmr::viewWidth, Lmr::viewWidth);
  Lmr::win32::WindowDc floorPanel(window.control(Lmr::ui::ControlId::pick_zoom));
  const auto floorScreenBlit = [&](int run) {
    const Lmr::Point32 centre = pickPoints[run & 1];
    BitBlt(floorCapture.dc(), 0, 0, Lmr::viewWidth, Lmr::viewWidth, floorScreen.get(),
           centre.x - Lmr::halfViewWidth, centre.y - Lmr::halfViewWidth, SRCCOPY);
    GdiFlush();
  };
  const auto floorRound = [&](int run) {
    floorScreenBlit(run);
    BitBlt(floorPanel.get(), view.magnifier.dpi_draw_x(), view.magnifier.dpi_draw_x(), Lmr::viewWidth, Lmr::viewWidth,
           floorCapture.dc(), 0, 0, SRCCOPY);
  };
  // A plain edit control of the same size beside the window's own, with nothing of ours in its
  // way: what a text write costs in itself.
  const Lmr::Rect32 frame = window.windowRect();
  HWND bareEdit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                  frame.X + frame.Width + 10, frame.Y, 194, 26, nullptr, nullptr, nullptr, nullptr);
  // Each timed run follows an untimed one of its own kind, as in the program's loop, where every
  // capture comes after the previous update's present.
  std::vector<Step> steps{
      {"floor: screen blit", floorScreenBlit},
      {"floor: screen blit and panel blit", floorRound, floorRound},
      {"whole update, colour unchanged",
       [&](int) {
         pickAt(view, 0);
         view.magnifier.updatePickPreview();
       },
       [&](int) {
         pickAt(view, 0);
         view.magnifier.updatePickPreview();
       }},
      {"region capture 200 x 200",
       [&](int run) {
         Lmr::Point32 centre = pickPoints[run & 1];
         screen.captureRegion(centre, Lmr::viewWidth);
       }},
      {"fish-eye view alone",
       [&](int) {
         Lmr::renderMagnifierView(screen.capturedPixels(), magnifier.viewBuffer(), view.magnifier.srows(), view.magnifier.fishEye(),
                                  false);
       }},
      {"present into the panel", [&](int) { magnifier.presentView(view.magnifier.dpi_draw_x()); }},
      {"swatch colour and readout texts",
       [&](int run) {
         window.setSwatchColour(Lmr::ui::ControlId::color_current, swatchColour(run));
         view.readouts.updateTextHexDisplay();
       }},
      {"floor: SetWindowTextW on a bare edit control",
       [&](int run) { SetWindowTextW(bareEdit, run & 1 ? L"hsb(350, 78%, 29%)" : L"hsb(210, 59%, 75%)"); }},
      {"one readout text",
       [&](int run) {
         window.setText(Lmr::ui::ControlId::out_hsl, run & 1 ? L"hsb(350, 78%, 29%)" : L"hsb(210, 59%, 75%)");
       }},
      {"value-change event, nobody listening",
       [&](int) { window.announceValueChange(Lmr::ui::ControlId::color_current); }},
      {"whole update",
       [&](int run) {
         pickAt(view, run);
         view.magnifier.updatePickPreview();
       }},
      {"whole update and its repaint",
       [&](int run) {
         pickAt(view, run);
         view.magnifier.updatePickPreview();
         RedrawWindow(window.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
       }},
  };
  bench::timeInterleaved(steps, runs, warmUpRuns);


  // No growth: whole updates in a row, the colour changing every time, leave the handles and the
  // memory where they were after the first ones.
  for (int run = 0; run < 100; ++run) pickedAt(view, run);
  const double privateBefore = privateKiB();  // first: reading it starts a process of its own
  const DWORD handlesBefore = bench::handleCountOf(GetCurrentProcessId());
  for (int run = 0; run < growthRuns; ++run) {
    pickedAt(view, run);
    if (run % 64 == 0) pumpMessages();
  }
  const DWORD handlesAfter = bench::handleCountOf(GetCurrentProcessId());
  std::printf("%d whole updates: handles %lu -> %lu, private memory %.0f -> %.0f KiB\n", growthRuns,
              static_cast<unsigned long>(handlesBefore), static_cast<unsigned long>(handlesAfter), privateBefore,
              privateKiB());

  std::printf("picked colours #%06X and #%06X\n", pickedAt(view, 0), pickedAt(view, 1));
  for (const Step& step : steps) print(step);
  const auto median = [&](const char* name) { return medianOf(steps, name); };
  const double floor = median("floor: screen blit and panel blit");
  std::printf("region capture / floor screen blit: %.2f\n",
              median("region capture 200 x 200") / median("floor: screen blit"));
  std::printf("whole update, colour unchanged / floor: %.2f (colour changing %.2f, with repaint %.2f)\n",
              median("whole update, colour unchanged") / floor, median("whole update") / floor,
              median("whole update and its repaint") / floor);
  std::printf("one readout text / the bare edit control's text: %.2f\n",
              median("one readout text") / median("floor: SetWindowTextW on a bare edit control"));
  DestroyWindow(bareEdit);
  DestroyWindow(backdrop);
  return 0;
}

}  // namespace

int main() {
  SetProcessDPIAware();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  const int result = runBenchmarks();
  Gdiplus::GdiplusShutdown(token);
  return result;
}
