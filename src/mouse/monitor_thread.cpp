#include "mouse/monitor_thread.h"

#include "mouse/pointer_tracker.h"

namespace Lmr {
namespace {

// Polling period of the cursor position, the fallback for moves the hook does not see. The program
// reads the record once per 32 ms update, so polling faster only costs CPU: under Wine a cursor
// read is a round trip to the server or the X server.
constexpr DWORD pollPeriodMs = 32;
constexpr SIZE_T workerStackBytes = 64 * 1024;
// Bound on how long a start waits for the worker to report its hook in place.
constexpr DWORD startTimeoutMs = 5000;

// The tracker of the hook on this thread (low-level hooks are called on the installing thread).
thread_local PointerTracker* hookTracker = nullptr;

void forwardHookEvent(PointerTracker& tracker, WPARAM message, const MSLLHOOKSTRUCT& event) {
  switch (message) {
    case WM_MOUSEMOVE:
      tracker.hookSawPointer({event.pt.x, event.pt.y});
      break;
    case WM_MOUSEWHEEL:
      tracker.wheelTurned(static_cast<short>(HIWORD(event.mouseData)));
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      tracker.buttonPressed();
      break;
    default:
      break;
  }
}

// Kept tiny: the system drops hooks that answer slowly.
LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION && hookTracker != nullptr) {
    forwardHookEvent(*hookTracker, message, *reinterpret_cast<const MSLLHOOKSTRUCT*>(event));
  }
  return CallNextHookEx(nullptr, code, message, event);
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

// The hook reports physical pixels; the cursor read must too, on every monitor whatever its
// scale, so this thread is aware of each monitor's dpi whatever its host process declared: per
// monitor (version 2), else per monitor. Systems without thread awareness go by the process's.
void becomePerMonitorAware() {
  using SetContextFn = HANDLE(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContextFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  if (!set) return;
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
  const auto perMonitor = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3));
  if (!set(perMonitorV2)) set(perMonitor);
}

void watchMouse(pt_type& record, HMODULE module, HANDLE stopEvent, HANDLE watchingEvent) {
  becomePerMonitorAware();
  // Where the pointer cannot be read, the pick point stays where it is.
  ScreenPoint start{loadField(record.x), loadField(record.y)};
  readCursor(start);
  PointerTracker tracker(record, start);
  hookTracker = &tracker;
  {
    // Without a hook (refused by the system) polling still follows the pointer.
    const UniqueHook hook(SetWindowsHookExW(WH_MOUSE_LL, mouseHook, module, 0));
    SetEvent(watchingEvent);
    serveUntilStopped(stopEvent, tracker);
  }
  hookTracker = nullptr;
}

HMODULE referenceThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&referenceThisLibrary), &module);
  return module;
}

}  // namespace

bool MonitorThread::start(pt_type& record) {
  record_ = &record;
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  watchingEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stopEvent_ || !watchingEvent_ || !launchWorker()) return false;
  // Raised so the hook answers in time when the machine is busy.
  SetThreadPriority(thread_.get(), THREAD_PRIORITY_ABOVE_NORMAL);
  waitUntilWatching();
  return true;
}

bool MonitorThread::launchWorker() {
  module_ = referenceThisLibrary();
  if (module_ == nullptr) return false;
  // The worker needs little stack: a hook callback and a message loop.
  thread_.reset(CreateThread(nullptr, workerStackBytes, &MonitorThread::threadMain, this,
                             STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  if (thread_) return true;
  FreeLibrary(module_);
  return false;
}

void MonitorThread::waitUntilWatching() const {
  // The thread's handle too: a worker that died early must not hold up the caller.
  const HANDLE watchingOrGone[] = {watchingEvent_.get(), thread_.get()};
  WaitForMultipleObjects(2, watchingOrGone, FALSE, startTimeoutMs);
}

void MonitorThread::stop() {
  if (!thread_) return;
  SetEvent(stopEvent_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  stopEvent_.reset();
  watchingEvent_.reset();
  record_ = nullptr;
}

DWORD WINAPI MonitorThread::threadMain(void* monitor) {
  const auto& self = *static_cast<const MonitorThread*>(monitor);
  const HMODULE module = self.module_;
  watchMouse(*self.record_, module, self.stopEvent_.get(), self.watchingEvent_.get());
  FreeLibraryAndExitThread(module, 0);
}

}  // namespace Lmr
