// What pick mode costs the machine while a user looks: the real program in pick mode for 10 s
// with the pointer moving every 100 ms, beside the floor (a bare window whose 32 ms timer does
// only the same screen blit and the same blit into a window), in the same run, round after round.
// Also the idle program, which must take no CPU at all. Figures: CPU time as Windows reports it
// (GetProcessTimes) and as Linux does (/proc), private memory and RSS (/proc).
//   tests/e2e/run_e2e.sh BUILD/e2e/lumarin_pick_mode_bench.exe DIST 96
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "harness.h"
#include "process_usage.h"
#include "striped_backdrop.h"
#include "ui/main_window_layout.h"

namespace {

using namespace e2e;

constexpr int rounds = 3;
constexpr auto measured = 10s;
constexpr auto idleMeasured = 5s;
constexpr auto moveEvery = 100ms;

struct Usage {
  double windowsCpuMs = 0;
  double linuxCpuMs = 0;
  double privateKiB = 0;
  double rssKiB = 0;
};

double windowsCpuMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
  const auto ticks = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32 | t.dwLowDateTime); };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

Usage usageOf(const Program& program, const std::wstring& exe) {
  const bench::LinuxUsage linux = bench::linuxUsageOf(exe);
  return {windowsCpuMs(program.handle()), linux.cpuMs, linux.privateKiB, linux.rssKiB};
}

// Moves the pointer over the backdrop every 100 ms for `period`, pumping the driver's messages.
void movePointerFor(Clock::duration period) {
  const auto end = Clock::now() + period;
  for (int step = 0; Clock::now() < end; ++step) {
    SetCursorPos(25 + (step * 10) % 450, 200 + (step % 3));
    pumpMessagesFor(moveEvery);
  }
}

Usage difference(const Usage& after, const Usage& before) {
  return {after.windowsCpuMs - before.windowsCpuMs, after.linuxCpuMs - before.linuxCpuMs, after.privateKiB,
          after.rssKiB};
}

struct Round {
  Usage idleFresh, idle, pickUniform, pickChanging, afterPick, floor, floorWithHook;
};

Usage measureWhile(const Program& program, const std::wstring& exe, Clock::duration period, bool moving) {
  const Usage before = usageOf(program, exe);
  if (moving) {
    movePointerFor(period);
  } else {
    pumpMessagesFor(period);
  }
  return difference(usageOf(program, exe), before);
}

bool runRound(bench::StripedBackdrop& backdrop, Round& round) {
  ScratchFolder folder;
  // The floor is built beside this benchmark.
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::filesystem::copy_file(std::filesystem::path(self).parent_path() / L"lumarin_pick_floor.exe",
                             folder.file(L"lumarin_pick_floor.exe"), std::filesystem::copy_options::skip_existing);
  {
    Program lumarin(folder);
    HWND window = lumarin.waitForMainWindow();
    if (!window) return false;
    SetWindowPos(window, nullptr, 600, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    backdrop.stripe(false);
    pumpMessagesFor(1s);
    round.idleFresh = measureWhile(lumarin, L"Lumarin.exe", 1s, false);
    // A colour typed in first: the readouts have drawn their texts once, as after any pick.
    replaceText(GetDlgItem(window, static_cast<int>(Lmr::ui::ControlId::out_hex)), L"#808080", VK_RIGHT);  // not a colour-entry key: Enter still picks
    pumpMessagesFor(1s);
    round.idle = measureWhile(lumarin, L"Lumarin.exe", idleMeasured, false);
    postKeyPress(window, VK_RETURN);
    pumpMessagesFor(500ms);
    round.pickUniform = measureWhile(lumarin, L"Lumarin.exe", measured, true);
    backdrop.stripe(true);
    round.pickChanging = measureWhile(lumarin, L"Lumarin.exe", measured, true);
    postKeyPress(window, VK_RETURN);
    pumpMessagesFor(500ms);
    round.afterPick = measureWhile(lumarin, L"Lumarin.exe", 1s, false);
    closeWindow(window);
    lumarin.waitForExit();
  }
  backdrop.stripe(false);
  {
    Program floor(folder, L"", L"", L"lumarin_pick_floor.exe");
    pumpMessagesFor(1500ms);
    round.floor = measureWhile(floor, L"lumarin_pick_floor.exe", measured, true);
  }
  Program floor(folder, L"hook", L"", L"lumarin_pick_floor.exe");
  pumpMessagesFor(1500ms);
  round.floorWithHook = measureWhile(floor, L"lumarin_pick_floor.exe", measured, true);
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

template <class Field> double medianOf(const std::vector<Round>& all, Field field) {
  std::vector<double> values;
  for (const Round& round : all) values.push_back(field(round));
  return median(values);
}

void print(const char* name, const std::vector<Round>& all, Usage Round::*which) {
  std::printf("%-34s CPU %7.1f ms (Linux %7.1f ms)  private %8.0f KiB  RSS %8.0f KiB\n", name,
              medianOf(all, [&](const Round& r) { return (r.*which).windowsCpuMs; }),
              medianOf(all, [&](const Round& r) { return (r.*which).linuxCpuMs; }),
              medianOf(all, [&](const Round& r) { return (r.*which).privateKiB; }),
              medianOf(all, [&](const Round& r) { return (r.*which).rssKiB; }));
}

}  // namespace

int main() {
  SetProcessDPIAware();
  bench::StripedBackdrop backdrop;
  std::vector<Round> all;
  for (int i = 0; i < rounds; ++i) {
    Round round;
    if (!runRound(backdrop, round)) {
      std::printf("round %d: the program did not start\n", i);
      return 1;
    }
    all.push_back(round);
  }
  std::printf("medians of %d rounds; CPU over 10 s with the pointer moving every 100 ms (idle: 5 s, still)\n",
              rounds);
  print("idle program, just started", all, &Round::idleFresh);
  print("idle program, a colour shown", all, &Round::idle);
  print("pick mode, one colour under it", all, &Round::pickUniform);
  print("pick mode, colour changing", all, &Round::pickChanging);
  print("idle again, after pick mode", all, &Round::afterPick);
  print("floor (bare timer with the blits)", all, &Round::floor);
  print("floor and a hook thread", all, &Round::floorWithHook);
  const double uniform = medianOf(all, [](const Round& r) { return r.pickUniform.linuxCpuMs; });
  const double changing = medianOf(all, [](const Round& r) { return r.pickChanging.linuxCpuMs; });
  for (const auto& [name, floor] :
       {std::pair{"floor", medianOf(all, [](const Round& r) { return r.floor.linuxCpuMs; })},
        std::pair{"floor and a hook thread", medianOf(all, [](const Round& r) { return r.floorWithHook.linuxCpuMs; })}})
    std::printf("pick mode / %s, Linux CPU: %.2f one colour, %.2f colour changing\n", name, uniform / floor,
                changing / floor);
  std::printf("private memory of the floor's hook thread: %.0f KiB\n",
              medianOf(all, [](const Round& r) { return r.floorWithHook.privateKiB - r.floor.privateKiB; }));
  std::printf("private memory in pick mode - idle: %.0f KiB (- idle just started: %.0f KiB)\n",
              medianOf(all, [](const Round& r) { return r.pickChanging.privateKiB - r.idle.privateKiB; }),
              medianOf(all, [](const Round& r) { return r.pickChanging.privateKiB - r.idleFresh.privateKiB; }));
  return 0;
}
