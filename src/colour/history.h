#pragma once
// The colour history: the hex texts of the colours that were current whenever a pick began,
// newest first, and the dialog that brings one of them back.
#include <string_view>

#include "ports/history_dialog_port.h"

namespace Lmr {

// Whether `text` (the hex field's text) goes into the history: it must begin with "#", and a
// repeat of the newest entry (compared exactly, letter case included) is left out.
bool belongsInHistory(std::wstring_view text, std::optional<std::wstring_view> newest);

// Which entry the dialog selects when it opens: the second when there are two or more (the first
// normally holds the current colour), the only one, or none.
std::optional<std::size_t> entryToSelectOnOpening(std::size_t entryCount);

class History final : public HistoryDialogEvents {
 public:
  explicit History(HistoryDialogPort& dialog) : dialog_(dialog) {}
  History(const History&) = delete;
  History& operator=(const History&) = delete;
  ~History() {
    if (loaded_) dialog_.detachHandlers();
  }

  // Builds the (hidden) dialog; done once, while the main window loads.
  void load() {
    dialog_.build(*this);
    loaded_ = true;
  }

  // The main window's side: recording, opening, and the colour handed back.
  void record(std::wstring_view text);
  bool hasEntries() { return dialog_.entryCount() > 0; }
  void showModal() { dialog_.showModal(); }
  Argb returnedColour() { return dialog_.prevClrColour(); }
  void setReturnedColour(Argb colour) { dialog_.setPrevClrColour(colour); }

  // The dialog's events.
  void History_Shown() override;
  void hist_list_SelectedIndexChanged() override;
  void select_btn_Click() override;
  void cancel_btn_Click() override;

 private:
  HistoryDialogPort& dialog_;
  bool loaded_ = false;
};

}  // namespace Lmr
