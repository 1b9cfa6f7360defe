// Process entry of Lumarin.exe: themed controls, the imaging library, the platform services, then
// the program's own start-up.
#include <windows.h>

#include <commctrl.h>
#include "win32/gdiplus_include.h"

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/process_entry.h"
#include "ui/dpi_awareness.h"
#include "win32/clipboard.h"
#include "win32/colour_chooser.h"
#include "win32/dpi_awareness.h"
#include "win32/history_dialog.h"
#include "win32/magnifier_surface.h"
#include "win32/main_window.h"
#include "win32/monitor_profile_files.h"
#include "win32/mouse_library.h"
#include "win32/options_dialog.h"
#include "win32/process_services.h"
#include "win32/screen_capture.h"
#include "win32/settings_registry.h"
#include "win32/snapshot_window.h"
#include "win32/tray_icon.h"

namespace {

// Libraries loaded by name later on (by the system's own components too) come from the system
// folder only, never from the program's folder or the working folder, where a planted file of
// the same name could stand; our own library is loaded by its full path.
void loadLibrariesFromTheSystemFolderOnly() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

void useThemedControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
}

// Keeps the imaging library running for the life of the process.
class ImagingSession {
 public:
  ImagingSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ImagingSession(const ImagingSession&) = delete;
  ImagingSession& operator=(const ImagingSession&) = delete;
  ~ImagingSession() { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  loadLibrariesFromTheSystemFolderOnly();
  // The manifest asks for the same; where it was applied this only finds it set.
  Lmr::win32::DpiAwarenessSetter dpiAwareness;
  Lmr::ui::becomeDpiAware(dpiAwareness);
  useThemedControls();
  const std::vector<std::wstring> args = Lmr::argumentsOf(GetCommandLineW());
  ImagingSession imaging;

  Lmr::win32::ProcessServices process;
  Lmr::win32::SettingsRegistry settings;
  Lmr::win32::MouseLibrary mouse;
  Lmr::win32::MainWindow window(instance);
  Lmr::win32::MagnifierSurface magnifier(window);
  Lmr::win32::Clipboard clipboard(window);
  Lmr::win32::ColourChooser colourChooser(window);
  Lmr::win32::OptionsDialog optionsDialog(window);
  Lmr::win32::ScreenCapture screen;
  Lmr::win32::HistoryDialog historyDialog(window);
  Lmr::win32::TrayIcon tray(window);
  Lmr::win32::SnapshotWindow snapshot;
  Lmr::win32::MonitorProfileFiles monitorProfiles;
  Lmr::Platform platform{process, settings, mouse,         window, magnifier, clipboard,      colourChooser,
                         optionsDialog, screen, historyDialog, tray, snapshot,  monitorProfiles};
  Lmr::runProcess(args, platform);
  return 0;
}
