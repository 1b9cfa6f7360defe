#include "interleaved_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "linux_command.h"

namespace bench {
namespace {

double microsecondsBetween(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  return static_cast<double>(end.QuadPart - start.QuadPart) / ticksPerMicrosecond;
}

double percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  const auto at = samples.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), at, samples.end());
  return *at;
}

}  // namespace

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void timeInterleaved(std::vector<Step>& steps, int rounds, int warmUp) {
  for (int round = -warmUp; round < rounds; ++round)
    for (Step& step : steps) {
      if (step.prepare) step.prepare(round);
      pumpMessages();
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      step.run(round & 0x7FFFFFFF);
      QueryPerformanceCounter(&end);
      if (round >= 0) step.samples.push_back(microsecondsBetween(start, end));
    }
}

void print(const Step& step) {
  std::printf("%-48s median %9.1f us   p10 %9.1f   p90 %9.1f   (%zu runs)\n", step.name, medianOf(step),
              percentile(step.samples, 0.1), percentile(step.samples, 0.9), step.samples.size());
}

double medianOf(const Step& step) { return percentile(step.samples, 0.5); }

double medianOf(const std::vector<Step>& steps, std::string_view name) {
  for (const Step& step : steps)
    if (name == step.name) return medianOf(step);
  return 0;
}

// Wine opens files in its server, so /proc/self would be the server's: the Linux side finds this
// program's process by its file name (the Wine process of that name, not a script naming it).
double memoryKiB(std::string_view field) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring name = self;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  const auto out = e2e::runLinuxCommand(
      e2e::forEachWineProcessOf(name, L"awk '/^" + std::wstring(field.begin(), field.end()) +
                                          L"/ {s+=$2} END {print s}' /proc/$p/smaps_rollup"),
      std::chrono::seconds(5));
  return out ? std::atof(out->c_str()) : -1;
}

double privateKiB() { return memoryKiB("Private"); }
double residentKiB() { return memoryKiB("Rss"); }

}  // namespace bench
