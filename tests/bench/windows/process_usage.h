#pragma once
// What another Wine process costs, read where the figures are true: CPU and memory from its Linux
// process (Wine answers another process's private bytes with its swap use), kernel handles from
// the system's handle table (Wine's GetProcessHandleCount answers 0).
#include <windows.h>

#include <string>

namespace bench {

struct LinuxUsage {
  double cpuMs = 0, rssKiB = 0, privateKiB = 0;
  // Memory of its own that no file backs: where a leak grows. Private pages also count pages
  // that are merely no longer shared with another process.
  double anonymousKiB = 0;
};

// The Wine process running the program file `exeName`: CPU time (user + system), RSS and private
// memory (clean and dirty), anonymous memory.
LinuxUsage linuxUsageOf(const std::wstring& exeName);

// Kernel handles the process holds.
DWORD handleCountOf(DWORD processId);

}  // namespace bench
