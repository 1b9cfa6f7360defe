#pragma once
#include "ports/platform.h"
#include "win32/handles.h"

namespace Lmr::win32 {

// Binds the mouse position monitor library from the program's own folder.
class MouseLibrary final : public MouseMonitorPort {
 public:
  bool load() override;
  int begin(pt_type* record) override;
  int end() override;

 private:
  using BeginFn = int(WINAPI*)(pt_type*);
  using EndFn = int(WINAPI*)();
  using GetFn = pt_type*(WINAPI*)();

  Library library_;
  BeginFn Begin_Monitor_Mouse_Position = nullptr;
  EndFn End_Monitor_Mouse_Position = nullptr;
  GetFn Get_Mouse_Position = nullptr;
};

}  // namespace Lmr::win32
