#pragma once
// What the program's behaviour asks of the platform. The Windows layer implements these; the unit
// tests give fakes.
#include <string_view>

#include "pick/pt_type.h"

namespace Lmr {

class Lumarin;

// Process-level services used while starting up.
class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // True when the named object of a running instance exists.
  virtual bool instanceMarkerExists(std::wstring_view name) = 0;
  // Creates the named object and holds it until the process ends.
  virtual void createInstanceMarker(std::wstring_view name) = 0;
  // Finds a top-level window by its title; restores (also from hidden), activates, brings it to
  // the foreground and repaints it. Nothing happens when there is none.
  virtual void bringWindowForward(std::wstring_view title) = 0;
  virtual void enterProgramDirectory() = 0;
  virtual bool fileExists(std::wstring_view name) = 0;
  virtual void showMessage(std::wstring_view text, std::wstring_view caption) = 0;
};

// The per-user settings store.
class SettingsPort {
 public:
  virtual ~SettingsPort() = default;
  // Deletes the settings key with all its values; nothing happens when it does not exist.
  virtual void deleteSettings() = 0;
};

// The mouse position monitor library.
class MouseMonitorPort {
 public:
  virtual ~MouseMonitorPort() = default;
  // Loads the library from the program's own folder and looks up its entry points.
  virtual bool load() = 0;
  virtual int begin(pt_type* record) = 0;
  virtual int end() = 0;
};

// The main window and its controls.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Creates the (hidden) window and its controls; their events go to `handlers`.
  virtual void buildControls(Lumarin& handlers) = 0;
  virtual void setTitle(std::wstring_view title) = 0;
  // Reads the icon file and gives it to the window (the system's application icon when the file
  // cannot be read as an icon).
  virtual void loadIcon(std::wstring_view fileName) = 0;
  virtual void setTopmost(bool topmost) = 0;
  // Outer width of the magnifier panel, in pixels.
  virtual int pickZoomWidth() = 0;
  virtual void show() = 0;
  // Runs the message loop until the program ends.
  virtual void runMessageLoop() = 0;
};

// The magnifier's drawing surfaces.
class MagnifierPort {
 public:
  virtual ~MagnifierPort() = default;
  // Loads the idle picture's top-left view-sized corner as the last view; an unreadable picture
  // leaves the last view empty.
  virtual void loadIdlePicture(std::wstring_view fileName) = 0;
  // Takes the panel's drawing surface, kept until the process ends.
  virtual void attachToPanel() = 0;
  // Draws the last view into the panel with its top-left corner at (offset, offset).
  virtual void drawLastView(int offset) = 0;
};

struct Platform {
  ProcessPort& process;
  SettingsPort& settings;
  MouseMonitorPort& mouse;
  MainWindowPort& window;
  MagnifierPort& magnifier;
};

}  // namespace Lmr
