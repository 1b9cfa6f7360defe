#include "linux_command.h"

#include <filesystem>
#include <fstream>

namespace e2e {

// Wine does not see a Linux child end, so the shell leaves a marker file when the command is done.
std::optional<std::string> runLinuxCommand(const std::wstring& command, std::chrono::steady_clock::duration limit) {
  // Process ids repeat across Wine sessions running side by side; the counter makes it ours.
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  const std::wstring stem = L"/tmp/lumarin-e2e-command-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(now.QuadPart);
  const std::wstring outputFile = stem + L".out", doneFile = stem + L".done";
  std::wstring shell = L"Z:\\bin\\sh -c \"{ " + command + L"; } >" + outputFile + L" 2>/dev/null; : >" + doneFile + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, shell.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return std::nullopt;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Messages are served while waiting: the driver's own windows must stay responsive.
  const auto end = std::chrono::steady_clock::now() + limit;
  bool done = false;
  while (!(done = std::filesystem::exists(L"Z:" + doneFile)) && std::chrono::steady_clock::now() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  std::string output;
  {
    std::ifstream in(std::filesystem::path(L"Z:" + outputFile), std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::error_code ignored;
  std::filesystem::remove(L"Z:" + outputFile, ignored);
  std::filesystem::remove(L"Z:" + doneFile, ignored);
  if (!done) return std::nullopt;
  return output;
}

std::wstring forEachWineProcessOf(const std::wstring& exeName, const std::wstring& command) {
  // The bracket keeps pgrep from finding the shell that runs it.
  const std::wstring pattern = L"[" + exeName.substr(0, 1) + L"]" + exeName.substr(1);
  return L"for p in $(pgrep -f '" + pattern + L"'); do readlink /proc/$p/exe | grep -q wine && { " + command +
         L"; }; done";
}

}  // namespace e2e
