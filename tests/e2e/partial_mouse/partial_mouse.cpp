// A stand-in for LumarinMouse.dll that exports only the entry points its build names: the program
// must run with a library that lacks some of them. The monitor it offers never moves the pointer.
#include "ports/pt_type.h"

namespace {
[[maybe_unused]] pt_type* given = nullptr;  // unused by a build with neither Begin nor Get
}  // namespace

#ifdef EXPORTS_BEGIN
extern "C" __declspec(dllexport) int __stdcall Begin_Monitor_Mouse_Position(pt_type* record) {
  given = record;
  return record ? 1 : 0;
}
#endif
#ifdef EXPORTS_END
extern "C" __declspec(dllexport) int __stdcall End_Monitor_Mouse_Position() { return 1; }
#endif
#ifdef EXPORTS_GET
extern "C" __declspec(dllexport) pt_type* __stdcall Get_Mouse_Position() { return given; }
#endif
// Every build exports something, so each is a library the system loads.
extern "C" __declspec(dllexport) int __stdcall Partial_Mouse_Marker() { return 0; }
