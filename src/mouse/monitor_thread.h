#pragma once
// The worker that watches the mouse for one record: a low-level mouse hook served by the worker's
// own message loop, backed by polling the cursor position.
#include "mouse/win_handles.h"
#include "ports/pt_type.h"

namespace Lmr {

class MonitorThread {
 public:
  MonitorThread() = default;
  MonitorThread(const MonitorThread&) = delete;
  MonitorThread& operator=(const MonitorThread&) = delete;

  // Starts watching for `record`; the monitor must be stopped. Returns once the hook is in place
  // (or could not be installed, leaving polling alone). False if the thread could not start.
  bool start(pt_type& record);
  // Stops and joins the worker; afterwards the record is not written again. Harmless when stopped.
  void stop();

 private:
  static DWORD WINAPI threadMain(void* monitor);
  bool launchWorker();
  void waitUntilWatching() const;

  pt_type* record_ = nullptr;
  // The worker holds a reference to this library until its very last instruction, so unloading
  // the library while the monitor runs cannot pull the code from under it.
  HMODULE module_ = nullptr;
  UniqueHandle stopEvent_;
  UniqueHandle watchingEvent_;
  UniqueHandle thread_;
};

}  // namespace Lmr
