#pragma once
// The main window's side of the colour history: filing the current colour when a pick begins,
// and the previous-colour swatch that opens the history dialog and brings a colour back.
#include "colour/history.h"
#include "colour/readouts.h"
#include "ports/main_window_port.h"
#include "ports/ready_flag.h"

namespace Lmr {

class ColourHistory {
 public:
  ColourHistory(MainWindowPort& window, History& hist_frm, Readouts& readouts, const ReadyFlag& ready);
  ColourHistory(const ColourHistory&) = delete;
  ColourHistory& operator=(const ColourHistory&) = delete;

  void sendPickedColorToHistory();
  void sendPickedColorToHistoryHelper();
  void color_previous_Click();

 private:
  MainWindowPort& window_;
  History& hist_frm_;
  Readouts& readouts_;
  const ReadyFlag& ready_;
};

}  // namespace Lmr
