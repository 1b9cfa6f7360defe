#pragma once
// The monitor's worker thread: a low-level mouse hook served by the worker's own message loop,
// backed by polling the cursor position. While it watches a record, the hook keeps clicks and
// wheel steps from other programs' windows (see InputWithholder).
#include "mouse/win_handles.h"
#include "ports/pt_type.h"

namespace Lmr {

// How the controlling thread and the worker talk. The controller sets `record` only while no
// worker watches, and resets the events before it starts or resumes one; the worker only sets them.
struct WorkerSignals {
  pt_type* record = nullptr;  // the record to watch, handed over before a start or a resume
  UniqueHandle stop;          // manual reset, set by the controller: stop writing the record
  UniqueHandle resume;        // auto reset, set by the controller: a waiting worker watches `record`
  UniqueHandle watching;      // manual reset, set by the worker: the record is watched
  UniqueHandle waiting;       // manual reset, set by the worker: stopped, waiting for a kept release
};

// The worker's life: it watches `record` until told to stop. If it then still keeps back a press,
// it waits for that press's release with the hook in place, and takes up a new record when told
// to resume meanwhile. Returns when it neither watches nor waits.
void runMouseWorker(WorkerSignals& signals, HMODULE module);

}  // namespace Lmr
