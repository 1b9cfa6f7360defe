#include "harness.h"

#include "win32/gdiplus_include.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

namespace e2e {

namespace {
constexpr wchar_t settingsKeyPath[] = L"SOFTWARE\\Lumarin";

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectWindowsOf(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<WindowSearch*>(search);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == wanted->processId) wanted->found.push_back(window);
  return TRUE;
}

HWND firstWindowOf(const Program& program, const std::function<bool(HWND)>& accept, Clock::duration limit) {
  HWND found = nullptr;
  pollUntil(
      [&] {
        for (HWND window : program.topLevelWindows())
          if (accept(window)) return (found = window) != nullptr;
        return false;
      },
      limit);
  return found;
}
// What Wine reported of one process in the run's error output (LUMARIN_E2E_WINE_LOG), where each
// line starts with the process's and the thread's identifiers, in hexadecimal.
std::string wineErrorsOf(DWORD processId) {
  const wchar_t* log = _wgetenv(L"LUMARIN_E2E_WINE_LOG");
  if (!log) return {};
  char prefix[16];
  snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(processId));
  std::ifstream in{std::filesystem::path(log)};
  std::string line, lines;
  while (std::getline(in, line))
    if (line.rfind(prefix, 0) == 0) lines += line + "\n";
  return lines;
}

}  // namespace

bool pollUntil(const std::function<bool()>& condition, Clock::duration limit) {
  const auto end = Clock::now() + limit;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void pumpMessagesFor(Clock::duration period) { pollUntil([] { return false; }, period); }

std::wstring distFolder() {
  const wchar_t* folder = _wgetenv(L"LUMARIN_DIST");
  return folder ? folder : L".";
}

int screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

ScratchFolder::ScratchFolder() {
  namespace fs = std::filesystem;
  static int counter = 0;
  const fs::path base = fs::temp_directory_path() /
                        (L"lumarin-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
  fs::remove_all(base);
  fs::create_directories(base);
  for (const auto& entry : fs::directory_iterator(distFolder()))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), base / entry.path().filename());
  path_ = base.wstring();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::remove(const std::wstring& name) const { std::filesystem::remove(file(name)); }

namespace {
std::wstring unixPathOf(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* path = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
  if (!path) return {};
  std::wstring wide(path, path + std::strlen(path));
  HeapFree(GetProcessHeap(), 0, path);
  return wide;
}
}  // namespace

bool ScratchFolder::link(const std::wstring& link, const std::wstring& target) const {
  std::filesystem::create_directories(std::filesystem::path(file(link)).parent_path());
  const std::wstring from = unixPathOf(file(target)), at = unixPathOf(file(link));
  return !from.empty() && !at.empty() && runLinuxCommand(L"ln -s '" + from + L"' '" + at + L"'", 5s).has_value();
}

void ScratchFolder::overwrite(const std::wstring& name, const std::string& bytes) const {
  std::ofstream out(std::filesystem::path(file(name)), std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The run's standard output and error go to a file of its own: Wine writes there when the program
// meets an exception it does not handle ("Unhandled page fault ...", then the debugger's report).
Program::Program(const ScratchFolder& folder, const std::wstring& arguments, const std::wstring& workingFolder,
                 const std::wstring& programFile) {
  static int runs = 0;
  std::wstring commandLine = L"\"" + folder.file(programFile) + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring cwd = workingFolder.empty() ? std::filesystem::temp_directory_path().wstring() : workingFolder;
  outputFile_ = (std::filesystem::temp_directory_path() /
                 (L"lumarin-e2e-output-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs)))
                    .wstring();
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE output = CreateFileW(outputFile_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = output;
  // On a loaded machine Wine now and then loses a new process before it has reported itself
  // started (seen twice in full runs: ERROR_INTERNAL_ERROR, the child gone with code 0 before any
  // of the program ran and with nothing in Wine's error output); such a start is made again.
  for (int attempt = 0;; ++attempt) {
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, cwd.c_str(), &startup,
                       &process_))
      break;
    const DWORD error = GetLastError();
    if (error == ERROR_INTERNAL_ERROR && attempt < 2) {
      Sleep(200);
      continue;
    }
    ADD_FAILURE() << "could not start the program, error " << error;
    break;
  }
  CloseHandle(output);
}

Program::~Program() {
  if (!process_.hProcess) return;
  if (running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  std::ifstream in(std::filesystem::path(outputFile_), std::ios::binary);
  const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  EXPECT_EQ(output.find("Unhandled"), std::string::npos) << "Wine reports an exception the program did not handle:\n"
                                                          << output.substr(0, 2000);
  // Wine goes on past an access violation inside a window procedure and only says so in its error
  // output; Windows ends the program there.
  const std::string faults = wineErrorsOf(process_.dwProcessId);
  EXPECT_EQ(faults.find("exception"), std::string::npos) << "Wine reports an exception in the program:\n"
                                                         << faults.substr(0, 2000);
  std::error_code ignored;
  std::filesystem::remove(outputFile_, ignored);
}

bool Program::running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::waitForExit(Clock::duration limit) {
  if (!process_.hProcess || !pollUntil([&] { return !running(); }, limit)) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<HWND> Program::topLevelWindows() const {
  WindowSearch search{process_.dwProcessId, {}};
  EnumWindows(&collectWindowsOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::waitForMainWindow(Clock::duration limit) const {
  return firstWindowOf(
      *this, [](HWND w) { return IsWindowVisible(w) && className(w) == L"LumarinMainWindow"; }, limit);
}

HWND Program::waitForHiddenMainWindow(Clock::duration limit) const {
  return firstWindowOf(*this, [](HWND w) { return className(w) == L"LumarinMainWindow"; }, limit);
}

HWND Program::waitForMessageBox(Clock::duration limit) const {
  return firstWindowOf(
      *this, [](HWND w) { return IsWindowVisible(w) && className(w) == L"#32770"; }, limit);
}

HWND wineTray() { return FindWindowW(nullptr, L"Wine System Tray"); }

bool trayShowsAnIcon() {
  const HWND tray = wineTray();
  return tray && IsWindowVisible(tray);
}

std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring messageBoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (className(child) == L"Static") text += windowText(child);
  return text;
}

void pressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

void closeWindow(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool moveWindowTo(HWND window, int left, int top) {
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return pollUntil(
      [&] {
        RECT frame;
        GetWindowRect(window, &frame);
        return frame.left == left && frame.top == top;
      },
      5s);
}

RECT childRect(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<std::uint32_t> screenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + width * height);
  for (auto& pixel : pixels) pixel &= 0x00FFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::wstring linuxClipboardText() {
  const auto utf8 = runLinuxCommand(L"xclip -o -selection clipboard", 5s);
  if (!utf8) return L"(xclip did not answer)";
  const int length = static_cast<int>(utf8->size());
  std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8->data(), length, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8->data(), length, text.data(), static_cast<int>(text.size()));
  return text;
}

// The helper script stands beside the driver, on Wine's drive Z:, the Linux root.
bool setScreenProfile(const std::optional<std::wstring>& linuxFile) {
  wchar_t driver[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, driver, MAX_PATH);
  std::wstring script = std::filesystem::path(driver).parent_path().wstring() + L"\\root_icc_profile.py";
  if (script.size() < 2 || towupper(script[0]) != L'Z' || script[1] != L':') return false;
  script.erase(0, 2);
  std::replace(script.begin(), script.end(), L'\\', L'/');
  const auto output = runLinuxCommand(L"python3 '" + script + L"'" + (linuxFile ? L" '" + *linuxFile + L"'" : L"") +
                                          L" && echo set", 10s);
  return output && output->starts_with("set");
}

bool realPointer(const std::wstring& xdotoolArguments) {
  return runLinuxCommand(L"xdotool " + xdotoolArguments, 5s).has_value();
}

bool pointerTo(int x, int y) {
  x -= GetSystemMetrics(SM_XVIRTUALSCREEN);
  y -= GetSystemMetrics(SM_YVIRTUALSCREEN);
  return realPointer(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y));
}

std::optional<POINT> leftMonitor() {
  const POINT corner{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
  return corner.x < 0 ? std::optional(corner) : std::nullopt;
}

namespace {

// A request carried out inside the program's process by the hook library (dpi_change_hook), which
// the system loads there while the hook is set; true once it has been handled.
bool askInProgram(HWND window, const wchar_t* request, WPARAM wParam, LPARAM lParam) {
  static HMODULE library = LoadLibraryW(L"dpi_change_hook.dll");  // beside the driver
  const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "dpiChangeHook")));
  HHOOK installed = hook ? SetWindowsHookExW(WH_GETMESSAGE, hook, library, GetWindowThreadProcessId(window, nullptr)) : nullptr;
  const auto handled = [&] { return GetPropW(window, L"LumarinE2eRequests"); };
  const HANDLE before = handled();
  PostMessageW(window, RegisterWindowMessageW(request), wParam, lParam);
  const bool done = installed && pollUntil([&] { return handled() != before; }, 5s);
  if (installed) UnhookWindowsHookEx(installed);
  return done;
}

LONG_PTR figure(HWND window, const wchar_t* name) { return reinterpret_cast<LONG_PTR>(GetPropW(window, name)); }

SIZE sizeFigure(HWND window, const wchar_t* name) {
  const LONG_PTR both = figure(window, name);
  return {LOWORD(both), HIWORD(both)};
}

}  // namespace

bool deliverDpiChange(HWND window, WPARAM dpi, int width, POINT at) {
  return askInProgram(window, L"LumarinE2eDpiChange", MAKEWPARAM(dpi, width), MAKELPARAM(at.x, at.y));
}

std::optional<SIZE> scaledSizeAnswer(HWND window) {
  if (figure(window, L"LumarinE2eScaledSize") == 0) return std::nullopt;
  return sizeFigure(window, L"LumarinE2eScaledSize");
}

std::optional<InProcessReading> readInProgram(HWND window, HWND control) {
  if (!askInProgram(window, L"LumarinE2eReading", reinterpret_cast<WPARAM>(control), 0)) return std::nullopt;
  return InProcessReading{sizeFigure(window, L"LumarinE2eLargeIcon"), sizeFigure(window, L"LumarinE2eSmallIcon"),
                          static_cast<LONG>(figure(window, L"LumarinE2eTipFont")),
                          static_cast<LONG>(figure(window, L"LumarinE2eControlFont"))};
}

bool setSystemColourInProgram(HWND window, int index, COLORREF colour) {
  return askInProgram(window, L"LumarinE2eSystemColour", static_cast<WPARAM>(index), static_cast<LPARAM>(colour));
}

std::optional<InProcessReading> expectIconsAt(HWND window, int dpi, HWND control) {
  const auto reading = readInProgram(window, control);
  EXPECT_TRUE(reading.has_value()) << "no reading from inside the program";
  if (!reading) return reading;
  const LONG largeSize = MulDiv(32, dpi, 96), smallSize = MulDiv(16, dpi, 96);
  const auto sides = [](SIZE size) { return std::pair(size.cx, size.cy); };
  EXPECT_EQ(sides(reading->largeIcon), std::pair(largeSize, largeSize)) << "at " << dpi << " dpi";
  EXPECT_EQ(sides(reading->smallIcon), std::pair(smallSize, smallSize)) << "at " << dpi << " dpi";
  return reading;
}

void expectTookTheSizeItAnswered(HWND window) {
  const std::optional<SIZE> answered = scaledSizeAnswer(window);
  ASSERT_TRUE(answered.has_value()) << "WM_GETDPISCALEDSIZE was not answered";
  RECT taken{};
  GetWindowRect(window, &taken);
  EXPECT_EQ(std::pair(answered->cx, answered->cy), std::pair(taken.right - taken.left, taken.bottom - taken.top))
      << "the size answered is the size taken";
}

std::wstring linuxClipboardTextOnceItIs(const std::wstring& expected, Clock::duration limit) {
  std::wstring seen;
  pollUntil([&] { return (seen = linuxClipboardText()) == expected; }, limit);
  return seen;
}

namespace {
WORD keyOf(wchar_t character) { return static_cast<WORD>(LOBYTE(VkKeyScanW(character))); }

// Sent, not posted, so each key has been handled when the call returns.
void sendKey(HWND field, UINT message, WPARAM key, LPARAM flags) {
  SendMessageTimeoutW(field, message, key, flags, SMTO_ABORTIFHUNG, 5000, nullptr);
}
}  // namespace

void typeInto(HWND field, const std::wstring& text) {
  for (const wchar_t character : text) {
    sendKey(field, WM_CHAR, character, 1);
    sendKey(field, WM_KEYUP, keyOf(character), static_cast<LPARAM>(0xC0000001));
  }
}

void replaceText(HWND field, const std::wstring& text, WORD releasedKey) {
  SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  sendKey(field, WM_KEYUP, releasedKey, static_cast<LPARAM>(0xC0000001));
}

void postKeyPress(HWND window, WORD key) {
  const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | scanCode << 16));
  PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(1 | scanCode << 16 | 0xC0000000u));
}

void clickControl(HWND control) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void deleteSettingsKey() {
  RegDeleteTreeW(HKEY_CURRENT_USER, settingsKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, settingsKeyPath);
}

bool settingsKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void writeSettingsDword(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, settingsKeyPath, name, REG_DWORD, &value, sizeof value);
}

std::optional<DWORD> readSettingsDword(const wchar_t* name) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, settingsKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::vector<std::wstring> settingsValueNames() {
  HKEY opened = nullptr;
  std::vector<std::wstring> names;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD i = 0, length = std::size(name); RegEnumValueW(opened, i, name, &length, nullptr, nullptr, nullptr,
                                                            nullptr) == ERROR_SUCCESS;
       ++i, length = std::size(name))
    names.emplace_back(name, length);
  RegCloseKey(opened);
  return names;
}

}  // namespace e2e

