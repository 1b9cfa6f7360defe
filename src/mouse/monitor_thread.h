#pragma once
// Starts, stops and resumes the worker that watches the mouse for one record (see mouse_worker.h).
#include "mouse/mouse_worker.h"
#include "mouse/win_handles.h"
#include "ports/pt_type.h"

namespace Lmr {

class MonitorThread {
 public:
  MonitorThread() = default;
  MonitorThread(const MonitorThread&) = delete;
  MonitorThread& operator=(const MonitorThread&) = delete;

  // Starts watching for `record`; the monitor must be stopped. A worker still waiting for the
  // release of a press it kept back takes the record over, so that release stays kept; otherwise
  // a new worker starts. Returns once the hook is in place (or could not be installed, leaving
  // polling alone). False if the thread could not start.
  bool start(pt_type& record);
  // Stops writing the record: once this returns it is not written again. The worker ends, or, if
  // it keeps back a press whose release has not come, waits for that release on its own without
  // holding the caller up. Harmless when stopped.
  void stop();

 private:
  static DWORD WINAPI threadMain(void* monitor);
  bool resumeWaitingWorker();
  bool startWorker();
  bool createSignals();
  bool launchWorker();
  void waitUntilWatching() const;
  bool workerEnded() const;

  WorkerSignals signals_;
  // The worker holds a reference to this library until its very last instruction, so unloading
  // the library while the worker runs or waits cannot pull the code from under it.
  HMODULE module_ = nullptr;
  UniqueHandle thread_;
  bool watching_ = false;  // a worker may be writing the record
};

}  // namespace Lmr
