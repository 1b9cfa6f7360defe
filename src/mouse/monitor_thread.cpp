#include "mouse/monitor_thread.h"

namespace Lmr {
namespace {

constexpr SIZE_T workerStackBytes = 64 * 1024;
// Bound on how long a start waits for the worker to report its hook in place.
constexpr DWORD startTimeoutMs = 5000;

HMODULE referenceThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&referenceThisLibrary), &module);
  return module;
}

UniqueHandle newEvent(bool manualReset) { return UniqueHandle(CreateEventW(nullptr, manualReset, FALSE, nullptr)); }

}  // namespace

bool MonitorThread::start(pt_type& record) {
  signals_.record = &record;
  if (thread_ && resumeWaitingWorker()) return true;
  thread_.reset();  // none, or one that has ended
  return startWorker();
}

bool MonitorThread::resumeWaitingWorker() {
  ResetEvent(signals_.stop.get());
  ResetEvent(signals_.watching.get());
  ResetEvent(signals_.waiting.get());
  SetEvent(signals_.resume.get());
  waitUntilWatching();
  // A worker whose wait ran out meanwhile has ended instead.
  watching_ = !workerEnded();
  return watching_;
}

bool MonitorThread::startWorker() {
  if (!createSignals() || !launchWorker()) return false;
  // Raised so the hook answers in time when the machine is busy.
  SetThreadPriority(thread_.get(), THREAD_PRIORITY_ABOVE_NORMAL);
  watching_ = true;
  waitUntilWatching();
  return true;
}

bool MonitorThread::createSignals() {
  signals_.stop = newEvent(true);
  signals_.resume = newEvent(false);
  signals_.watching = newEvent(true);
  signals_.waiting = newEvent(true);
  return signals_.stop && signals_.resume && signals_.watching && signals_.waiting;
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
  const HANDLE watchingOrGone[] = {signals_.watching.get(), thread_.get()};
  WaitForMultipleObjects(2, watchingOrGone, FALSE, startTimeoutMs);
}

bool MonitorThread::workerEnded() const { return WaitForSingleObject(thread_.get(), 0) != WAIT_TIMEOUT; }

void MonitorThread::stop() {
  if (!watching_) return;
  watching_ = false;
  SetEvent(signals_.stop.get());
  // The worker answers at once: it ends, or says it waits for a kept release and writes no more.
  const HANDLE waitingOrGone[] = {signals_.waiting.get(), thread_.get()};
  WaitForMultipleObjects(2, waitingOrGone, FALSE, INFINITE);
  if (workerEnded()) thread_.reset();
}

DWORD WINAPI MonitorThread::threadMain(void* monitor) {
  auto& self = *static_cast<MonitorThread*>(monitor);
  const HMODULE module = self.module_;
  runMouseWorker(self.signals_, module);
  FreeLibraryAndExitThread(module, 0);
}

}  // namespace Lmr
