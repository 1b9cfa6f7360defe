#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ports/argb.h"

namespace Lmr {

// What the history dialog reports.
class HistoryDialogEvents {
 public:
  virtual void History_Shown() = 0;
  virtual void hist_list_SelectedIndexChanged() = 0;
  virtual void select_btn_Click() = 0;
  virtual void cancel_btn_Click() = 0;

 protected:
  ~HistoryDialogEvents() = default;
};

// The colour history dialog window: its list of entries and its two colour panels, the upper
// one (`preview`) showing the selected entry and the lower one (`prev_clr`) holding the colour
// handed back to the main window.
class HistoryDialogPort {
 public:
  virtual ~HistoryDialogPort() = default;
  // Creates the hidden dialog, owned by the main window and with its icon; its events go to
  // `handlers`. The preview shows the dialog's background colour until an entry is read.
  virtual void build(HistoryDialogEvents& handlers) = 0;
  // No event goes to the handlers from here on: they are ending.
  virtual void detachHandlers() = 0;

  virtual std::size_t entryCount() = 0;
  virtual std::wstring entry(std::size_t index) = 0;
  // Inserts at the top of the list; a selected entry stays selected.
  virtual void insertFirst(std::wstring_view text) = 0;
  virtual std::optional<std::size_t> selectedIndex() = 0;
  // Selects an entry, as the program does it: no selection event follows.
  virtual void select(std::size_t index) = 0;

  virtual Argb previewColour() = 0;
  virtual void setPreviewColour(Argb colour) = 0;
  virtual Argb prevClrColour() = 0;
  virtual void setPrevClrColour(Argb colour) = 0;

  // Shows the dialog modally over the main window; the dialog's shown event comes once it is on
  // screen, and the call returns when it has been closed.
  virtual void showModal() = 0;
  // Closes (hides) the dialog.
  virtual void close() = 0;
};

}  // namespace Lmr
