#include "colour/colour_history.h"

namespace Lmr {

using ui::ControlId;

ColourHistory::ColourHistory(MainWindowPort& window, History& hist_frm, Readouts& readouts, const ReadyFlag& ready)
    : window_(window), hist_frm_(hist_frm), readouts_(readouts), ready_(ready) {}

void ColourHistory::sendPickedColorToHistory() {
  window_.setSwatchColour(ControlId::color_previous, window_.swatchColour(ControlId::color_current));
  sendPickedColorToHistoryHelper();
}

void ColourHistory::sendPickedColorToHistoryHelper() { hist_frm_.record(window_.text(ControlId::out_hex)); }

// The dialog hands back the selected colour after Select and the current one after Cancel; either
// becomes the current colour, unless there is no entry to choose from.
void ColourHistory::color_previous_Click() {
  if (!ready_.bInitialized) return;
  sendPickedColorToHistoryHelper();
  hist_frm_.showModal();
  if (hist_frm_.hasEntries()) readouts_.setCurrentColour(hist_frm_.returnedColour());
}

}  // namespace Lmr
