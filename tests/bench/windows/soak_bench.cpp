// Soak: the real program kept in pick mode for 100,000 updates with the pointer moving over
// stripes (the colour changing at nearly every update) and the wheel turning (the strength
// changing); its kernel handles, private memory and working set every 10,000 updates. The driver
// ticks with a 32 ms timer as the program does and moves the pointer once per tick, so its ticks
// count the program's updates (less the few the readings take).
//   tests/e2e/run_e2e.sh BUILD/e2e/lumarin_soak_bench.exe DIST 96 [UPDATES [EVERY]] [--check]
// With --check (the short run CI makes) it fails when the program stops, leaves pick mode, does
// not end with code 0, or holds more handles at the end than at the first reading.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"
#include "process_usage.h"
#include "striped_backdrop.h"
#include "ui/main_window_layout.h"

namespace {

using namespace e2e;

constexpr UINT tickMs = 32;
constexpr int wheelEvery = 40;      // ticks between two wheel notches
constexpr int notchesEachWay = 6;   // up six, then down six: the strength sweeps and comes back
constexpr double memoryToleranceKiB = 256;

struct Reading {
  int updates = 0;
  double seconds = 0;
  DWORD handles = 0;
  bench::LinuxUsage usage;
  bool picking = false;
  std::wstring strength, hex;
};

void sendInput(DWORD flags, LONG dx, LONG dy, DWORD wheel) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi = {dx, dy, wheel, flags, 0, 0};
  SendInput(1, &input, sizeof input);
}

// Across the stripes and back, one stripe step per tick, as injected input the mouse hook sees.
void movePointer(int tick) {
  const int x = 25 + (tick * 7) % 450, y = 200 + tick % 3;
  sendInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1),
            y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1), 0);
}

void turnWheel(int tick) {
  if (tick % wheelEvery != 0) return;
  const bool up = (tick / wheelEvery) % (2 * notchesEachWay) < notchesEachWay;
  sendInput(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(up ? WHEEL_DELTA : -WHEEL_DELTA));
}

class Soak {
 public:
  explicit Soak(const Program& program, HWND window) : program_(program), window_(window) {}

  Reading read(int updates) const {
    return {updates,
            std::chrono::duration<double>(Clock::now() - started_).count(),
            bench::handleCountOf(program_.id()),
            bench::linuxUsageOf(L"Lumarin.exe"),
            (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
            text(Lmr::ui::ControlId::fisheye_num_updn), text(Lmr::ui::ControlId::out_hex)};
  }

  // Ticks until `updates`, reading every `every`; stops early when the program ends.
  std::vector<Reading> run(int updates, int every) {
    std::vector<Reading> readings{read(0)};
    const UINT_PTR timer = SetTimer(nullptr, 0, tickMs, nullptr);
    MSG message;
    for (int tick = 1; tick <= updates && program_.running() && GetMessageW(&message, nullptr, 0, 0) > 0;) {
      if (message.message != WM_TIMER) {
        DispatchMessageW(&message);
        continue;
      }
      movePointer(tick);
      turnWheel(tick);
      if (tick % every == 0) readings.push_back(read(tick));
      ++tick;
    }
    KillTimer(nullptr, timer);
    return readings;
  }

 private:
  std::wstring text(Lmr::ui::ControlId id) const { return windowText(GetDlgItem(window_, static_cast<int>(id))); }

  const Program& program_;
  HWND window_;
  Clock::time_point started_ = Clock::now();
};

void print(const Reading& r) {
  std::printf("%7d updates %8.1f s  handles %4lu  private %8.0f KiB  anonymous %8.0f KiB  working set %8.0f KiB  CPU %9.0f ms  "
              "strength %2ls  %ls%s\n",
              r.updates, r.seconds, static_cast<unsigned long>(r.handles), r.usage.privateKiB, r.usage.anonymousKiB,
              r.usage.rssKiB,
              r.usage.cpuMs, r.strength.c_str(), r.hex.c_str(), r.picking ? "" : "  (not picking)");
}

// Growth is counted from the first reading after the start-up of pick mode has settled.
bool report(const std::vector<Reading>& readings, int expectedUpdates) {
  for (const Reading& r : readings) print(r);
  const Reading& settled = readings.size() > 1 ? readings[1] : readings.front();
  const Reading& last = readings.back();
  std::printf("after the first reading: handles %+ld, private %+.0f KiB, anonymous %+.0f KiB, working set %+.0f KiB; "
              "%d updates in %.0f s (%.1f ms each)\n",
              static_cast<long>(last.handles) - static_cast<long>(settled.handles),
              last.usage.privateKiB - settled.usage.privateKiB, last.usage.anonymousKiB - settled.usage.anonymousKiB,
              last.usage.rssKiB - settled.usage.rssKiB,
              last.updates, last.seconds, last.updates ? 1000.0 * last.seconds / last.updates : 0.0);
  bool held = last.updates == expectedUpdates && last.handles <= settled.handles;
  for (const Reading& r : readings) held = held && r.picking;
  const auto within = [&](double grown) { return grown <= memoryToleranceKiB ? "yes" : "no"; };
  std::printf("growth within %.0f KiB: private %s, anonymous %s, working set %s\n", memoryToleranceKiB,
              within(last.usage.privateKiB - settled.usage.privateKiB),
              within(last.usage.anonymousKiB - settled.usage.anonymousKiB),
              within(last.usage.rssKiB - settled.usage.rssKiB));
  return held;
}

}  // namespace

int main(int argc, char** argv) {
  SetProcessDPIAware();
  int updates = 100000, every = 10000;
  bool check = false;
  std::vector<int> numbers;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check") == 0) check = true;
    else numbers.push_back(std::atoi(argv[i]));
  }
  if (numbers.size() > 0 && numbers[0] > 0) updates = numbers[0];
  if (numbers.size() > 1 && numbers[1] > 0) every = numbers[1];

  bench::StripedBackdrop backdrop;
  backdrop.stripe(true);
  ScratchFolder folder;
  Program lumarin(folder);
  HWND window = lumarin.waitForMainWindow();
  if (!window) {
    std::printf("the program did not start\n");
    return 1;
  }
  SetWindowPos(window, nullptr, 600, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pumpMessagesFor(1s);
  postKeyPress(window, VK_RETURN);
  pumpMessagesFor(1s);
  Soak soak(lumarin, window);
  const bool held = report(soak.run(updates, every), updates);
  postKeyPress(window, VK_RETURN);
  pumpMessagesFor(500ms);
  closeWindow(window);
  const auto exitCode = lumarin.waitForExit();
  std::printf("the program ended with %s\n", exitCode ? std::to_string(*exitCode).c_str() : "no exit");
  return !check || (held && exitCode == 0u) ? 0 : 1;
}
