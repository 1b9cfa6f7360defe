#include "win32/process_services.h"

#include <string>

#include "win32/main_window.h"
#include "win32/program_folder.h"

namespace Lmr::win32 {

bool ProcessServices::createInstanceMarker(std::wstring_view name) {
  instanceMarker_.reset(CreateMutexW(nullptr, FALSE, std::wstring(name).c_str()));
  return !instanceMarker_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

namespace {

// By the main window's class as well as its title: a folder window named "Lumarin" must not be
// what a second start restores.
HWND runningMainWindow(std::wstring_view title) {
  return FindWindowW(mainWindowClassName, std::wstring(title).c_str());
}

}  // namespace

void ProcessServices::bringWindowForward(std::wstring_view title) {
  const HWND window = runningMainWindow(title);
  if (!window) return;
  ShowWindow(window, SW_RESTORE);
  SetActiveWindow(window);
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  InvalidateRect(window, nullptr, TRUE);
}

// Posted: this start ends at once, whatever the running program is busy with.
void ProcessServices::handPickRequest(std::wstring_view title) {
  if (const HWND window = runningMainWindow(title)) PostMessageW(window, pickRequestMessage(), 0, 0);
}

// Registered under a name of the program's own, so no other window has a use for it.
std::uint32_t ProcessServices::pickRequestMessage() { return RegisterWindowMessageW(L"LumarinPickRequest"); }

void ProcessServices::enterProgramDirectory() { SetCurrentDirectoryW(programFolder().c_str()); }

bool ProcessServices::fileExists(std::wstring_view name) {
  const DWORD attributes = GetFileAttributesW(std::wstring(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ProcessServices::showMessage(std::wstring_view text, std::wstring_view caption) {
  MessageBoxW(nullptr, std::wstring(text).c_str(), std::wstring(caption).c_str(), MB_OK);
}

void ProcessServices::quit() { PostQuitMessage(0); }

void ProcessServices::sleepFor(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0)); }

}  // namespace Lmr::win32
