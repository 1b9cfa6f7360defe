// The end-to-end driver's entry: GoogleTest over every case.
#include <windows.h>

#include "win32/gdiplus_include.h"
#include <gtest/gtest.h>

// The driver is DPI aware like the program, so both see the same pixels; GDI+ serves the
// picture comparisons.
int main(int argc, char** argv) {
  SetProcessDPIAware();
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  Gdiplus::GdiplusShutdown(token);
  return result;
}
