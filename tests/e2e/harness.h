#pragma once
// The end-to-end harness: runs the real program from a scratch copy of its folder and reads it
// back the way a user or another program would see it.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "linux_command.h"

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

inline constexpr auto startTimeout = 15s;
inline constexpr auto exitTimeout = 15s;

// Waits for `condition`, pumping this thread's messages, until it holds or `limit` passes.
bool pollUntil(const std::function<bool()>& condition, Clock::duration limit);
void pumpMessagesFor(Clock::duration period);

// The folder holding the program's files (LUMARIN_DIST).
std::wstring distFolder();
// The screen's dots per inch this run was started with.
int screenDpi();

// A copy of the program's folder in a fresh scratch folder, removed again at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  const std::wstring& path() const { return path_; }
  std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
  void remove(const std::wstring& name) const;
  // A symbolic link `link` (a name in this folder, its folder made) to the file `target` of this
  // folder, as winget makes for a command alias. Made on the Linux side: Wine's own
  // CreateSymbolicLinkW makes nothing.
  bool link(const std::wstring& link, const std::wstring& target) const;
  void overwrite(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

// One run of Lumarin.exe; a run still going at the end of a case is ended.
class Program {
 public:
  Program(const ScratchFolder& folder, const std::wstring& arguments = L"",
          const std::wstring& workingFolder = L"", const std::wstring& programFile = L"Lumarin.exe");
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  std::optional<DWORD> waitForExit(Clock::duration limit = exitTimeout);
  bool running() const;
  DWORD id() const { return process_.dwProcessId; }
  HANDLE handle() const { return process_.hProcess; }
  // The program's visible main window, or null when it does not show within the limit.
  HWND waitForMainWindow(Clock::duration limit = startTimeout) const;
  // Its main window once made, shown or not.
  HWND waitForHiddenMainWindow(Clock::duration limit = startTimeout) const;
  // A message box of the program, or null.
  HWND waitForMessageBox(Clock::duration limit = startTimeout) const;
  // Every top-level window of the program, visible or not.
  std::vector<HWND> topLevelWindows() const;

 private:
  PROCESS_INFORMATION process_{};
  std::wstring outputFile_;
};

// With no tray host, Wine shows the icons in a window of its own; it is hidden when it holds none.
HWND wineTray();
bool trayShowsAnIcon();

std::wstring windowText(HWND window);
std::wstring className(HWND window);
// The message text of a message box (its static text children).
std::wstring messageBoxText(HWND box);
void pressOk(HWND box);
// Asks the program's main window to close, as its title bar's close button does.
void closeWindow(HWND window);

// Moves a window of the program and waits until it stands there.
bool moveWindowTo(HWND window, int left, int top);
// Child rectangle in its parent's client coordinates.
RECT childRect(HWND child);
// Screen pixels of a rectangle, as 0x00RRGGBB per pixel, row by row.
std::vector<std::uint32_t> screenPixels(const RECT& screenRect);

// The real pointer, moved and pressed through the X server (xdotool) the way a user's mouse does:
// the program's mouse monitor and the windows under the pointer see real input. False when
// xdotool could not be run.
bool realPointer(const std::wstring& xdotoolArguments);
bool pointerTo(int x, int y);  // in virtual-screen coordinates
// The virtual screen's top-left corner when a monitor lies left of the primary one.
std::optional<POINT> leftMonitor();
// A dpi change made inside the program's process by a hook library the system loads there, as
// Windows makes it: WM_GETDPISCALEDSIZE, then WM_DPICHANGED with a suggested rectangle at `at` of
// the size the window answered (unanswered: `width` square).
bool deliverDpiChange(HWND window, WPARAM dpi, int width, POINT at);
// What the window answered the last delivered change's WM_GETDPISCALEDSIZE with; none unanswered.
std::optional<SIZE> scaledSizeAnswer(HWND window);
// What only the program's own process can read of its window (Wine hands another process neither
// its icons nor its fonts), read there by the same library: the sizes of the icons WM_GETICON
// gives, and the heights (lfHeight) of its tooltips' font (0 without tooltips) and of `control`'s.
struct InProcessReading {
  SIZE largeIcon{}, smallIcon{};
  LONG tipFontHeight = 0, controlFontHeight = 0;
};
std::optional<InProcessReading> readInProgram(HWND window, HWND control);
// One of the system's colours set by the program's own process (Wine keeps the colours each
// process read at its start: one set by another process does not reach it), which tells its
// windows; false when the request was not handled.
bool setSystemColourInProgram(HWND window, int index, COLORREF colour);
// Expects the window's icons at the sizes the system asks for at `dpi` (32 and 16 pixels at 96
// dpi); returns the whole reading.
std::optional<InProcessReading> expectIconsAt(HWND window, int dpi, HWND control = nullptr);
// Expects the window to stand at the size it answered the last delivered change's question with.
void expectTookTheSizeItAnswered(HWND window);

// The colour profile Wine gives every monitor: the X screen's, set from a Linux file, or removed
// with none. False when it could not be set.
bool setScreenProfile(const std::optional<std::wstring>& linuxFile);

// The clipboard's text as the Linux side sees it (xclip), so a copy is checked outside Wine.
std::wstring linuxClipboardText();
// Waits until the Linux side sees `expected` on the clipboard (Wine hands a new clipboard to X a
// moment after the program sets it); returns what it saw last.
std::wstring linuxClipboardTextOnceItIs(const std::wstring& expected, Clock::duration limit = 5s);

// Input the way a user's keyboard delivers it to a focused text field: each character, then the
// release of its key.
void typeInto(HWND field, const std::wstring& text);
// Replaces a field's text, then delivers the release of one key, as after an edit.
void replaceText(HWND field, const std::wstring& text, WORD releasedKey);
// Clicks a child control with the left button (press and release over it).
void clickControl(HWND control);
// A key pressed in a window, as the keyboard delivers it to the window's message loop.
void postKeyPress(HWND window, WORD key);

// The settings key HKEY_CURRENT_USER\SOFTWARE\Lumarin.
void deleteSettingsKey();
bool settingsKeyExists();
void writeSettingsDword(const wchar_t* name, DWORD value);
std::optional<DWORD> readSettingsDword(const wchar_t* name);
// The names of the values under the settings key ("" for its unnamed value); none without a key.
std::vector<std::wstring> settingsValueNames();

}  // namespace e2e
