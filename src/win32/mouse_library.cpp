#include "win32/mouse_library.h"

#include "app/product.h"
#include "win32/program_folder.h"

namespace Lmr::win32 {
namespace {

template <class Fn>
Fn entryPoint(HMODULE library, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

bool MouseLibrary::load() {
  // By full path: a bare name would go through the DLL search path, where a planted library of
  // the same name could be picked up instead of ours.
  library_.reset(LoadLibraryW(pathInProgramFolder(mouseLibraryName).c_str()));
  if (!library_) return false;
  Begin_Monitor_Mouse_Position = entryPoint<BeginFn>(library_.get(), "Begin_Monitor_Mouse_Position");
  End_Monitor_Mouse_Position = entryPoint<EndFn>(library_.get(), "End_Monitor_Mouse_Position");
  Get_Mouse_Position = entryPoint<GetFn>(library_.get(), "Get_Mouse_Position");
  return true;
}

// A library without an entry point is treated as one that does nothing, rather than a crash.
int MouseLibrary::begin(pt_type* record) {
  return Begin_Monitor_Mouse_Position ? Begin_Monitor_Mouse_Position(record) : 0;
}

int MouseLibrary::end() { return End_Monitor_Mouse_Position ? End_Monitor_Mouse_Position() : 0; }

}  // namespace Lmr::win32
