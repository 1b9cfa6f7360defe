#pragma once
// Commands on the Linux side of a Wine session, from a Windows program.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace e2e {

// Runs a command through the Linux shell and gives what it printed, or nothing when it did not
// finish within the limit. The shell's parent is the calling process.
std::optional<std::string> runLinuxCommand(const std::wstring& command, std::chrono::steady_clock::duration limit);

// A shell command that runs `command` for each Wine process running the program file `exeName`,
// with the process's Linux id in $p. Scripts and shells that only name the file are left out.
std::wstring forEachWineProcessOf(const std::wstring& exeName, const std::wstring& command);

}  // namespace e2e
