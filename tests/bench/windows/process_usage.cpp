#include "process_usage.h"

#include <sstream>
#include <vector>

#include "linux_command.h"

namespace bench {
namespace {

struct HandleEntry {
  ULONG ownerPid;
  UCHAR objectType, flags;
  USHORT value;
  PVOID object;
  ACCESS_MASK access;
};
struct HandleTable {
  ULONG count;
  HandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

}  // namespace

LinuxUsage linuxUsageOf(const std::wstring& exeName) {
  const auto out = e2e::runLinuxCommand(
      e2e::forEachWineProcessOf(exeName, L"echo $(awk '{print $14+$15}' /proc/$p/stat) $(awk '/VmRSS/ {print $2}' "
                                         L"/proc/$p/status) $(awk '/^Private/ {s+=$2} END {print s}' "
                                         L"/proc/$p/smaps_rollup) $(getconf CLK_TCK) $(awk '/^Anonymous/ {print $2}' "
                                         L"/proc/$p/smaps_rollup)"),
      std::chrono::seconds(5));
  double ticks = 0, hz = 100;
  LinuxUsage usage;
  if (out) std::istringstream(*out) >> ticks >> usage.rssKiB >> usage.privateKiB >> hz >> usage.anonymousKiB;
  usage.cpuMs = ticks * 1000.0 / hz;
  return usage;
}

DWORD handleCountOf(DWORD processId) {
  static const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  constexpr ULONG systemHandleInformation = 16;
  constexpr LONG bufferTooSmall = static_cast<LONG>(0xC0000004);
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  while (query && query(systemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) ==
                      bufferTooSmall)
    buffer.resize(buffer.size() * 2);
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  DWORD owned = 0;
  for (ULONG i = 0; query && i < table->count; ++i) owned += table->entries[i].ownerPid == processId;
  return owned;
}

}  // namespace bench
