#pragma once
// The colour history dialog: a real top-level window with the controls of the history layout,
// shown modally over the main window. Its list box holds the history.
#include <windows.h>

#include "ports/history_dialog_port.h"
#include "ui/history_layout.h"
#include "win32/colour_panel.h"
#include "win32/dialog_window.h"

namespace Lmr::win32 {

class HistoryDialog final : public HistoryDialogPort, public DialogWindow {
 public:
  explicit HistoryDialog(const MainWindow& owner) : DialogWindow(owner) {}

  void build(HistoryDialogEvents& handlers) override;
  void detachHandlers() override { handlers_ = nullptr; }
  std::size_t entryCount() override;
  std::wstring entry(std::size_t index) override;
  void insertFirst(std::wstring_view text) override;
  std::optional<std::size_t> selectedIndex() override;
  void select(std::size_t index) override;
  Argb previewColour() override { return preview_.colour(); }
  void setPreviewColour(Argb colour) override { preview_.setColour(colour); }
  Argb prevClrColour() override { return prevClr_.colour(); }
  void setPrevClrColour(Argb colour) override { prevClr_.setColour(colour); }
  void showModal() override;
  void close() override { modal_.close(); }

 private:
  LRESULT dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void closeBox() override;
  void handleCommand(ui::HistoryControlId id, int notification);

  void createControls();
  HWND parentOf(const ui::HistoryControlSpec& spec) const;
  void applyStackingOrder();
  HWND control(ui::HistoryControlId id) const;

  HistoryDialogEvents* handlers_ = nullptr;
  ColourPanel preview_, prevClr_;
  HWND list_ = nullptr;
};

}  // namespace Lmr::win32
