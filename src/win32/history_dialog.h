#pragma once
// The colour history dialog: a real top-level window with the controls of the history layout,
// shown modally over the main window. Its list box holds the history.
#include <windows.h>

#include "ports/history_dialog_port.h"
#include "ui/history_layout.h"
#include "win32/colour_panel.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/modal_dialog.h"

namespace Lmr::win32 {

class HistoryDialog final : public HistoryDialogPort {
 public:
  explicit HistoryDialog(const MainWindow& owner) : owner_(owner), modal_(owner.handle()) {}
  HistoryDialog(const HistoryDialog&) = delete;
  HistoryDialog& operator=(const HistoryDialog&) = delete;
  ~HistoryDialog() override;

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
  template <class Owner>
  friend LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void attachWindow(HWND window) { window_ = window; }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void handleCommand(ui::HistoryControlId id, int notification);

  void createWindow();
  void createControls();
  HWND createChild(const wchar_t* className, const ui::HistoryControlSpec& spec, DWORD style, DWORD exStyle);
  HWND parentOf(const ui::HistoryControlSpec& spec) const;
  void applyStackingOrder();
  HWND control(ui::HistoryControlId id) const;

  const MainWindow& owner_;
  HistoryDialogEvents* handlers_ = nullptr;
  HWND window_ = nullptr;
  Font font_;
  ui::Size cell_{};
  ColourPanel preview_, prevClr_;
  HWND list_ = nullptr;
  ModalDialog modal_;
};

}  // namespace Lmr::win32
