#include "app/lumarin.h"

#include "app/product.h"
#include "app/required_files.h"

namespace Lmr {

bool Lumarin::instanceCreated = false;
Lumarin* Lumarin::selfInstance = nullptr;

// The subsystems are made in the order they call each other; the magnifier asks pick mode about
// clicks only once the window's events arrive.
Lumarin::Lumarin(Platform& platform, StartAction action)
    : platform_(platform),
      opt_frm(platform.optionsDialog, platform.settings),
      hist_frm(platform.historyDialog),
      readouts_(platform.window, platform.clipboard, platform.colourChooser, opt_frm, hist_frm),
      copyAs_(platform.window, platform.clipboard, platform.monitorProfiles, readouts_),
      colourHistory_(platform.window, hist_frm, readouts_, ready_),
      snapshot_(platform.snapshot, platform.process),
      magnifier_(platform.window, platform.screen, platform.magnifier, opt_frm, ready_, mpt, readouts_,
                 [this] { return pickMode_.clickEndsUpdate(); }),
      pickMode_(platform.window, platform.mouse, platform.process, opt_frm, ready_, mpt, magnifier_, colourHistory_,
                snapshot_, readouts_),
      windowLife_(platform.window, platform.tray, platform.process, platform.mouse, ready_, opt_frm, pickMode_,
                  magnifier_) {
  if (instanceCreated) return;  // a further object is a bare window
  selfInstance = this;
  instanceCreated = true;

  if (!guardSingleInstance(action)) return;
  platform_.process.enterProgramDirectory();
  platform_.window.buildControls(*this);
  platform_.window.setTitle(productName);
  startedUp_ = writeMissingEmbededResources(platform_.process, false);
}

// No event reaches this object once it has ended.
Lumarin::~Lumarin() {
  if (selfInstance != this) return;
  platform_.window.detachHandlers();
  selfInstance = nullptr;
  instanceCreated = false;
}

Lumarin* Lumarin::getInstance() { return selfInstance; }

// False when another instance runs: its window has been brought forward and this one must end.
bool Lumarin::guardSingleInstance(StartAction action) {
  // Opening the marker first and creating it after would let two starts in the same instant both
  // pass; creating it is the test.
  ProcessPort& process = platform_.process;
  if (process.createInstanceMarker(singleInstanceMutexName)) return true;
  process.bringWindowForward(productName);
  if (action == StartAction::Pick) process.handPickRequest(productName);
  return false;
}

bool Lumarin::writeMissingEmbededResources(ProcessPort& process, bool silent) {
  const auto missing = firstMissingFile([&](std::wstring_view name) { return process.fileExists(name); });
  if (!missing) return true;
  if (!silent) process.showMessage(missingFileMessage(*missing), productName);
  return false;
}

bool Lumarin::Lumarin_Load() {
  platform_.window.loadIcon(iconFileName);
  opt_frm.load();
  hist_frm.load();
  if (!platform_.mouse.load()) {
    platform_.process.showMessage(mouseLibraryFailure, productName);
    return false;
  }
  magnifier_.load(idlePictureFileName);
  readouts_.setPickColour(initialPickColour);
  windowLife_.initTrayIcon();
  ready_.bInitialized = true;
  platform_.window.setTopmost(false);
  return true;
}

void Lumarin::WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  windowLife_.WndProc(message, wParam, lParam);
}

bool Lumarin::ProcessCmdKey(std::uint32_t message, std::int32_t keyData) {
  return pickMode_.ProcessCmdKey(message, keyData);
}

}  // namespace Lmr
