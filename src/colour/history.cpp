#include "colour/history.h"

#include "colour/colour_parse.h"

namespace Lmr {

bool belongsInHistory(std::wstring_view text, std::optional<std::wstring_view> newest) {
  if (text.empty() || text.front() != L'#') return false;
  return !newest || *newest != text;
}

std::optional<std::size_t> entryToSelectOnOpening(std::size_t entryCount) {
  if (entryCount >= 2) return 1;
  if (entryCount == 1) return 0;
  return std::nullopt;
}

void History::record(std::wstring_view text) {
  std::optional<std::wstring> newest;
  if (hasEntries()) newest = dialog_.entry(0);
  if (belongsInHistory(text, newest)) dialog_.insertFirst(text);
}

// Selecting in code raises no event of its own, so a changed selection is acted on here, as a
// click on the entry would be; an entry already selected has its colour in the preview.
void History::History_Shown() {
  const auto wanted = entryToSelectOnOpening(dialog_.entryCount());
  if (!wanted || dialog_.selectedIndex() == wanted) return;
  dialog_.select(*wanted);
  hist_list_SelectedIndexChanged();
}

// An entry that does not read as a colour leaves the preview as it was.
void History::hist_list_SelectedIndexChanged() {
  const auto selected = dialog_.selectedIndex();
  if (!selected || *selected >= dialog_.entryCount()) return;
  if (const auto colour = parseHistoryEntry(dialog_.entry(*selected))) dialog_.setPreviewColour(*colour);
}

void History::select_btn_Click() {
  if (hasEntries()) dialog_.setPrevClrColour(dialog_.previewColour());
  dialog_.close();
}

void History::cancel_btn_Click() { dialog_.close(); }

}  // namespace Lmr
