// The main window's side of the colour history: filing the current colour when a pick begins,
// and the previous-colour swatch that opens the history dialog.
#include "app/lumarin.h"
#include "colour/history.h"

namespace Lmr {

using ui::ControlId;

void Lumarin::sendPickedColorToHistory() {
  MainWindowPort& window = platform_.window;
  window.setSwatchColour(ControlId::color_previous, window.swatchColour(ControlId::color_current));
  sendPickedColorToHistoryHelper();
}

void Lumarin::sendPickedColorToHistoryHelper() {
  if (hist_frm) hist_frm->record(platform_.window.text(ControlId::out_hex));
}

// The dialog hands back the selected colour after Select and the current one after Cancel; either
// becomes the current colour, unless there is no entry to choose from.
void Lumarin::color_previous_Click() {
  if (!bInitialized || !hist_frm) return;
  sendPickedColorToHistoryHelper();
  hist_frm->showModal();
  if (hist_frm->hasEntries()) setCurrentColour(hist_frm->returnedColour());
}

}  // namespace Lmr
