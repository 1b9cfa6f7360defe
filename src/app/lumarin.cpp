#include "app/lumarin.h"

#include "app/product.h"
#include "app/required_files.h"
#include "colour/history.h"

namespace Lmr {

bool Lumarin::instanceCreated = false;
Lumarin* Lumarin::selfInstance = nullptr;

Lumarin::Lumarin(Platform& platform) : platform_(platform) {
  if (instanceCreated) return;  // a further object is a bare window
  selfInstance = this;
  instanceCreated = true;

  if (!guardSingleInstance()) return;
  platform_.process.enterProgramDirectory();
  platform_.window.buildControls(*this);
  platform_.window.setTitle(productName);
  is_picking = panning = bInitialized = pick_from_wnd_created = false;
  startedUp_ = writeMissingEmbededResources(platform_.process, false);
}

Lumarin::~Lumarin() {
  if (selfInstance == this) {
    platform_.window.detachHandlers();
    selfInstance = nullptr;
    instanceCreated = false;
  }
}

Lumarin* Lumarin::getInstance() { return selfInstance; }

// False when another instance runs: its window has been brought forward and this one must end.
bool Lumarin::guardSingleInstance() {
  // Opening the marker first and creating it after would let two starts in the same instant both
  // pass; creating it is the test.
  ProcessPort& process = platform_.process;
  if (process.createInstanceMarker(singleInstanceMutexName)) return true;
  process.bringWindowForward(productName);
  return false;
}

bool Lumarin::writeMissingEmbededResources(ProcessPort& process, bool silent) {
  const auto missing = firstMissingFile([&](std::wstring_view name) { return process.fileExists(name); });
  if (!missing) return true;
  if (!silent) process.showMessage(missingFileMessage(*missing), productName);
  return false;
}

bool Lumarin::Lumarin_Load() {
  MainWindowPort& window = platform_.window;
  window.loadIcon(iconFileName);
  opt_frm = std::make_unique<Options>(platform_.optionsDialog, platform_.settings);
  hist_frm = std::make_unique<History>(platform_.historyDialog);

  if (!platform_.mouse.load()) {
    platform_.process.showMessage(mouseLibraryFailure, productName);
    return false;
  }

  MagnifierPort& magnifier = platform_.magnifier;
  magnifier.loadIdlePicture(idlePictureFileName);
  magnifier.attachToPanel();
  dpi_draw_x = dpiDrawX(window.pickZoomWidth());
  magnifier.drawLastView(dpi_draw_x);
  sourceRect = {0, 0, viewWidth, viewWidth};
  g_pick_clr = initialPickColour;
  computeFishEye();
  initTrayIcon();
  bInitialized = true;
  window.setTopmost(false);
  return true;
}

void Lumarin::options_btn_Click() {
  if (!bInitialized) return;
  opt_frm->showModal();
  paintLastView();
}

void Lumarin::paintLastView() {
  if (bInitialized) platform_.magnifier.drawLastView(dpi_draw_x);
}

}  // namespace Lmr
