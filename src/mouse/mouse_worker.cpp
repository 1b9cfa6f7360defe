#include "mouse/mouse_worker.h"

#include "mouse/input_withholder.h"
#include "mouse/pointer_tracker.h"

namespace Lmr {
namespace {

// Polling period of the cursor position, the fallback for moves the hook does not see. The program
// reads the record once per 32 ms update, so polling faster only costs CPU: under Wine a cursor
// read is a round trip to the server or the X server.
constexpr DWORD pollPeriodMs = 32;
// How long a stopped worker keeps its hook for the release of a press it kept back. A pick's
// press is let go well within it; the bound only ends a wait for a release the hook will never
// see (the system dropped the hook, another desktop took the input). Waiting costs nothing else.
constexpr DWORD keptReleaseWaitMs = 10000;

// What the hook works on (low-level hooks are called on the installing thread).
struct HookState {
  PointerTracker* tracker = nullptr;  // while a record is watched
  InputWithholder withholder;
  HWND looked = nullptr;                 // the top-level window under the pointer, as last looked up
  HWND pressedOn[3] = {};                // per button: the window its last press went to
};
thread_local HookState* hookState = nullptr;

MouseEvent eventOf(WPARAM message) {
  switch (message) {
    case WM_MOUSEMOVE: return {MouseInput::move};
    case WM_MOUSEWHEEL: return {MouseInput::wheel};
    case WM_LBUTTONDOWN: return {MouseInput::press, MouseButton::left};
    case WM_RBUTTONDOWN: return {MouseInput::press, MouseButton::right};
    case WM_MBUTTONDOWN: return {MouseInput::press, MouseButton::middle};
    case WM_LBUTTONUP: return {MouseInput::release, MouseButton::left};
    case WM_RBUTTONUP: return {MouseInput::release, MouseButton::right};
    case WM_MBUTTONUP: return {MouseInput::release, MouseButton::middle};
    default: return {MouseInput::other};
  }
}

void forwardHookEvent(PointerTracker& tracker, MouseEvent seen, const MSLLHOOKSTRUCT& event) {
  switch (seen.input) {
    case MouseInput::move:
      tracker.hookSawPointer({event.pt.x, event.pt.y});
      break;
    case MouseInput::wheel:
      tracker.wheelTurned(static_cast<short>(HIWORD(event.mouseData)));
      break;
    case MouseInput::press:
      tracker.buttonPressed();
      break;
    default:
      break;
  }
}

// Whether the window under `point` belongs to another process than the one this library serves;
// the window is kept in `looked`. Where no window answers, none of ours is there either.
bool overAnotherProgram(POINT point, HWND& looked) {
  DWORD owner = 0;
  looked = WindowFromPoint(point);
  if (looked) {
    GetWindowThreadProcessId(looked, &owner);
    looked = GetAncestor(looked, GA_ROOT);
  }
  return owner != GetCurrentProcessId();
}

// A press on one of the program's own windows that has gone since (the frozen picture hides on
// the press that ends the pick): its release would reach whatever lies beneath.
bool pressTargetGone(HookState& state, MouseButton button, POINT point) {
  const HWND target = state.pressedOn[static_cast<int>(button)];
  HWND beneath = nullptr;
  return !IsWindowVisible(target) && overAnotherProgram(point, beneath);
}

// Kept tiny: the system drops hooks that answer slowly. The window under the pointer is looked up
// only for a press or a wheel step while a record is watched. Non-zero keeps the event from every
// window.
LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && hookState != nullptr) {
    const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    const MouseEvent seen = eventOf(message);
    HookState& state = *hookState;
    if (state.tracker != nullptr) forwardHookEvent(*state.tracker, seen, event);
    state.looked = nullptr;
    const bool held = state.withholder.holdsBack(
        seen, state.tracker != nullptr, [&] { return overAnotherProgram(event.pt, state.looked); },
        [&] { return pressTargetGone(state, seen.button, event.pt); });
    if (seen.input == MouseInput::press) state.pressedOn[static_cast<int>(seen.button)] = state.looked;
    if (held) return 1;
  }
  return CallNextHookEx(nullptr, code, message, data);
}

bool readCursor(ScreenPoint& position) {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;  // e.g. while another desktop is active
  position = {cursor.x, cursor.y};
  return true;
}

// Handles queued messages (the hook's calls arrive while the queue is read). False on WM_QUIT.
bool dispatchPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

// The cursor is read once per period, unless the hook reported a move in it: then the hook is
// alive and following the pointer, and a read would only cost time.
void serveUntilStopped(HANDLE stopEvent, PointerTracker& tracker) {
  DWORD lastLook = GetTickCount();
  for (;;) {
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &stopEvent, pollPeriodMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
    if (!dispatchPendingMessages()) return;
    if (GetTickCount() - lastLook < pollPeriodMs) continue;
    lastLook = GetTickCount();
    if (tracker.hookMovedSinceLastLook()) continue;
    if (ScreenPoint cursor; readCursor(cursor)) tracker.cursorPolled(cursor);
  }
}

// The hook reports physical pixels; the cursor read and the window lookup must too, on every
// monitor whatever its scale, so this thread is aware of each monitor's dpi whatever its host
// process declared: per monitor (version 2), else per monitor. Systems without thread awareness
// go by the process's.
void becomePerMonitorAware() {
  using SetContextFn = HANDLE(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContextFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  if (!set) return;
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
  const auto perMonitor = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3));
  if (!set(perMonitorV2)) set(perMonitor);
}

void watchRecord(HookState& state, const WorkerSignals& signals) {
  pt_type& record = *signals.record;
  // Where the pointer cannot be read, the pick point stays where it is.
  ScreenPoint start{loadField(record.x), loadField(record.y)};
  readCursor(start);
  PointerTracker tracker(record, start);
  state.tracker = &tracker;
  SetEvent(signals.watching.get());
  serveUntilStopped(signals.stop.get(), tracker);
  state.tracker = nullptr;
}

// Pick mode ends on the press that picks, so the monitor is stopped before that press's release
// comes; the release, kept back too, needs the hook a moment longer. True when the controller
// hands over a new record meanwhile: the kept presses stay kept under the new watch.
bool waitForKeptReleases(const InputWithholder& withholder, const WorkerSignals& signals) {
  if (!withholder.awaitsReleases()) return false;
  SetEvent(signals.waiting.get());
  const HANDLE resume = signals.resume.get();
  const DWORD since = GetTickCount();
  while (withholder.awaitsReleases()) {
    const DWORD waited = GetTickCount() - since;
    if (waited >= keptReleaseWaitMs) return false;
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &resume, keptReleaseWaitMs - waited, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_FAILED || !dispatchPendingMessages()) return false;
  }
  return false;
}

}  // namespace

void runMouseWorker(WorkerSignals& signals, HMODULE module) {
  becomePerMonitorAware();
  HookState state;
  hookState = &state;
  {
    // Without a hook (refused by the system) polling still follows the pointer.
    const UniqueHook hook(SetWindowsHookExW(WH_MOUSE_LL, mouseHook, module, 0));
    do watchRecord(state, signals);
    while (waitForKeptReleases(state.withholder, signals));
  }
  hookState = nullptr;
}

}  // namespace Lmr
