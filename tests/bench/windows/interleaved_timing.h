#pragma once
// Timing for the benchmarks under Wine: steps run round after round, interleaved, so a busy
// machine slows all of them alike; medians and spread printed; memory as Linux counts it.
#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

namespace bench {

struct Step {
  Step(const char* stepName, std::function<void(int)> timed, std::function<void(int)> before = {})
      : name(stepName), run(std::move(timed)), prepare(std::move(before)) {}
  const char* name;
  std::function<void(int)> run;
  std::function<void(int)> prepare;  // untimed, right before each run
  std::vector<double> samples;       // microseconds
};

void pumpMessages();
// Each step once per round (after `warmUp` rounds not counted), the window messages handled
// between steps, untimed.
void timeInterleaved(std::vector<Step>& steps, int rounds, int warmUp);
void print(const Step& step);
double medianOf(const Step& step);
// The median of the step of that name among `steps`, 0 when there is none.
double medianOf(const std::vector<Step>& steps, std::string_view name);

// Memory of this process as Linux counts it (Wine gives no private bytes of its own): private
// pages, and all resident ones (Wine keeps DIB sections in shared memory, not private).
double memoryKiB(std::string_view smapsField);
double privateKiB();
double residentKiB();

}  // namespace bench
