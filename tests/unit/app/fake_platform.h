#pragma once
// A platform that records what the program asks of it, in order.
#include <set>
#include <string>
#include <vector>

#include "app/platform_ports.h"

namespace Lmr::testing {

struct FakePlatform : ProcessPort, SettingsPort, MouseMonitorPort, MainWindowPort, MagnifierPort {
  std::vector<std::string> calls;
  std::vector<std::wstring> messages;
  std::set<std::wstring> missingFiles;
  bool markerExists = false;
  bool mouseLoads = true;
  int panelWidth = 299;
  int drawnOffset = -1;

  void log(std::string what) { calls.push_back(std::move(what)); }

  bool instanceMarkerExists(std::wstring_view) override { log("marker?"); return markerExists; }
  void createInstanceMarker(std::wstring_view) override { log("create marker"); }
  void bringWindowForward(std::wstring_view) override { log("bring forward"); }
  void enterProgramDirectory() override { log("enter program directory"); }
  bool fileExists(std::wstring_view name) override {
    log("exists " + std::string(name.begin(), name.end()));
    return !missingFiles.count(std::wstring(name));
  }
  void showMessage(std::wstring_view text, std::wstring_view) override {
    log("message");
    messages.emplace_back(text);
  }
  void deleteSettings() override { log("delete settings"); }
  bool load() override { log("load mouse"); return mouseLoads; }
  int begin(pt_type*) override { log("begin"); return 1; }
  int end() override { log("end"); return 1; }
  void buildControls(Lumarin&) override { log("build controls"); }
  void setTitle(std::wstring_view) override { log("title"); }
  void loadIcon(std::wstring_view) override { log("icon"); }
  void setTopmost(bool on) override { log(on ? "topmost" : "not topmost"); }
  int pickZoomWidth() override { return panelWidth; }
  void show() override { log("show"); }
  void runMessageLoop() override { log("loop"); }
  void loadIdlePicture(std::wstring_view) override { log("idle picture"); }
  void attachToPanel() override { log("attach panel"); }
  void drawLastView(int offset) override { log("draw last view"); drawnOffset = offset; }

  Platform platform() { return {*this, *this, *this, *this, *this}; }
};

}  // namespace Lmr::testing
