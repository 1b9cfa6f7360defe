#include "mouse/mouse_exports.h"

#include <atomic>
#include <mutex>

#include "mouse/monitor_thread.h"

namespace {

std::mutex controlLock;  // Begin and End may come from different threads
Lmr::MonitorThread monitor;
std::atomic<pt_type*> lastRecord{nullptr};

}  // namespace

extern "C" int __stdcall Begin_Monitor_Mouse_Position(pt_type* record) {
  if (record == nullptr) return 0;
  try {
    const std::lock_guard lock(controlLock);
    monitor.stop();
    lastRecord.store(record);
    return monitor.start(*record) ? 1 : 0;
  } catch (...) {  // nothing may cross the library's boundary
    return 0;
  }
}

extern "C" int __stdcall End_Monitor_Mouse_Position() {
  try {
    const std::lock_guard lock(controlLock);
    monitor.stop();
    return 1;
  } catch (...) {
    return 0;
  }
}

extern "C" pt_type* __stdcall Get_Mouse_Position() { return lastRecord.load(); }
